// The docking demo: a library frame with a toolbar, a status bar and bars docked in rows on all
// four sides, shown for a few seconds (long enough for tools/docking-screenshot.sh to take a
// picture); it prints the layout dump and the rule check. The main toolbar is customisable (F9
// switches customisation mode). Usage: docking_demo.exe [seconds] [customize|chevron]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "DemoBars.h"
#include "DemoCustomize.h"
#include "DemoPanes.h"
#include "DemoTabs.h"
#include "FloatingDemo.h"
#include "DemoMenuBar.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/layout/DockLayoutDump.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
struct BarSpec
{
    const char* name;
    int length, thickness;
    UINT dockBarId;  // the edge
    int x, y;        // where in the frame's client area it is dropped; -1: a row of its own
};

// Two rows at the top, one at the bottom, two on the left, one on the right.
const BarSpec kBars[] = {
    {"Стандартная", 180, 26, 0xE81B, -1, -1}, {"Формат", 140, 26, 0xE81B, 200, 2},
    {"Поиск", 120, 26, 0xE81B, 360, 2},       {"Вид", 160, 30, 0xE81B, -1, -1},
    {"Диски", 110, 30, 0xE81B, 190, 30},      {"Состояние", 220, 22, 0xE81E, -1, -1},
    {"Прогресс", 150, 22, 0xE81E, 260, 570},  {"Папки", 150, 28, 0xE81C, -1, -1},
    {"Файлы", 120, 28, 0xE81C, 2, 260},       {"Метки", 130, 26, 0xE81C, -1, -1},
    {"Свойства", 160, 34, 0xE81D, -1, -1},    {"Заметки", 120, 34, 0xE81D, 760, 280},
};
}  // namespace

int main(int argc, char** argv)
{
    const int nSeconds = argc > 1 ? std::atoi(argv[1]) : 5;
    const char* lpszLook = argc > 2 ? argv[2] : nullptr;
    // The chevron look: a frame too narrow for the main toolbar's buttons.
    const bool bNarrow = lpszLook != nullptr && std::strcmp(lpszLook, "chevron") == 0;
    CWinApp app("DockingDemo");
    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    if (!pFrame->Create(nullptr, "Lornival", WS_OVERLAPPEDWINDOW,
                        CRect(40, 40, bNarrow ? 300 : 840, 660)))
        return 1;
    DemoBar::SetUtf8Text(pFrame->GetSafeHwnd(), "Lornival: стыковка панелей");
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    AddDemoMenuBar(pFrame);

    // The catalogue's main toolbar in a row of its own at the top, and the status bar.
    CZAVPToolBar toolBar;
    if (!toolBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800) ||
        !toolBar.LoadToolBar(IDR_MAINFRAME))
        return 3;
    DemoCustomize customize;
    if (!AddCustomizeDemo(pFrame, toolBar, customize)) return 7;
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&toolBar, 0xE81B);
    CZAVPStatusBar statusBar;
    const UINT indicators[] = {0, IDS_INDICATOR_CAP, IDS_INDICATOR_NUM, IDS_INDICATOR_SCRL};
    if (!statusBar.Create(pFrame) || !statusBar.SetIndicators(indicators, 4)) return 4;

    std::vector<std::unique_ptr<DemoBar>> bars;
    UINT nID = 200;
    for (const BarSpec& def : kBars) {
        auto bar = std::make_unique<DemoBar>(def.length, def.thickness);
        if (!bar->CreateIn(pFrame, def.name, nID++)) return 2;
        if (def.x < 0) {
            pFrame->DockControlBar(bar.get(), def.dockBarId);
        } else {
            const bool bHorz = def.dockBarId == 0xE81B || def.dockBarId == 0xE81E;
            CRect rect(def.x, def.y, def.x + (bHorz ? def.length : def.thickness),
                       def.y + (bHorz ? def.thickness : def.length));
            pFrame->ClientToScreen(rect);
            pFrame->DockControlBar(bar.get(), def.dockBarId, rect);
        }
        bars.push_back(std::move(bar));
    }
    std::vector<std::unique_ptr<CZAVPDockingControlBar>> panes;
    if (!AddDemoPanes(pFrame, panes)) return 5;
    if (!AddDemoTabbedPane(pFrame, panes)) return 6;
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    const std::unique_ptr<CZAVPToolBar> floating = FloatDemoToolBar(pFrame);
    const std::unique_ptr<CZAVPDockingControlBar> floatingPane = FloatDemoPane(pFrame);

    const DockLayout::LayoutSnapshot snapshot = pFrame->m_dockManager.Snapshot();
    std::fputs(DockLayout::DumpLayout(snapshot).c_str(), stdout);
    for (const std::string& fault : DockLayout::CheckLayout(snapshot))
        std::printf("fault: %s\n", fault.c_str());
    PrintFloatingFrames(pFrame);
    ShowCustomizeLook(toolBar, lpszLook);

    const DWORD dwEnd = ::GetTickCount() + (DWORD)nSeconds * 1000;
    MSG msg;
    while (::GetTickCount() < dwEnd && ::IsWindow(pFrame->GetSafeHwnd())) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (HandleCustomizeKey(msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(20);
    }
    CZAVPToolBar::SetCustomizeMode(FALSE);
    for (auto& pane : panes)
        if (pane->GetSafeHwnd() != nullptr) pane->DestroyWindow();
    if (::IsWindow(pFrame->GetSafeHwnd())) pFrame->DestroyWindow();
    return 0;
}
