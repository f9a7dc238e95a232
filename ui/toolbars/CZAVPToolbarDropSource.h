// The source side of dragging a toolbar button, shared by every toolbar: whether the pointer has
// left a toolbar, whether Esc ended the drag, whether a drag really started, and the three
// cursors (remove, move, copy) its feedback shows.
#pragma once

#include "framework/COleDropSource.h"

class CZAVPToolbarDropSource : public COleDropSource
{
public:
    CZAVPToolbarDropSource();
    ~CZAVPToolbarDropSource() override;

    // The one object every toolbar drags with.
    static CZAVPToolbarDropSource& Shared();

    BOOL OnBeginDrag(CWnd* pWnd) override;
    SCODE GiveFeedback(DROPEFFECT dropEffect) override;
    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override;

    BOOL m_bDragLeft;       // the pointer left a toolbar: a drop now would remove the button
    BOOL m_bEscapePressed;  // the last answer of QueryContinueDrag saw Esc
    BOOL m_bDragStarted;    // the drag went past its start rectangle

private:
    void LoadCursors();

    HCURSOR m_hcurDelete;   // 16133: the drop removes the button
    HCURSOR m_hcurMove;     // 16146
    HCURSOR m_hcurCopy;     // 16004
    BOOL m_bOwnCursors[3];  // loaded from the resources (destroyed with the object)
};
