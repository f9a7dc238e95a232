// The chevron item at the bottom of a personalised popup menu: it shows the rarely used items too,
// at once when clicked or after twice the menu show delay when the pointer rests on it.
#pragma once

#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CZAVPShowAllButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CZAVPShowAllButton)
public:
    CZAVPShowAllButton() = default;

    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    BOOL OpenPopupMenu(CWnd* pWnd = nullptr) override { return OnClick(pWnd, FALSE); }
    // "Раскрыть (Ctrl+Down)" in a newly allocated string that the tooltip relay frees.
    int HitTestToolTip(CWnd* pWnd, TOOLINFOA* pTI) const override;

    // The tooltip text: string 16025 with the name of Ctrl+Down.
    static CString ToolTipText();
};
