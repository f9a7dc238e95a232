// A page of the outlook bar. Declared so far: its own background painting, which the bar
// background hands it when it has its own background.
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
