// The menu demo: a library frame whose toolbar has a "Файл" menu button; the button's popup and
// one sub-menu are opened with an item highlighted and shown for a few seconds (long enough for
// tools/menu-screenshot.sh to take a picture of the chain and its shadows).
// Usage: menu_demo.exe [seconds]
#include <cstdlib>

#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
const UINT kMenuButtonId = (UINT)-1;

void AppendUtf8(HMENU hMenu, UINT uFlags, UINT_PTR uID, const char* lpszUtf8)
{
    wchar_t szText[128] = {};
    if (lpszUtf8 != nullptr) ::MultiByteToWideChar(CP_UTF8, 0, lpszUtf8, -1, szText, 127);
    ::AppendMenuW(hMenu, uFlags, uID, lpszUtf8 != nullptr ? szText : nullptr);
}

HMENU BuildFileMenu()
{
    HMENU hRecent = ::CreatePopupMenu();
    AppendUtf8(hRecent, MF_STRING, 301, "&1 Диски 2024.dat");
    AppendUtf8(hRecent, MF_STRING | MF_CHECKED, 302, "&2 Архив фото.dat");
    AppendUtf8(hRecent, MF_STRING, 303, "&3 Музыка.dat");
    HMENU hMenu = ::CreatePopupMenu();
    AppendUtf8(hMenu, MF_STRING, 32771, "&Добавить диск...\tCtrl+D");
    AppendUtf8(hMenu, MF_STRING, 32772, "&Новая папка");
    AppendUtf8(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendUtf8(hMenu, MF_POPUP, (UINT_PTR)hRecent, "&Последние базы");
    AppendUtf8(hMenu, MF_STRING | MF_GRAYED, 32797, "&Сохранить БД\tCtrl+S");
    AppendUtf8(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendUtf8(hMenu, MF_STRING, 57665, "В&ыход");
    ::SetMenuDefaultItem(hMenu, 32771, FALSE);
    return hMenu;
}

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
}  // namespace

int main(int argc, char** argv)
{
    const int nSeconds = argc > 1 ? std::atoi(argv[1]) : 5;
    CWinApp app("MenuDemo");
    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    pFrame->m_bAutoMenuEnable = FALSE;
    if (!pFrame->Create(nullptr, "Lornival", WS_OVERLAPPEDWINDOW, CRect(40, 40, 740, 540)))
        return 1;
    ::SetWindowTextW(pFrame->GetSafeHwnd(), L"Lornival: \x043C\x0435\x043D\x044E");
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);

    CZAVPToolBar toolBar;
    if (!toolBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800) ||
        !toolBar.LoadToolBar(IDR_MAINFRAME))
        return 2;
    HMENU hMenu = BuildFileMenu();
    CZAVPToolbarMenuButton* pFile = new CZAVPToolbarMenuButton(kMenuButtonId, hMenu, -1);
    ::DestroyMenu(hMenu);
    wchar_t szFile[] = L"&\x0424\x0430\x0439\x043B";  // "&Файл"
    char szAnsi[16] = {};
    ::WideCharToMultiByte(CP_ACP, 0, szFile, -1, szAnsi, sizeof szAnsi, nullptr, nullptr);
    pFile->m_strText = szAnsi;
    pFile->m_bText = TRUE;
    pFile->m_bImage = FALSE;
    toolBar.InsertButton(pFile, 0);
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&toolBar, 0xE81B);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    toolBar.AdjustLayout();
    Pump(300);

    // The menu, then its "recent" sub-menu with the second entry highlighted.
    if (!pFile->OpenPopupMenu(&toolBar) || pFile->m_pPopupMenu == nullptr) return 3;
    CZAVPPopupMenu* pPopup = pFile->m_pPopupMenu;
    Pump(200);
    for (int i = 0; i < 3; ++i) pPopup->SendMessage(WM_KEYDOWN, VK_DOWN);
    pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT);
    if (CZAVPPopupMenu* pSub = CZAVPPopupMenu::GetActiveMenu())
        if (pSub != pPopup) pSub->SendMessage(WM_KEYDOWN, VK_DOWN);

    Pump((DWORD)nSeconds * 1000);
    if (::IsWindow(pFrame->GetSafeHwnd())) {
        if (CZAVPPopupMenu* pActive = CZAVPPopupMenu::GetActiveMenu())
            pActive->SendMessage(WM_CLOSE);
        toolBar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    return 0;
}
