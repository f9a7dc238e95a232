// The outlook window's arrow buttons (see the header).
#include "ui/panes/CZAVPOutlookArrowButton.h"

#include "ui/foundation/CZAVPVisualManager.h"

CZAVPOutlookArrowButton::CZAVPOutlookArrowButton()
{
    // The look of a flat button that lights up under the mouse.
    m_bHoverTracking = TRUE;
    m_bDrawFocus = FALSE;
}

void CZAVPOutlookArrowButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    CRect rect = rectClient;
    COLORREF clrText = (COLORREF)-1;
    CZAVPVisualManager::GetInstance()->OnFillOutlookPageButton(pDC, rect, IsHighlighted(),
                                                               IsPushed(), clrText);
}

void CZAVPOutlookArrowButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT)
{
    CZAVPVisualManager::GetInstance()->OnDrawOutlookPageButtonBorder(pDC, rectClient,
                                                                     IsHighlighted(), IsPushed());
}
