// The small buttons of a tab window's row (home, scroll left and right, end, close): library
// buttons whose background and border the visual manager draws as tab-row buttons.
#pragma once

#include "ui/toolbars/CZAVPButton.h"

class CZAVPBaseTabWnd;

class TabScrollButton : public CZAVPButton
{
public:
    TabScrollButton() = default;

protected:
    void OnFillBackground(CDC* pDC, const CRect& rectClient) override;
    void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) override;

private:
    CZAVPBaseTabWnd* ParentTabWnd() const;
};
