// The pane demo: a library frame with a caption bar along its top (an icon, a message and a
// drop-down button), a tasks pane docked on its left with two pages of groups and tasks, and an
// outlook bar docked on its right with three pages of large buttons (the first one too long for
// the pane, so that it shows its scroll button), in the look named on the command line, shown
// for a few seconds (long enough for tools/panes-screenshot.sh to take a picture). With "pages"
// the outlook bar's second page is chosen as a click would choose it, sliding.
// Usage: pane_demo.exe [plain|xp|winxp|2003] [seconds] [docked|floating|pages]
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
#include "ui/panes/CZAVPOutlookBar.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/panes/CZAVPOutlookButton.h"
#include "ui/panes/CZAVPOutlookWnd.h"
#include "ui/panes/ZAVPOutlookCustomPages.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/panes/CZAVPTasksPane.h"

namespace
{
const UINT kCaptionBarId = 0xE840;
const UINT kTasksPaneId = 0xE841;
const UINT kOutlookBarId = 0xE842;
const UINT kImagesToolbarId = 0xE843;
const UINT kMainToolbarResource = 128;
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
    const bool bPages = argc > 3 && std::strcmp(argv[3], "pages") == 0;
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
    // Laid out by the frame first, along the whole top, before the panes dock.
    pFrame->AddControlBar(&captionBar);

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

    // The shared images the outlook buttons show: the program's main toolbar, loaded by a bar
    // that stays hidden.
    CZAVPToolBar images;
    if (images.Create(pFrame, WS_CHILD | CBRS_TOP, kImagesToolbarId))
        images.LoadToolBar(kMainToolbarResource);
    CZAVPOutlookBar outlook;
    if (!outlook.Create(Ansi(L"Разделы"), pFrame, CRect(0, 0, 170, 400), kOutlookBarId,
                        WS_CHILD | WS_VISIBLE | CBRS_RIGHT, ZAVP_CBRS_RESIZE))
        return 4;
    outlook.SetCaptionFollowsTab(TRUE);
    CZAVPOutlookBarPane pages[3];
    const wchar_t* pageNames[] = {L"Каталог", L"Поиск", L"Сервис"};
    const wchar_t* buttonNames[] = {L"Добавить диск", L"Создать папку",     L"Удалить",
                                    L"О программе",   L"Поиск по каталогу", L"Статистика"};
    const int buttonCounts[] = {6, 2, 3};
    for (int i = 0; i < 3; ++i) {
        if (!pages[i].Create(&outlook, CZAVPOutlookBarPane::kCustomPageStyle,
                             ZAVPOutlookCustomPages::kFirstId + (UINT)i, 0))
            return 5;
        for (int j = 0; j < buttonCounts[i]; ++j) {
            CZAVPOutlookButton* pButton = new CZAVPOutlookButton;
            pButton->m_nID = kFirstCommand + 10 + (UINT)(i * 10 + j);
            pButton->m_strText = Ansi(buttonNames[(i + j) % 6]);
            pButton->m_bText = TRUE;
            pButton->m_bImage = TRUE;
            pButton->SetImage(j % 4);
            pages[i].InsertButton(pButton);
        }
        outlook.AddPage(&pages[i], Ansi(pageNames[i]));
    }
    pages[1].SetBackColor(RGB(96, 128, 160));
    CZAVPOutlookWnd* pOutlookWnd = outlook.GetOutlookWnd();
    pOutlookWnd->SetActiveTab(0);
    pFrame->DockControlBar(&outlook);

    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    pane.AdjustScroll();
    pane.ReposTasks();
    pFrame->UpdateWindow();
    if (bPages) {
        // A click on the second page button: down and up on it, as the mouse would send them.
        Pump(500);
        CRect rectTab;
        pOutlookWnd->GetTabRect(1, rectTab);
        const CPoint pt = rectTab.CenterPoint();
        pOutlookWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        pOutlookWnd->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    Pump((DWORD)nSeconds * 1000);

    if (::IsWindow(pFrame->GetSafeHwnd())) {
        pane.DestroyWindow();
        outlook.DestroyWindow();
        images.DestroyWindow();
        captionBar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    return 0;
}
