// The commands page's list: every entry is a prototype button drawn as the commands list draws
// it; a press on the selected entry starts dragging a copy of the button towards a toolbar or a
// menu, where the toolbar's own drop handling takes it.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CListBox.h"
#include "framework/COleDropSource.h"

class CZAVPToolbarButton;

class CZAVPCommandDragList : public CListBox
{
public:
    // Drops the entry's button on the toolbar under the screen point as a finished drag would;
    // the effect (DROPEFFECT_NONE when no toolbar took it).
    DROPEFFECT DropItemAt(int iItem, CPoint ptScreen);

    int m_nMinItemWidth = 0;   // pixels; menu image width + 6
    int m_nMinItemHeight = 0;  // menu image height + 6

protected:
    void PreSubclassWindow() override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    // The drag of a button out of the list: a capture loop inside the process (OLE is not
    // started in this program); the effect it ended with.
    DROPEFFECT RunDrag(CZAVPToolbarButton* pButton, CPoint ptStartScreen);

    DECLARE_MESSAGE_MAP()
};
