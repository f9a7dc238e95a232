// The toolbar button drag's source side (see CZAVPToolbarDropSource.h).
#include "ui/toolbars/CZAVPToolbarDropSource.h"

#include "framework/AfxResourceHandle.h"
#include "resources/UiLibraryResource.h"

namespace
{
const UINT kCursorDelete = IDC_ZAVP_DRAG_DELETE;
const UINT kCursorMove = IDC_ZAVP_DRAG_MOVE;
const UINT kCursorCopy = IDC_ZAVP_DRAG_COPY;
}  // namespace

CZAVPToolbarDropSource::CZAVPToolbarDropSource()
    : m_bDragLeft(TRUE), m_bEscapePressed(FALSE), m_bDragStarted(FALSE), m_hcurDelete(nullptr),
      m_hcurMove(nullptr), m_hcurCopy(nullptr), m_bOwnCursors{FALSE, FALSE, FALSE}
{
}

CZAVPToolbarDropSource::~CZAVPToolbarDropSource()
{
    HCURSOR cursors[3] = {m_hcurDelete, m_hcurMove, m_hcurCopy};
    for (int i = 0; i < 3; ++i)
        if (m_bOwnCursors[i] && cursors[i] != nullptr) ::DestroyCursor(cursors[i]);
}

CZAVPToolbarDropSource& CZAVPToolbarDropSource::Shared()
{
    static CZAVPToolbarDropSource source;
    return source;
}

void CZAVPToolbarDropSource::LoadCursors()
{
    if (m_hcurDelete != nullptr) return;
    // The library's own cursors; a program built without them shows the system's nearest.
    const struct
    {
        UINT uiId;
        LPCSTR lpszSystem;
        HCURSOR* phcur;
    } cursors[3] = {{kCursorDelete, IDC_NO, &m_hcurDelete},
                    {kCursorMove, IDC_ARROW, &m_hcurMove},
                    {kCursorCopy, IDC_ARROW, &m_hcurCopy}};
    for (int i = 0; i < 3; ++i) {
        *cursors[i].phcur = ::LoadCursorA(AfxGetResourceHandle(),
                                          MAKEINTRESOURCEA(cursors[i].uiId));
        m_bOwnCursors[i] = *cursors[i].phcur != nullptr;
        if (*cursors[i].phcur == nullptr)
            *cursors[i].phcur = ::LoadCursorA(nullptr, cursors[i].lpszSystem);
    }
}

BOOL CZAVPToolbarDropSource::OnBeginDrag(CWnd* pWnd)
{
    LoadCursors();
    m_bDragStarted = TRUE;
    m_bDragLeft = FALSE;
    m_bEscapePressed = FALSE;
    return COleDropSource::OnBeginDrag(pWnd);
}

SCODE CZAVPToolbarDropSource::GiveFeedback(DROPEFFECT dropEffect)
{
    LoadCursors();
    HCURSOR hcur = dropEffect == DROPEFFECT_COPY   ? m_hcurCopy
                   : dropEffect == DROPEFFECT_MOVE ? m_hcurMove
                                                   : m_hcurDelete;
    if (hcur == nullptr) return COleDropSource::GiveFeedback(dropEffect);
    ::SetCursor(hcur);
    return S_OK;
}

SCODE CZAVPToolbarDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (m_bDragLeft && m_hcurDelete != nullptr) ::SetCursor(m_hcurDelete);
    m_bEscapePressed = bEscapePressed;
    return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
}
