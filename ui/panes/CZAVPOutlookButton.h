// The large button of an outlook pane: an image with its label below (or beside it on a
// horizontal pane), centred in the pane's column, framed by the look when hot, pressed or
// checked. It may be dropped only onto another outlook pane.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPOutlookBarPane;

class CZAVPOutlookButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPOutlookButton)
public:
    // Space around the image and the text.
    static constexpr int kContentMargin = 5;
    static constexpr int kTextExtra = 10;

    CZAVPOutlookButton();
    ~CZAVPOutlookButton() override;

    BOOL CanBeDropped(CZAVPToolBar* pToolbar) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    // Only the index: an outlook button's image is its own, not its command's.
    void SetImage(int iImage) override;

    CZAVPOutlookBarPane* GetPane() const { return m_pWndParentBar; }
    BOOL IsTextFits() const { return m_bIsWholeText; }

    int m_nMinWidth;  // 0 until the pane's layout sets it
    int m_nMinHeight;

protected:
    CZAVPOutlookBarPane* m_pWndParentBar;  // the pane the button sits on, null elsewhere
    BOOL m_bIsWholeText;                   // the label fits: drawn wrapped, not cut
};
