// The source side of a drag: feedback and whether to go on. Called by OLE drag and drop, which is
// off in this program; the defaults are those of the platform's drag loop.
#pragma once

#include <windows.h>
#include "framework/AfxOle.h"
#include "framework/CCmdTarget.h"

class CWnd;

class COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource() {}
    virtual BOOL OnBeginDrag(CWnd* pWnd);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
};
