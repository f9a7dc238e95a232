// The small arrow buttons of the outlook window: library buttons whose background and border
// are those of an outlook page button, so that they sit in a page button's row unnoticed.
#pragma once

#include "ui/toolbars/CZAVPButton.h"

class CZAVPOutlookArrowButton : public CZAVPButton
{
public:
    CZAVPOutlookArrowButton();

protected:
    void OnFillBackground(CDC* pDC, const CRect& rectClient) override;
    void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) override;
};
