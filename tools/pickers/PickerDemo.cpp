// The picker demo: a library frame whose toolbar holds a calendar and a colour drop-down button,
// with a calendar and a colour bar created as controls in the frame, and one picker shown open for
// a few seconds (long enough for tools/picker-screenshot.sh to take a picture).
// Usage: picker_demo.exe <calendar|colors|dialog|custom> [seconds]
//   calendar  the calendar popup of the toolbar button
//   colors    the colour popup of the toolbar button
//   dialog    the colour dialog, page "Стандартный"
//   custom    the colour dialog, page "Другой"
#include <cstdlib>
#include <cstring>

#include "framework/CPropertySheet.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/panes/CPropertySheetCtrl.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/CZAVPCalendarMenuButton.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/panes/CZAVPColorDialog.h"
#include "ui/panes/CZAVPColorMenuButton.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const UINT kDateCommand = 40100, kColorCommand = 40200;
UINT_PTR g_nDialogTimer = 0;
int g_nSeconds = 5;
bool g_bCustomPage = false;

void Pump(DWORD ms)
{
    const DWORD dwEnd = ::GetTickCount() + ms;
    MSG msg;
    do {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
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

CZAVPColorDialog* g_pDialog = nullptr;

// Shows the chosen page, then ends the dialog after the demo's time.
void CALLBACK DialogTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    static int s_nTicks = 0;
    if (g_pDialog == nullptr || g_pDialog->GetSafeHwnd() == nullptr) return;
    if (s_nTicks++ == 0 && g_bCustomPage && g_pDialog->GetSheet() != nullptr)
        g_pDialog->GetSheet()->SetActivePage(1);
    if (s_nTicks > g_nSeconds * 5) {
        ::KillTimer(nullptr, nID);
        g_pDialog->EndDialog(IDCANCEL);
    }
}
}  // namespace

int main(int argc, char** argv)
{
    const char* lpszMode = argc > 1 ? argv[1] : "calendar";
    g_nSeconds = argc > 2 ? std::atoi(argv[2]) : 5;
    CWinApp app("PickerDemo");
    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    pFrame->m_bAutoMenuEnable = FALSE;
    if (!pFrame->Create(nullptr, "Lornival", WS_OVERLAPPEDWINDOW, CRect(20, 20, 720, 520)))
        return 1;
    ::SetWindowTextW(pFrame->GetSafeHwnd(), L"Lornival: pickers");
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);

    CZAVPToolBar toolBar;
    if (!toolBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800) ||
        !toolBar.LoadToolBar(IDR_MAINFRAME))
        return 2;
    CZAVPCalendarMenuButton* pDate = new CZAVPCalendarMenuButton;
    pDate->m_nID = kDateCommand;
    pDate->m_strText = Ansi(L"Дата");
    pDate->m_bText = TRUE;
    pDate->m_bImage = FALSE;
    toolBar.InsertButton(pDate, 0);
    CZAVPColorMenuButton* pColor = new CZAVPColorMenuButton(kColorCommand, Ansi(L"Цвет"));
    pColor->EnableAutomaticButton(Ansi(L"Автоматически"), RGB(0, 0, 0));
    pColor->EnableOtherButton(Ansi(L"Другие цвета..."));
    pColor->SetImage(0);
    pColor->SetColor(RGB(255, 0, 0), FALSE);
    toolBar.InsertButton(pColor, 1);
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&toolBar, 0xE81B);

    // A calendar and a colour bar as controls in the frame's client area.
    CZAVPCalendarBar calendar;
    calendar.CreateControl(pFrame, CRect(20, 70, 260, 290), 40300, TRUE);
    CZAVPColorBar colors;
    colors.CreateControl(pFrame, CRect(290, 70, 470, 230), 40400);
    colors.SetColor(RGB(0, 128, 128));

    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    toolBar.AdjustLayout();
    Pump(300);

    if (std::strcmp(lpszMode, "dialog") == 0 || std::strcmp(lpszMode, "custom") == 0) {
        g_bCustomPage = std::strcmp(lpszMode, "custom") == 0;
        CZAVPColorDialog dlg(RGB(70, 130, 180), pFrame);
        g_pDialog = &dlg;
        g_nDialogTimer = ::SetTimer(nullptr, 0, 200, DialogTimer);
        dlg.DoModal();
        g_pDialog = nullptr;
    } else {
        CZAVPToolbarMenuButton* pButton = std::strcmp(lpszMode, "colors") == 0
                                              ? static_cast<CZAVPToolbarMenuButton*>(pColor)
                                              : pDate;
        if (!pButton->OpenPopupMenu(&toolBar) || pButton->m_pPopupMenu == nullptr) return 3;
        Pump((DWORD)g_nSeconds * 1000);
    }

    if (::IsWindow(pFrame->GetSafeHwnd())) {
        if (CZAVPPopupMenu* pActive = CZAVPPopupMenu::GetActiveMenu())
            pActive->SendMessage(WM_CLOSE);
        calendar.DestroyWindow();
        colors.DestroyWindow();
        toolBar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    return 0;
}
