// A button of the colour bar: a colour cell, the automatic row, the other-colour row, the title
// of the document colours, or the preview cell of a custom colour after the other row.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPColorBar;

class CColorButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CColorButton)
public:
    CColorButton();
    CColorButton(COLORREF color, BOOL bIsAutomatic, BOOL bIsOther, LPCSTR lpszText, BOOL bHighlight,
                 BOOL bIsDocument, BOOL bIsCustomPreview);
    // A label (the document colours' title).
    CColorButton(LPCSTR lpszText, BOOL bIsDocument);

    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    // The text of a row; a cell's colour name, else "Hex={rr,gg,bb}".
    BOOL GetCustomToolTipText(CString& strToolTip) override;
    void CopyFrom(const CZAVPToolbarButton& src) override;

    // A colour cell: not the automatic, other or label row.
    BOOL IsCell() const { return !m_bIsAutomatic && !m_bIsOther && !m_bIsLabel; }

    COLORREF m_Color;   // -1 for the rows
    BOOL m_bHighlight;  // the selected mark
    BOOL m_bIsAutomatic;
    BOOL m_bIsOther;
    BOOL m_bIsLabel;
    BOOL m_bIsDocument;           // a document colour or the document title
    BOOL m_bIsCustomPreview;      // the preview cell after the other row
    CZAVPColorBar* m_pParentBar;  // null outside a colour bar

protected:
    void DrawEtched(CDC* pDC, const CRect& rect);
};
