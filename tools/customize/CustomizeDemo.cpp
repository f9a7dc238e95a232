// The customisation demo: a library frame with a menu bar and the catalogue's two toolbars, the
// keyboard and user-tools managers of a program that offers them, and the customisation sheet
// opened on one page (or one of its dialogs) for a few seconds, long enough for
// tools/customize-screenshot.sh to take a picture.
// Usage: customize_demo.exe <page> [seconds]
//   commands toolbars tools keyboard menu options   a page of the sheet
//   appearance                                       the button appearance dialog
//   icon                                             the icon editor
#include <cstdlib>
#include <cstring>

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPButtonAppearanceDlg.h"
#include "ui/toolbars/CZAVPIconEditorDlg.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/ZAVPIconBitmap.h"

namespace
{
int g_nSeconds = 5;
CDialog* g_pDialog = nullptr;

void Pump(DWORD ms)
{
    const DWORD dwEnd = ::GetTickCount() + ms;
    MSG msg;
    do {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (CWnd* pSheet = CZAVPToolbarCustomize::GetCurrent())
                if (pSheet->PreTranslateMessage(&msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(20);
    } while (::GetTickCount() < dwEnd);
}

// Russian text for the ANSI calls (the demo's sources are UTF-8).
CString Ansi(const wchar_t* lpszText)
{
    char szAnsi[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, lpszText, -1, szAnsi, sizeof szAnsi, nullptr, nullptr);
    return CString(szAnsi);
}

// Ends the demo's dialog after its time.
void CALLBACK DialogTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    static int s_nTicks = 0;
    if (g_pDialog == nullptr || g_pDialog->GetSafeHwnd() == nullptr) return;
    if (++s_nTicks > g_nSeconds * 5) {
        ::KillTimer(nullptr, nID);
        g_pDialog->EndDialog(IDCANCEL);
    }
}

int PageOf(const char* lpszMode)
{
    static const char* const kPages[] = {"commands", "toolbars", "tools",
                                         "keyboard", "menu",     "options"};
    for (int i = 0; i < 6; ++i)
        if (std::strcmp(lpszMode, kPages[i]) == 0) return i;
    return -1;
}
}  // namespace

int main(int argc, char** argv)
{
    const char* lpszMode = argc > 1 ? argv[1] : "commands";
    g_nSeconds = argc > 2 ? std::atoi(argv[2]) : 5;
    CWinApp app("CustomizeDemo");
    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    pFrame->m_bAutoMenuEnable = FALSE;
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenuW(hFile, MF_STRING, ID_ADD_DISC, L"&Добавить диск...\tCtrl+D");
    ::AppendMenuW(hFile, MF_STRING, ID_NEW_FOLDER, L"&Создать папку");
    ::AppendMenuW(hFile, MF_STRING, ID_DELETE_ITEM, L"&Удалить");
    ::AppendMenuW(hMenu, MF_POPUP, (UINT_PTR)hFile, L"&Файл");
    HMENU hGo = ::CreatePopupMenu();
    ::AppendMenuW(hGo, MF_STRING, ID_GO_BACK, L"&Назад");
    ::AppendMenuW(hGo, MF_STRING, ID_GO_FORWARD, L"&Вперёд");
    ::AppendMenuW(hGo, MF_STRING, ID_FIND, L"&Поиск...");
    ::AppendMenuW(hMenu, MF_POPUP, (UINT_PTR)hGo, L"&Переход");
    if (!pFrame->Create(nullptr, "Lornival", WS_OVERLAPPEDWINDOW, CRect(10, 10, 610, 430)))
        return 1;
    ::SetWindowTextW(pFrame->GetSafeHwnd(), L"Lornival: настройка");
    ::SetMenu(pFrame->GetSafeHwnd(), hMenu);
    pFrame->m_hMenuDefault = hMenu;
    ACCEL accel = {FVIRTKEY | FCONTROL, 'D', ID_ADD_DISC};
    pFrame->m_hAccelTable = ::CreateAcceleratorTableA(&accel, 1);
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);

