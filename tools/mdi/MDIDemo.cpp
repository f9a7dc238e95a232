// The MDI demo: a library MDI frame with the catalogue's toolbar, a status bar and document tabs
// over three document frames (each with its own icon; the last one holds a toolbar docked inside
// it), shown for a few seconds (long enough for tools/mdi-screenshot.sh to take a
// picture). It prints the rectangles of the frame's client area, the tab strip and the MDI client.
// Usage: mdi_demo.exe [seconds]
#include <cstdio>
#include <cstdlib>

#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPMDIChildWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
void SetUtf8Text(HWND hWnd, const char* lpszUtf8)
{
    wchar_t szText[128] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, lpszUtf8, -1, szText, 127);
    ::SetWindowTextW(hWnd, szText);
}

void AppendUtf8(HMENU hMenu, UINT uFlags, UINT_PTR uID, const char* lpszUtf8)
{
    wchar_t szText[128] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, lpszUtf8, -1, szText, 127);
    ::AppendMenuW(hMenu, uFlags, uID, szText);
}

HMENU BuildMenu()
{
    HMENU hFile = ::CreatePopupMenu();
    AppendUtf8(hFile, MF_STRING, 32771, "&Добавить диск...");
    HMENU hWindow = ::CreatePopupMenu();
    AppendUtf8(hWindow, MF_STRING, ID_WINDOW_NEW, "&Новое окно");
    AppendUtf8(hWindow, MF_STRING, ID_WINDOW_CASCADE, "&Каскадом");
    AppendUtf8(hWindow, MF_STRING, ID_WINDOW_TILE_HORZ, "&Мозаикой");
    HMENU hMenu = ::CreateMenu();
    AppendUtf8(hMenu, MF_POPUP, (UINT_PTR)hFile, "&Файл");
    AppendUtf8(hMenu, MF_POPUP, (UINT_PTR)hWindow, "&Окно");
    return hMenu;
}

void PrintRect(const char* lpszName, HWND hWnd, CWnd* pFrame)
{
    CRect rect;
    ::GetWindowRect(hWnd, rect);
    pFrame->ScreenToClient(rect);
    std::printf("%s: %d,%d %dx%d\n", lpszName, (int)rect.left, (int)rect.top, rect.Width(),
                rect.Height());
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
    CWinApp app("MDIDemo");
    CZAVPMDIFrameWnd* pFrame = new CZAVPMDIFrameWnd;
    pFrame->m_bAutoMenuEnable = FALSE;
    if (!pFrame->Create(nullptr, "Lornival", WS_OVERLAPPEDWINDOW, CRect(40, 40, 840, 620)))
        return 1;
    SetUtf8Text(pFrame->GetSafeHwnd(), "Lornival: документы");
    app.m_pMainWnd = pFrame;
    pFrame->m_hMenuDefault = BuildMenu();
    pFrame->OnUpdateFrameMenu(nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->m_wndClientArea.EnableMDITabs(TRUE);

    CZAVPToolBar toolBar;
    if (!toolBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800) ||
        !toolBar.LoadToolBar(IDR_MAINFRAME))
        return 2;
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&toolBar, 0xE81B);
    CZAVPStatusBar statusBar;
    const UINT indicators[] = {0, IDS_INDICATOR_CAP, IDS_INDICATOR_NUM};
    if (!statusBar.Create(pFrame) || !statusBar.SetIndicators(indicators, 3)) return 3;
    pFrame->ShowWindow(SW_SHOW);

    // Three documents, cascaded, each with its own icon; the last (on top) docks a toolbar inside.
    const char* titles[] = {"Диски 2024", "Архив фото", "Музыка"};
    LPCSTR icons[] = {IDI_INFORMATION, IDI_WARNING, IDI_QUESTION};
    CZAVPToolBar childBar;
    for (int i = 0; i < 3; ++i) {
        CZAVPMDIChildWnd* pChild = new CZAVPMDIChildWnd;
        const int x = 16 + i * 40, y = 12 + i * 36;
        if (!pChild->Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                            CRect(x, y, x + 420, y + 260), pFrame))
            return 4;
        pChild->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)::LoadIcon(nullptr, icons[i]));
        SetUtf8Text(pChild->GetSafeHwnd(), titles[i]);
        if (i == 2) {
            pChild->EnableDocking(CBRS_ALIGN_ANY);
            if (!childBar.Create(pChild, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800) ||
                !childBar.LoadToolBar(IDR_MAINFRAME))
                return 5;
            pChild->DockControlBar(&childBar, 0xE81B);
            pChild->RecalcLayout();
        }
    }
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    Pump(300);

    RECT rectClient;
    pFrame->GetClientRect(&rectClient);
    std::printf("frame client: %dx%d\n", (int)rectClient.right, (int)rectClient.bottom);
    PrintRect("tabs", pFrame->m_wndClientArea.m_wndTab.GetSafeHwnd(), pFrame);
    PrintRect("mdi client", pFrame->m_hWndMDIClient, pFrame);
    std::printf("tab count: %d, active tab: %d\n", pFrame->m_wndClientArea.m_wndTab.GetTabsNum(),
                pFrame->m_wndClientArea.m_wndTab.GetActiveTab());

    Pump((DWORD)nSeconds * 1000);
    if (::IsWindow(pFrame->GetSafeHwnd())) {
        if (childBar.GetSafeHwnd() != nullptr) childBar.DestroyWindow();
        toolBar.DestroyWindow();
        statusBar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    return 0;
}
