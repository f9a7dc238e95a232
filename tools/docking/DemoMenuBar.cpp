// The docking demo's menu bar: a Russian menu like the catalogue's, given to the frame, whose
// menu bar then docks at the top. With LORNIVAL_DEMO_OPEN_MENU set, the first menu and one of its
// sub-menus open a second after start, for a screenshot of an open popup chain.
#include "DemoMenuBar.h"

#include <cstdlib>

#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
const UINT kOpenMenuTimer = 0x4D42;  // 'MB'
const UINT kOpenMenuDelay = 1000;    // ms after start

struct Item
{
    UINT id;  // 0: a separator; -1: the next items up to the end marker form a sub-menu
    const char* utf8Text;
};

void Append(HMENU hMenu, UINT uiFlags, UINT_PTR id, const char* lpszUtf8)
{
    wchar_t szText[128] = {};
    if (lpszUtf8 != nullptr) ::MultiByteToWideChar(CP_UTF8, 0, lpszUtf8, -1, szText, 127);
    ::AppendMenuW(hMenu, uiFlags, id, lpszUtf8 != nullptr ? szText : nullptr);
}

HMENU MakeDemoMenu()
{
    HMENU hRecent = ::CreatePopupMenu();
    Append(hRecent, MF_STRING, 33001, "Мои диски.dat");
    Append(hRecent, MF_STRING, 33002, "Архив 2006.dat");
    HMENU hFile = ::CreatePopupMenu();
    Append(hFile, MF_STRING, 32771, "&Добавить диск...\tCtrl+D");
    Append(hFile, MF_STRING, 32797, "&Сохранить БД\tCtrl+S");
    Append(hFile, MF_SEPARATOR, 0, nullptr);
    Append(hFile, MF_POPUP, (UINT_PTR)hRecent, "&Последние каталоги");
    Append(hFile, MF_SEPARATOR, 0, nullptr);
    Append(hFile, MF_STRING, 57665, "В&ыход");
    HMENU hEdit = ::CreatePopupMenu();
    Append(hEdit, MF_STRING, 32772, "&Новая папка");
    Append(hEdit, MF_STRING, 32773, "&Удалить\tDel");
    HMENU hView = ::CreatePopupMenu();
    Append(hView, MF_STRING | MF_CHECKED, 59392, "&Панель инструментов");
    Append(hView, MF_STRING | MF_CHECKED, 59393, "&Строка состояния");
    HMENU hHelp = ::CreatePopupMenu();
    Append(hHelp, MF_STRING, 57664, "&О программе...");
    HMENU hMenu = ::CreateMenu();
    Append(hMenu, MF_POPUP, (UINT_PTR)hFile, "&Файл");
    Append(hMenu, MF_POPUP, (UINT_PTR)hEdit, "&Правка");
    Append(hMenu, MF_POPUP, (UINT_PTR)hView, "&Вид");
    Append(hMenu, MF_POPUP, (UINT_PTR)hHelp, "&Справка");
    return hMenu;
}

CZAVPMenuBar* g_pMenuBar = nullptr;

// Opens the first menu and, from the keyboard, the sub-menu of its fourth item.
void CALLBACK OpenChain(HWND hwnd, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(hwnd, idEvent);
    if (g_pMenuBar == nullptr || g_pMenuBar->GetCount() == 0) return;
    g_pMenuBar->SetFocus();
    g_pMenuBar->GetButton(0)->OnClick(g_pMenuBar, FALSE);
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    if (pPopup == nullptr) return;
    for (UINT key : {VK_HOME, VK_DOWN, VK_DOWN, VK_RIGHT}) pPopup->SendMessage(WM_KEYDOWN, key);
}
}  // namespace

void AddDemoMenuBar(CZAVPFrameWnd* pFrame)
{
    // Nothing in the demo handles the commands: the items stay enabled all the same.
    pFrame->m_bAutoMenuEnable = FALSE;
    ::SetMenu(pFrame->GetSafeHwnd(), MakeDemoMenu());
    // The bar lives as long as the process; the frame's destruction takes its window.
    g_pMenuBar = new CZAVPMenuBar;
    if (!g_pMenuBar->Create(pFrame)) return;
    g_pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(g_pMenuBar, AFX_IDW_DOCKBAR_TOP);
    if (std::getenv("LORNIVAL_DEMO_OPEN_MENU") != nullptr)
        ::SetTimer(pFrame->GetSafeHwnd(), kOpenMenuTimer, kOpenMenuDelay, OpenChain);
}
