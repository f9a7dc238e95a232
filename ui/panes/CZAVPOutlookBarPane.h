// A page of the outlook bar, declared only for the look, which hands a page with a background of
// its own the painting of its work area. It has no body yet (no constructor, no run-time record,
// no painting): no page can be made, and the look's test for one never holds until the outlook
// bar is built.
#pragma once

#include "ui/toolbars/CZAVPToolBar.h"

class CDC;

class CZAVPOutlookBarPane : public CZAVPToolBar
{
    DECLARE_SERIAL(CZAVPOutlookBarPane)
public:
    CZAVPOutlookBarPane();

    virtual void OnEraseWorkArea(CDC* pDC, CRect rectWorkArea);
    BOOL HasOwnBackground() const { return m_bHasOwnBackground; }

protected:
    BOOL m_bHasOwnBackground;
};
