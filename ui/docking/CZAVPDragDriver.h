// The window side of a drag by the mouse: it holds the capture for the dragged window, gathers
// one input per event (cursor, left button, Ctrl, the dock site under the cursor as the dock
// manager's target rules find it) and feeds the drag session. The window that owns it applies
// each step through its float, dock and attach-as-tab operations.
#pragma once

#include <windows.h>

#include "framework/CRect.h"
#include "ui/docking/layout/DragSession.h"

class CWnd;
class CZAVPBaseControlBar;
class CZAVPDockManager;

class CZAVPDragDriver
{
public:
    CZAVPDragDriver();
    CZAVPDragDriver(const CZAVPDragDriver&) = delete;
    CZAVPDragDriver& operator=(const CZAVPDragDriver&) = delete;

    // Starts a drag of pDragged pressed at the cursor; pCaptureWnd takes the capture. With a dock
    // manager every event asks it where the dragged window would dock.
    void Begin(CWnd* pCaptureWnd, CWnd* pDragged, CZAVPDockManager* pManager,
               const DockLayout::DragSettings& settings);
    // One event: the input is gathered now, once. An ended drag lets the capture go.
    DockLayout::DragStep Feed(DockLayout::DragEvent event);
    // Ends a drag without an event (the window goes away); the capture goes.
    void Stop();

    BOOL IsActive() const { return m_session.IsActive(); }
    DockLayout::DragPhase GetPhase() const { return m_session.Phase(); }
    // Ctrl as the last event read it.
    BOOL IsCtrlHeld() const { return m_bCtrl; }
    // What the drag promises now: the kind, and the target bar (null for a side of the frame or
    // a target that has gone).
    DockLayout::DropKind GetShownKind() const { return m_session.Shown().kind; }
    CZAVPBaseControlBar* GetShownTarget() const;
    CRect GetShownRect() const { return m_session.Shown().rectDock; }

    // The one reading of Ctrl for the drags of the docking windows: the state that goes with the
    // message being handled.
    static BOOL IsCtrlDown();
    // The dock site for the dragged window (a bar or a mini frame) at a point; the target is
    // carried as its window handle.
    static DockLayout::DockSiteAnswer FindSite(CZAVPDockManager* pManager, CWnd* pDragged,
                                               CPoint pt);
    static CZAVPBaseControlBar* TargetOf(const DockLayout::DockSiteAnswer& site);

private:
    void ReleaseCapture();

    DockLayout::DragSession m_session;
    HWND m_hCapture;               // the window that took the capture for this drag
    HWND m_hDragged;               // the window dragged (asked about dock sites)
    CZAVPDockManager* m_pManager;  // null: no dock sites are looked for
    BOOL m_bCtrl;
};
