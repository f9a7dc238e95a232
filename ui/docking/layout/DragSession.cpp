// The rules of one drag by the mouse (see DragSession.h).
#include "ui/docking/layout/DragSession.h"

namespace DockLayout
{
namespace
{
const DockSiteAnswer kNoSite = {DropKind::None, nullptr, {0, 0, 0, 0}};

DragStep QuietStep(DragPhase phase, const RECT& rectLast, const DockSiteAnswer& shown)
{
    DragStep step = {};
    step.phase = phase;
    step.rectLast = rectLast;
    step.shown = shown;
    step.drop = kNoSite;
    return step;
}
}  // namespace

RECT DragHoldBox(POINT pt, SIZE sizeDrag)
{
    // Inside while |dx| < cx and |dy| < cy; a box's right and bottom edges lie outside it.
    return {pt.x - sizeDrag.cx + 1, pt.y - sizeDrag.cy + 1, pt.x + sizeDrag.cx, pt.y + sizeDrag.cy};
}

DragSession::DragSession(const DragSettings& settings) { Reset(settings); }

void DragSession::Reset(const DragSettings& settings)
{
    m_settings = settings;
    m_phase = DragPhase::Idle;
    m_ptPress = m_ptLast = {0, 0};
    m_rectLast = {0, 0, 0, 0};
    m_shown = kNoSite;
}

DragStep DragSession::Feed(const DragInput& input)
{
    if (input.event == DragEvent::Press) {
        if (IsActive()) return QuietStep(m_phase, m_rectLast, m_shown);
        m_phase = DragPhase::Pressed;
        m_ptPress = m_ptLast = input.ptCursor;
        m_rectLast = m_settings.rectFirst;
        m_shown = kNoSite;
        return QuietStep(m_phase, m_rectLast, m_shown);
    }
    if (!IsActive()) return QuietStep(m_phase, m_rectLast, m_shown);
    if (input.event == DragEvent::Escape || input.event == DragEvent::Cancel)
        return End(DragPhase::Cancelled, FALSE);

    BOOL bStarted = FALSE;
    if (m_phase == DragPhase::Pressed) {
        // A release before the drag started was a click.
        if (input.event == DragEvent::Release) return End(DragPhase::Idle, FALSE);
        // A press whose button went up unseen ends with the next event.
        if (m_settings.bWatchButton && !input.bButtonDown) return End(DragPhase::Cancelled, FALSE);
        if (::PtInRect(&m_settings.rectHold, input.ptCursor))
            return QuietStep(m_phase, m_rectLast, m_shown);
        if (!m_settings.bMayMove) return End(DragPhase::Cancelled, FALSE);
        m_phase = DragPhase::Moving;
        bStarted = TRUE;
    }
    DragStep step = Follow(input);
    step.bStarted = bStarted;
    if (input.event != DragEvent::Release) return step;
    // The drop is what the drag showed at the release point; an immediate drag docked (or did
    // not) on the way, and its release only ends it.
    DragStep end = End(DragPhase::Dropped, !m_settings.bImmediate);
    end.bStarted = bStarted;
    end.ptStep = step.ptStep;
    return end;
}

DragStep DragSession::Follow(const DragInput& input)
{
    const POINT pt = input.ptCursor;
    m_rectLast = m_settings.rectFirst;
    ::OffsetRect(&m_rectLast, pt.x - m_ptPress.x, pt.y - m_ptPress.y);
    DragStep step = QuietStep(m_phase, m_rectLast, kNoSite);
    step.ptStep = {pt.x - m_ptLast.x, pt.y - m_ptLast.y};
    m_ptLast = pt;
    m_shown = input.bCtrlDown ? kNoSite : input.site;
    step.shown = m_shown;
    if (m_settings.bImmediate) {
        // The window is where the cursor puts it: no outline, and a site on the way takes it at
        // once (the release itself docks nothing).
        if (m_shown.kind == DropKind::None || input.event == DragEvent::Release) return step;
        DragStep end = End(DragPhase::Dropped, TRUE);
        end.ptStep = step.ptStep;
        return end;
    }
    // Over a site that takes the window as a tab the tab preview stands for the outline.
    if (m_shown.kind != DropKind::AsTab) step.rectOutline = m_rectLast;
    return step;
}

DragStep DragSession::End(DragPhase phase, BOOL bDrop)
{
    m_phase = phase;
    DragStep step = QuietStep(phase, m_rectLast, m_shown);
    step.bEnded = TRUE;
    if (bDrop) step.drop = m_shown;
    return step;
}
}  // namespace DockLayout
