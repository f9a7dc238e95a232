// A caption button of a docking pane or mini frame (close, pin, menu): a plain object holding its
// state and position that its owner lays out, hit-tests and has drawn by the visual manager.
#pragma once

#include "framework/CObject.h"
#include "framework/CRect.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManager.h"

class CZAVPTitleButton : public CObject
{
public:
    // Border between the glyph and the button's edge, in pixels, on every side.
    static const int kCaptionButtonBorder = 2;

    CZAVPTitleButton() = default;
    CZAVPTitleButton(UINT nHit, BOOL bLeftAlign) : m_nHit(nHit), m_bLeftAlign(bLeftAlign) {}

    // The common size of every caption button: the look's extra border, one menu glyph and the
    // caption-button border twice in each direction.
    static CSize GetSize()
    {
        CZAVPMenuGlyphs::Initialize();
        const CSize extra = CZAVPVisualManager::GetInstance()->GetCaptionButtonExtraBorder();
        const CSize glyph = CZAVPMenuGlyphs::GetSize();
        return CSize(extra.cx + glyph.cx + 2 * kCaptionButtonBorder,
                     extra.cy + glyph.cy + 2 * kCaptionButtonBorder);
    }
    CRect GetRect() const
    {
        const CSize size = m_bHidden ? CSize(0, 0) : GetSize();
        return CRect(m_ptOrg.x, m_ptOrg.y, m_ptOrg.x + size.cx, m_ptOrg.y + size.cy);
    }
    UINT GetHitTest() const { return m_nHit; }
    // Nothing while hidden; else the visual manager draws it, disabled when the owner says so or
    // when the button is not enabled.
    virtual void OnDraw(CDC* pDC, BOOL bActive, BOOL bHorz, BOOL bMaximized, BOOL bDisabled)
    {
        if (m_bHidden) return;
        CZAVPVisualManager::GetInstance()->OnDrawCaptionButton(
            pDC, this, bActive, bHorz, bMaximized, bDisabled || !m_bEnabled, -1);
    }

    BOOL m_bPushed = FALSE;   // the left button went down on it and is still down
    BOOL m_bFocused = FALSE;  // the mouse is over it
    BOOL m_bHidden = FALSE;   // not shown and not hit-tested
    BOOL m_bEnabled = TRUE;
    COLORREF m_clrForeground = (COLORREF)-1;  // glyph colour set by the owner while drawing
    UINT m_nHit = 0;                          // WM_NCHITTEST answer: 19/20 close, 9 pin, 25 menu
    BOOL m_bLeftAlign = FALSE;                // sits at the left end of the caption
    CPoint m_ptOrg = CPoint(0, 0);            // top-left corner in the owner's window coordinates
};
