// The small floating frame that carries a bar when it is not docked. Declared so far: the fields
// the drawing code and the global data read, and the class-wide redraw of every mini frame.
#pragma once

#include "framework/CWnd.h"
#include "ui/foundation/ZAVPSharedBarData.h"

class CZAVPMiniFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CZAVPMiniFrameWnd)
public:
    CZAVPMiniFrameWnd();

    // Window of the hosted bar (null when empty); the bar object is looked up from it each time.
    HWND GetHostedBarWnd() const { return m_hEmbeddedBar; }
    CWnd* GetControlBar() const { return CWnd::FromHandlePermanent(m_hEmbeddedBar); }
    // The frame window that the mini frame belongs to.
    HWND GetOwnerFrameWnd() const { return m_hParentWnd; }
    BOOL IsActive() const { return m_bActive; }
    // What the frame is about to dock onto while dragged: 0 none, 1 beside a bar, 2 as a tab.
    int GetDockingTargetKind() const { return m_nDockingTargetKind; }
    // Pinned: a rolled-up frame stays open; the hosted bar keeps the state while docked.
    BOOL GetPinState() const { return m_bPinned; }
    void SetPinState(BOOL bPinned) { m_bPinned = bPinned; }

    // Redraws every mini-frame window of the process after a visual change.
    static void RedrawAll()
    {
        CPtrList& frames = ZAVPSharedBarData::AllMiniFrames();
        for (POSITION pos = frames.GetHeadPosition(); pos != nullptr;)
            ::RedrawWindow((HWND)frames.GetNext(pos), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                               RDW_FRAME);
    }

protected:
    int m_bActive;             // the caption is drawn active
    HWND m_hEmbeddedBar;       // window of the hosted bar, 0 when empty
    int m_nDockingTargetKind;  // 0 none, 1 dock beside the target, 2 dock as a tab into it
    HWND m_hParentWnd;         // the frame window the mini frame belongs to
    BOOL m_bPinned;
};
