// The source side of a drag: the platform's default answers.
#include "framework/COleDropSource.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

BOOL COleDropSource::OnBeginDrag(CWnd*) { return TRUE; }

SCODE COleDropSource::GiveFeedback(DROPEFFECT) { return DRAGDROP_S_USEDEFAULTCURSORS; }

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed) return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & (MK_LBUTTON | MK_RBUTTON))) return DRAGDROP_S_DROP;  // the button went up
    return S_OK;
}
