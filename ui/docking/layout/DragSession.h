// One drag of a bar or a floating frame by the mouse, as plain data: the phase it is in, the
// outline it shows, what the outline promises (dock beside a target, join it as a tab, nothing)
// and the drop. The window side gathers one input per event (cursor, button, Ctrl, the dock site
// under the cursor) and applies each step; the rules of the drag live here, so the outline and
// the drop are decided by the same answer.
#pragma once

#include <windows.h>

namespace DockLayout
{
enum class DragPhase
{
    Idle,      // no press, or a press released before the drag started (a click)
    Pressed,   // pressed; the cursor has not left the hold box yet
    Moving,    // the window or its outline follows the cursor
    Dropped,   // released (or, when immediate, docked on the way)
    Cancelled  // Esc, a lost capture, or a press that may not start a drag
};

// What a dock site takes the dragged window as. The values are those the visual manager and the
// mini frames have always used for the target kind.
enum class DropKind
{
    None = 0,
    Beside = 1,  // docks beside the target bar, or on a side of the frame (no target)
    AsTab = 2    // joins the target as a tab
};

enum class DragEvent
{
    Press,
    Move,
    CtrlChange,  // Ctrl went down or up with the cursor standing still
    Release,
    Escape,
    Cancel  // the capture went elsewhere
};

// The dock site under the cursor, as the window side's target rules found it.
struct DockSiteAnswer
{
    DropKind kind;
    const void* pTarget;  // the target bar, only compared here; null for a side of the frame
    RECT rectDock;        // screen: where the dragged window would go
};

struct DragInput
{
    DragEvent event;
    POINT ptCursor;  // screen
    BOOL bButtonDown;
    BOOL bCtrlDown;  // read once for the event; held Ctrl keeps every dock site off
    DockSiteAnswer site;
};

struct DragSettings
{
    BOOL bImmediate;    // the window itself follows and docks as soon as it is over a site
    BOOL bMayMove;      // FALSE: leaving the hold box ends the press without a drag
    BOOL bWatchButton;  // a press whose button is seen up before the drag started ends
    RECT rectHold;      // screen: the drag starts when the cursor leaves it
    RECT rectFirst;     // screen: the outline when the drag starts, for the cursor at the press
};

struct DragStep
{
    DragPhase phase;
    BOOL bStarted;         // this event started the drag
    BOOL bEnded;           // the drag is over: the capture goes
    RECT rectOutline;      // the outline to show now; empty for none (immediate, tab preview)
    RECT rectLast;         // where the outline stands (kept at the end for the drop)
    POINT ptStep;          // immediate: how far the window follows for this event
    DockSiteAnswer shown;  // what the drag promises now
    DockSiteAnswer drop;   // dock now as this; kind None for nothing
};

class DragSession
{
public:
    explicit DragSession(const DragSettings& settings = DragSettings());

    // A new drag with these settings; the session waits for its press.
    void Reset(const DragSettings& settings);
    DragStep Feed(const DragInput& input);

    DragPhase Phase() const { return m_phase; }
    BOOL IsActive() const { return m_phase == DragPhase::Pressed || m_phase == DragPhase::Moving; }
    const DockSiteAnswer& Shown() const { return m_shown; }

private:
    DragStep Follow(const DragInput& input);
    DragStep End(DragPhase phase, BOOL bDrop);

    DragSettings m_settings;
    DragPhase m_phase;
    POINT m_ptPress;  // screen
    POINT m_ptLast;   // screen: the cursor at the last event
    RECT m_rectLast;  // screen: the outline now
    DockSiteAnswer m_shown;
};

// A hold box of the system's drag size around a point: the cursor leaves it once it has moved
// cx or more across, or cy or more up or down.
RECT DragHoldBox(POINT pt, SIZE sizeDrag);
}  // namespace DockLayout
