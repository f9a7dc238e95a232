// The pane demo: a library frame with a caption bar along its top (an icon, a message and a
// drop-down button) and a tasks pane docked on its left with two pages of groups and tasks, in
// the look named on the command line, shown for a few seconds (long enough for
// tools/panes-screenshot.sh to take a picture).
// Usage: pane_demo.exe [plain|xp|winxp|2003] [seconds] [floating]
#include <cstdlib>
#include <cstring>
#include <memory>

#include "framework/CWinApp.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPVisualManager2003.h"
#include "ui/foundation/CZAVPVisualManagerXP.h"
#include "ui/foundation/CZAVPWinXPVisualManager.h"
#include "ui/panes/CZAVPCaptionBar.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/panes/CZAVPTasksPane.h"

namespace
{
const UINT kCaptionBarId = 0xE840;
const UINT kTasksPaneId = 0xE841;
const UINT kFirstCommand = 40500;

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

CRuntimeClass* LookNamed(const char* lpszName)
{
    if (std::strcmp(lpszName, "xp") == 0) return RUNTIME_CLASS(CZAVPVisualManagerXP);
    if (std::strcmp(lpszName, "winxp") == 0) return RUNTIME_CLASS(CZAVPWinXPVisualManager);
    if (std::strcmp(lpszName, "2003") == 0) return RUNTIME_CLASS(CZAVPVisualManager2003);
    return RUNTIME_CLASS(CZAVPVisualManager);
}
}  // namespace

int main(int argc, char** argv)
{
    const char* lpszLook = argc > 1 ? argv[1] : "plain";
    const int nSeconds = argc > 2 ? std::atoi(argv[2]) : 5;
    const bool bFloating = argc > 3 && std::strcmp(argv[3], "floating") == 0;
    CWinApp app("PaneDemo");
    std::unique_ptr<CObject> look(LookNamed(lpszLook)->CreateObject());

    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    pFrame->m_bAutoMenuEnable = FALSE;
    if (!pFrame->Create(nullptr, "Lornival", WS_OVERLAPPEDWINDOW, CRect(20, 20, 720, 540)))
        return 1;
    ::SetWindowTextW(pFrame->GetSafeHwnd(), L"Lornival: panes");
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);

    CZAVPCaptionBar captionBar;
    captionBar.m_strMessage = Ansi(L"Каталог открыт только для чтения.");
    captionBar.m_strBtnText = Ansi(L"Подробнее");
    captionBar.m_uiBtnID = kFirstCommand;
    captionBar.m_nBtnAlignment = ZAVPCaptionBarLayout::AlignRight;
    captionBar.m_hIcon = ::LoadIconA(nullptr, (LPCSTR)IDI_INFORMATION);
    if (!captionBar.Create(WS_CHILD | WS_VISIBLE, pFrame, kCaptionBarId)) return 2;
    captionBar.SetWindowPos(nullptr, 0, 0, 700, captionBar.CalcHeight(),
                            SWP_NOZORDER | SWP_NOACTIVATE);

    CZAVPTasksPane pane;
    if (!pane.Create(nullptr, pFrame, CRect(0, 0, 230, 400), TRUE, kTasksPaneId,
                     WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_FLOAT_MULTI))
        return 3;
    pane.EnableDocking(CBRS_ALIGN_ANY);
    pane.AddPage(Ansi(L"Поиск"));
    CZAVPTasksGroup* pDiscs = pane.AddGroup(0, Ansi(L"Диски"), FALSE, TRUE);
    pDiscs->AddTask(Ansi(L"Добавить диск..."), -1, kFirstCommand + 1);
    pDiscs->AddTask(Ansi(L"Создать папку"), -1, kFirstCommand + 2);
    pDiscs->AddTask(Ansi(L"Удалить"), -1, kFirstCommand + 3);
    CZAVPTasksGroup* pView = pane.AddGroup(0, Ansi(L"Отображение"));
    pView->AddTask(Ansi(L"Статистика..."), -1, kFirstCommand + 4);
    pView->AddTask(Ansi(L"Только надпись без команды"), -1, 0);
    CZAVPTasksGroup* pCollapsed = pane.AddGroup(0, Ansi(L"Свёрнутая группа"));
    pCollapsed->AddTask(Ansi(L"Не видна"), -1, kFirstCommand + 5);
    pCollapsed->m_bIsCollapsed = TRUE;
    CZAVPTasksGroup* pBottom = pane.AddGroup(0, Ansi(L"Подробности"), TRUE);
    pBottom->AddTask(Ansi(L"Внизу панели"), -1, 0);
    pane.AddGroup(1, Ansi(L"Поиск"))->AddTask(Ansi(L"Найти..."), -1, kFirstCommand + 6);
    pFrame->DockControlBar(&pane);
    if (bFloating) pane.FloatControlBar(CRect(300, 120, 540, 480), ZAVP_DM_UNKNOWN, TRUE);

    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    pane.AdjustScroll();
    pane.ReposTasks();
    pFrame->UpdateWindow();
    Pump((DWORD)nSeconds * 1000);

    if (::IsWindow(pFrame->GetSafeHwnd())) {
        pane.DestroyWindow();
        captionBar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    return 0;
}
