// The catalogue's small dialogs driven through their messages: add-disc progress counting and
// finishing, the save dialog ended only by its thread, the statistics and About boxes, and the
// same dialogs as the catalogue reaches them through the application's shell.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <windows.h>

#include "DrivenDialog.h"
#include "app/AboutDialog.h"
#include "app/AddDiscProgressDialog.h"
#include "app/AppCatalogShell.h"
#include "app/DLG_SaveDatabase.h"
#include "app/DLG_Statistics.h"
#include "resources/AppResource.h"

namespace
{

const UINT kScanFinished = WM_USER + 1;
const UINT kScanProgress = WM_USER + 2;

// Every way a user tries to end a dialog from the keyboard or the frame.
void PostEndRequests(HWND dialog)
{
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

LOGFONTA FontOf(HWND dialog, int id)
{
    LOGFONTA lf = {};
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(dialog, id), WM_GETFONT, 0, 0));
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

}  // namespace

TEST(AddDiscProgressDialog, CountsFoldersAndFilesAndRevealsOkAtTheEnd)
{
    DrivenDialog<AddDiscProgressDialog> dialog(nullptr);
    struct
    {
        std::string folders, files;
        bool running, done, ok;
    } start, counted, finished;
    auto look = [](HWND d, auto& seen) {
        seen = {ControlText(d, IDC_FOLDERS_ADDED), ControlText(d, IDC_FILES_ADDED),
                ControlVisible(d, IDC_ADD_DISC_RUNNING), ControlVisible(d, IDC_ADD_DISC_DONE),
                ControlVisible(d, IDOK)};
    };
    const INT_PTR result = dialog.RunModal([&](HWND d) {
        ASSERT_NE(nullptr, d);
        look(d, start);
        for (int i = 0; i < 3; ++i) SendMessageA(d, kScanProgress, 0, 0);   // folders
        for (int i = 0; i < 12; ++i) PostMessageA(d, kScanProgress, 1, 0);  // files
        PostMessageA(d, kScanProgress, 7, 0);                               // neither: ignored
        dialog.Sync(d);
        look(d, counted);
        PostMessageA(d, kScanFinished, 0, 0);
        dialog.Sync(d);
        look(d, finished);
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("0", start.folders);
    EXPECT_EQ("0", start.files);
    EXPECT_TRUE(start.running);
    EXPECT_FALSE(start.done);
    EXPECT_FALSE(start.ok);
    EXPECT_EQ("3", counted.folders);
    EXPECT_EQ("12", counted.files);
    EXPECT_TRUE(counted.running);
    EXPECT_FALSE(counted.done);
    EXPECT_FALSE(counted.ok);
    EXPECT_FALSE(finished.running);
    EXPECT_TRUE(finished.done);
    EXPECT_TRUE(finished.ok);
    EXPECT_EQ(3, dialog.GetFoldersAdded());
    EXPECT_EQ(12, dialog.GetFilesAdded());
}

TEST(AddDiscProgressDialog, EscEnterAndCloseIgnoredWhileScanning)
{
    DrivenDialog<AddDiscProgressDialog> dialog(nullptr);
    bool openWhileScanning = false;
    const INT_PTR result = dialog.RunModal([&](HWND d) {
        ASSERT_NE(nullptr, d);
        PostEndRequests(d);
        dialog.Sync(d);
        openWhileScanning = dialog.StillModal();
        PostMessageA(d, kScanFinished, 0, 0);
        PostMessageA(d, WM_KEYDOWN, VK_ESCAPE, 0);  // once finished, Esc ends it
    });
    EXPECT_TRUE(openWhileScanning);
    EXPECT_EQ(IDCANCEL, result);
}

TEST(DLG_SaveDatabase, ProgressRowGrowsToTwentySevenThenStartsAgain)
{
    CString text;
    for (int i = 1; i <= 27; ++i) {
        text = DLG_SaveDatabase::NextProgressText(text);
        ASSERT_EQ(i, text.GetLength());
        ASSERT_EQ(std::string(i, '>'), std::string(text));
    }
    EXPECT_TRUE(DLG_SaveDatabase::NextProgressText(text).IsEmpty());
}

TEST(DLG_SaveDatabase, OnlySetDoneFromAnotherThreadEndsIt)
{
    DrivenDialog<DLG_SaveDatabase> dialog(nullptr);
    bool openAfterRequests = false;
    std::string progress;
    const INT_PTR result = dialog.RunModal([&](HWND d) {
        ASSERT_NE(nullptr, d);
        PostEndRequests(d);
        dialog.Sync(d);
        openAfterRequests = dialog.StillModal();
        // The 200 ms timer writes the row.
        for (int i = 0; i < 500 && progress.empty(); ++i) {
            Sleep(10);
            progress = ControlText(d, IDC_SAVE_PROGRESS);
        }
        dialog.SetDone();  // as the save thread does
    });
    EXPECT_TRUE(openAfterRequests);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::string(progress.size(), '>'), progress);
    EXPECT_FALSE(progress.empty());
}

TEST(DLG_SaveDatabase, SaveDoneBeforeTheDialogCameUpStillShowsAndEndsIt)
{
    DrivenDialog<DLG_SaveDatabase> dialog(nullptr);
    dialog.SetDone();
    EXPECT_EQ(IDOK, dialog.RunModal([](HWND) {}));
    EXPECT_TRUE(dialog.WasShown());
}

TEST(DLG_SaveDatabase, IsCreatableByClassName)
{
    CObject* object = RUNTIME_CLASS(DLG_SaveDatabase)->CreateObject();
    ASSERT_NE(nullptr, object);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CDialog)));
    delete object;
}

