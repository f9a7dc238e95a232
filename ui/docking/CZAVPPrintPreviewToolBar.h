// The print preview's flat toolbar: the library's toolbar with the preview's commands, placed on
// the preview's own bar and known to the frame's dock manager while it exists. It offers no
// context menu.
#pragma once

#include "ui/toolbars/CZAVPToolBar.h"

class CZAVPPrintPreviewToolBar : public CZAVPToolBar
{
    DECLARE_DYNAMIC(CZAVPPrintPreviewToolBar)
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

protected:
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
