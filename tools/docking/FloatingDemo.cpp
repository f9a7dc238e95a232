// The docking demo's floating toolbar (see FloatingDemo.h).
#include "FloatingDemo.h"

#include <cstdio>

#include "DemoBars.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const UINT kNavigationBarId = 0xE803;
// Where the floating frame's top-left corner goes, in the frame's client area.
const int kFloatLeft = 430, kFloatTop = 330;
}  // namespace

std::unique_ptr<CZAVPToolBar> FloatDemoToolBar(CZAVPFrameWnd* pFrame)
{
    auto toolBar = std::make_unique<CZAVPToolBar>();
    if (!toolBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kNavigationBarId) ||
        !toolBar->LoadToolBar(IDR_NAVIGATION))
        return nullptr;
    DemoBar::SetUtf8Text(toolBar->GetSafeHwnd(), "Навигация");
    toolBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(toolBar.get(), 0xE81B);
    CRect rect(kFloatLeft, kFloatTop, kFloatLeft + 1, kFloatTop + 1);
    pFrame->ClientToScreen(rect);
    if (!toolBar->FloatControlBar(rect, ZAVP_DM_DBL_CLICK, TRUE)) return nullptr;
    return toolBar;
}

void PrintFloatingFrames(CZAVPFrameWnd* pFrame)
{
    const CObList& frames = pFrame->m_dockManager.GetMiniFrames();
    for (POSITION pos = frames.GetHeadPosition(); pos != nullptr;) {
        CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(frames.GetNext(pos));
        CWnd* pBar = pMiniFrame->GetControlBar();
        CRect rect;
        pMiniFrame->GetWindowRect(rect);
        pFrame->ScreenToClient(rect);
        std::printf("floating \"%s\" %u (%ld,%ld)-(%ld,%ld)%s\n",
                    (LPCSTR)pMiniFrame->GetCaptionText(),
                    pBar != nullptr ? (unsigned)pBar->GetDlgCtrlID() : 0u, rect.left, rect.top,
                    rect.right, rect.bottom, pMiniFrame->IsWindowVisible() ? "" : " hidden");
    }
}
