// The hidden docking bar behind temporary tabs (see CZAVPGlobalDockingBar.h).
#include "ui/docking/CZAVPGlobalDockingBar.h"

IMPLEMENT_DYNCREATE(CZAVPGlobalDockingBar, CZAVPDockingControlBar)

CZAVPGlobalDockingBar& CZAVPGlobalDockingBar::Instance()
{
    // Never deleted: a destructor run at exit would meet a window map that is already gone.
    static CZAVPGlobalDockingBar* s_pInstance = new CZAVPGlobalDockingBar;
    return *s_pInstance;
}

CZAVPGlobalDockingBar* CZAVPGlobalDockingBar::EnsureWindow(CWnd* pFrame)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr) return nullptr;
    CZAVPGlobalDockingBar& bar = Instance();
    if (bar.GetSafeHwnd() != nullptr && !::IsWindow(bar.GetSafeHwnd())) bar.Detach();
    if (bar.GetSafeHwnd() == nullptr) {
        // Never shown, never docked and never in the dock manager's lists: it only lends its
        // window to a tab while a drag shows one.
        if (!bar.Create("", pFrame, CRect(0, 0, 0, 0), FALSE, kControlId,
                        WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN))
            return nullptr;
    } else if (::GetParent(bar.GetSafeHwnd()) != pFrame->GetSafeHwnd()) {
        bar.ShowWindow(SW_HIDE);
        bar.SetParent(pFrame);
    }
    return &bar;
}