    CZAVPKeyboardManager keyboard;
    g_pKeyboardManager = &keyboard;
    CZAVPUserToolsManager tools(41000, 41001, 41010, RUNTIME_CLASS(CZAVPUserTool));
    g_pUserToolsManager = &tools;
    if (CZAVPUserTool* pTool = tools.CreateNewTool()) {
        pTool->m_strLabel = Ansi(L"Блокнот");
        pTool->SetCommand("notepad.exe");
    }

    CZAVPMenuBar menuBar;
    CZAVPToolBar mainBar, navBar;
    if (!menuBar.Create(pFrame)) return 2;
    if (!mainBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, 0xE800) ||
        !mainBar.LoadToolBar(IDR_MAINFRAME))
        return 3;
    if (!navBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, 0xE806) ||
        !navBar.LoadToolBar(IDR_NAVIGATION))
        return 4;
    ::SetWindowTextW(mainBar.GetSafeHwnd(), L"Стандартная");
    ::SetWindowTextW(navBar.GetSafeHwnd(), L"Навигация");
    menuBar.EnableDocking(CBRS_ALIGN_ANY);
    mainBar.EnableDocking(CBRS_ALIGN_ANY);
    navBar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&menuBar);
    pFrame->DockControlBar(&mainBar);
    pFrame->DockControlBar(&navBar);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    Pump(300);

    if (std::strcmp(lpszMode, "appearance") == 0 || std::strcmp(lpszMode, "icon") == 0) {
        CZAVPToolBar::SetCustomizeMode(TRUE);
        CZAVPToolbarButton button(ID_ADD_DISC, -1, Ansi(L"Добавить диск\tCtrl+D"));
        button.m_bText = TRUE;
        button.m_bImage = TRUE;
        const CSize sizeImage = CZAVPToolBar::m_sizeImage;
        CBitmap bitmap;
        {
            CClientDC dc(pFrame);
            bitmap.CreateCompatibleBitmap(&dc, sizeImage.cx, sizeImage.cy);
        }
        ZAVPIconBitmap::Fill((HBITMAP)bitmap.GetSafeHandle(), ::GetSysColor(COLOR_BTNFACE));
        ZAVPIconBitmap::DrawShape((HBITMAP)bitmap.GetSafeHandle(), RECT{2, 2, 13, 12}, TRUE,
                                  RGB(0, 0, 128));
        ZAVPIconBitmap::FloodFill((HBITMAP)bitmap.GetSafeHandle(), POINT{7, 7}, RGB(255, 255, 0));
        ::SetTimer(nullptr, 0, 200, DialogTimer);
        if (std::strcmp(lpszMode, "icon") == 0) {
            CZAVPIconEditorDlg dlg(&bitmap, pFrame, -1);
            g_pDialog = &dlg;
            dlg.DoModal();
        } else {
            CZAVPButtonAppearanceDlg dlg(&button, nullptr, pFrame, 0, FALSE);
            g_pDialog = &dlg;
            dlg.DoModal();
        }
        g_pDialog = nullptr;
        CZAVPToolBar::SetCustomizeMode(FALSE);
    } else {
        auto* pSheet = new CZAVPToolbarCustomize(pFrame, TRUE, 0x02 | 0x04);
        if (!pSheet->Create()) return 5;
        const int iPage = PageOf(lpszMode);
        if (iPage >= 0) pSheet->SetActivePage(iPage);
        Pump((DWORD)g_nSeconds * 1000);
        if (CZAVPToolbarCustomize* pOpen = CZAVPToolbarCustomize::GetCurrent())
            pOpen->SendMessage(WM_COMMAND, IDCANCEL);
        Pump(100);
    }

    g_pUserToolsManager = nullptr;
    g_pKeyboardManager = nullptr;
    if (::IsWindow(pFrame->GetSafeHwnd())) {
        navBar.DestroyWindow();
        mainBar.DestroyWindow();
        menuBar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    return 0;
}
