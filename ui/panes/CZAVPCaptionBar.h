// The caption bar: a full-width strip with an image, a message text and one button that sends a
// command, each aligned left, right or centre. The arithmetic is in ZAVPCaptionBarLayout; the
// colours and borders come from the visual manager. The program only restores one from saved
// state, so nothing here sets the content beyond the fields themselves.
#pragma once

#include "framework/CString.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/panes/ZAVPCaptionBarLayout.h"

class CDC;

class CZAVPCaptionBar : public CZAVPControlBar
{
    DECLARE_SERIAL(CZAVPCaptionBar)
public:
    CZAVPCaptionBar();
    ~CZAVPCaptionBar() override;

    // The bar as a child of its frame, docked along the top.
    BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT uID, int nHeight = -1);
    using CZAVPControlBar::Create;

    // ---- drawing slots
    virtual void OnDrawBackground(CDC* pDC, CRect rect);
    virtual void OnDrawBorder(CDC* pDC, CRect rect);
    virtual void OnDrawText(CDC* pDC, CRect rect, const CString& strText);
    virtual void OnDrawImage(CDC* pDC, CRect rect);
    virtual void OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bDropDown);

    // ---- overrides
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void RecalcLayout() override;
    void AdjustLayout() override;

    // The height the bar asks for (the forced height, else from the font and the image).
    int CalcHeight();
    // The image shown: the icon's size, else image 0 of the strip, else 0 x 0.
    CSize GetImageSize() const;
    BOOL HasButtonArrow() const { return m_uiBtnID != 0 && m_bBtnHasDropDownArrow; }
    CRect GetButtonRect() const { return m_rectButton; }
    CRect GetImageRect() const { return m_rectImage; }
    CRect GetTextRect() const { return m_rectText; }
    CRect GetDrawTextRect() const { return m_rectDrawText; }
    BOOL IsButtonHot() const { return m_bIsBtnHighlighted; }
    BOOL IsButtonPressed() const { return m_bIsBtnPressed; }

    COLORREF m_clrBarText;        // -1: the visual manager's caption-bar text colour
    COLORREF m_clrBarBackground;  // -1: the visual manager's default
    COLORREF m_clrBarBorder;      // -1: the visual manager's default border
    HICON m_hIcon;                // not owned
    CZAVPImageStrip m_Bitmap;     // image 0 shown when there is no icon
    BOOL m_bStretchImage;         // the image takes the bar height less the margins
    int m_nBmpAlignment;          // ZAVPCaptionBarLayout::Alignment
    HFONT m_hFont;                // from WM_SETFONT; null: the library's default font
    CString m_strMessage;
    int m_nMessageAlignment;
    CString m_strBtnText;  // empty: no button
    UINT m_uiBtnID;        // 0: the button sends nothing and ignores the mouse
    int m_nBtnAlignment;
    BOOL m_bIsBtnForcePressed;    // drawn like pressed; nothing in the bar sets it
    BOOL m_bBtnHasDropDownArrow;  // the button reacts to the mouse and shows a triangle
    int m_nBorderSize;            // top and bottom non-client strips
    int m_nMargin;
    int m_nHorzElementOffset;  // between elements
    int m_nDefaultHeight;      // -1: computed
    BOOL m_bFlatBorder;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysColorChange() {}
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The owner, else the parent: where the button's command and the context request go.
    CWnd* CommandTarget() const;
    void RedrawButton();

    CRect m_rectImage;
    CRect m_rectText;      // as laid out
    CRect m_rectDrawText;  // after giving way to the image and the button
    CRect m_rectButton;
    BOOL m_bIsBtnPressed;
    BOOL m_bIsBtnHighlighted;
    BOOL m_bTracked;       // mouse-leave tracking runs
    int m_nCurrentHeight;  // the last computed height
    int m_nReserved;       // -1; read by nothing
};