TEST(DLG_Statistics, ShowsTheTextReadOnly)
{
    DrivenDialog<DLG_Statistics> dialog(nullptr);
    // "Дисков всего: 2" and "Папок всего: 5" in code page 1251.
    dialog.m_text = "\xC4\xE8\xF1\xEA\xEE\xE2 \xE2\xF1\xE5\xE3\xEE: 2\r\n\xCF\xE0\xEF\xEE\xEA "
                    "\xE2\xF1\xE5\xE3\xEE: 5";
    std::string shown;
    bool readOnly = false;
    const INT_PTR result = dialog.RunModal([&](HWND d) {
        ASSERT_NE(nullptr, d);
        shown = ControlText(d, IDC_STATISTICS_TEXT);
        readOnly = (GetWindowLongPtrA(GetDlgItem(d, IDC_STATISTICS_TEXT), GWL_STYLE) &
                    ES_READONLY) != 0;
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::string(dialog.m_text), shown);
    EXPECT_TRUE(readOnly);
}

TEST(AboutDialog, VersionAndFonts)
{
    DrivenDialog<AboutDialog> dialog(nullptr);
    std::string version;
    LOGFONTA product = {}, home = {}, mail = {};
    const INT_PTR result = dialog.RunModal([&](HWND d) {
        ASSERT_NE(nullptr, d);
        version = ControlText(d, IDC_STATIC_VERSION);
        product = FontOf(d, IDC_ABOUT_PRODUCT);
        home = FontOf(d, IDC_ABOUT_HOMEPAGE);
        mail = FontOf(d, IDC_ABOUT_EMAIL);
        PostMessageA(d, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("\xC2\xE5\xF0\xF1\xE8\xFF: 1.16", version);  // "Версия: 1.16"
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_STREQ("Arial", product.lfFaceName);
    EXPECT_EQ(FW_BOLD, product.lfWeight);
    EXPECT_EQ(MulDiv(24, dpi, 72), std::abs(product.lfHeight));
    for (const LOGFONTA& lf : {home, mail}) {
        EXPECT_STREQ("Tahoma", lf.lfFaceName);
        EXPECT_EQ(FW_BOLD, lf.lfWeight);
        EXPECT_EQ(MulDiv(9, dpi, 72), std::abs(lf.lfHeight));
    }
}

TEST(AppCatalogShell, DialogsWorkThroughTheCatalogueInterfaces)
{
    AppCatalogShell shell;

    // The save thread ends the save dialog it only knows as a SaveWaitDialog.
    std::unique_ptr<SaveWaitDialog> save = shell.CreateSaveDialog();
    std::thread saver([&] {
        Sleep(100);
        save->SetDone();
    });
    EXPECT_EQ(IDOK, save->DoModal());
    saver.join();

    // The scanner finds the progress dialog's window while DoModal runs and reports to it.
    std::unique_ptr<ScanProgressDialog> progress = shell.CreateAddDiscProgressDialog();
    EXPECT_EQ(nullptr, progress->GetSafeHwnd());
    std::thread scanner([&] {
        HWND window = nullptr;
        for (int i = 0; i < 1000 && (window = progress->GetSafeHwnd()) == nullptr; ++i) Sleep(10);
        SendMessageA(window, kScanProgress, 1, 0);
        PostMessageA(window, kScanFinished, 0, 0);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, progress->DoModal());
    scanner.join();
    EXPECT_EQ(1, static_cast<AddDiscProgressDialog*>(progress.get())->GetFilesAdded());

    LoadingSplashStatus* splash = shell.CreateLoadingSplash();
    splash->Show();
    splash->SetStatusText("x");
    splash->Close();
    shell.DestroyLoadingSplash(splash);
}
