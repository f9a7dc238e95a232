// The library's owner-drawn dialog button: images per state or a standard glyph, hover
// highlighting, check-box and radio behaviour, auto-repeat while held, its own tooltip (also when
// the text is cut), font and colours. The tab window's scroll buttons derive from it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CButton.h"
#include "framework/CRect.h"
#include "framework/CSize.h"
#include "framework/CString.h"

class CDC;
class CToolTipCtrl;

// How a button's window style reads: text alignment and check behaviour.
struct ZAVPButtonKind
{
    enum Align
    {
        AlignLeft = 0,
        AlignRight = 1,
        AlignCenter = 2,
    };
    int nAlign;         // Align
    BOOL bCheckButton;  // BS_CHECKBOX or BS_AUTOCHECKBOX
    BOOL bRadioButton;  // BS_RADIOBUTTON or BS_AUTORADIOBUTTON
    BOOL bAutoCheck;    // the AUTO kinds: a click changes the check itself

    static ZAVPButtonKind FromStyle(DWORD dwStyle);
};

class CZAVPButton : public CButton
{
    DECLARE_DYNAMIC(CZAVPButton)
public:
    CZAVPButton();
    ~CZAVPButton() override;

    BOOL IsPushed() const { return m_bPushed; }
    BOOL IsHighlighted() const { return m_bHighlighted; }
    BOOL IsChecked() const { return m_bChecked; }
    BOOL IsCheckBox() const { return m_bCheckButton; }
    BOOL IsRadio() const { return m_bRadioButton; }
    int GetAlignment() const { return m_nAlignStyle; }
    CSize GetImageSize() const { return m_sizeImage; }

    // Images of the unchecked (or, with bChecked, the checked) set; without a disabled bitmap one
    // is made from the normal image. bAutoDestroy deletes the given bitmaps afterwards.
    void SetImage(HBITMAP hbmpImage, BOOL bAutoDestroy = TRUE, HBITMAP hbmpHot = nullptr,
                  BOOL bMap3dColors = TRUE, BOOL bChecked = FALSE, HBITMAP hbmpDisabled = nullptr);
    void SetImage(HICON hIcon, HICON hIconHot = nullptr, HICON hIconDisabled = nullptr);
    // A glyph of the library's menu glyph strip instead of an image.
    void SetStdImage(int nGlyph, BOOL bColorGlyph = FALSE, int nGlyphDisabled = -1);
    // Adds, changes or (with empty text) removes the tooltip.
    void SetTooltip(LPCSTR lpszToolTipText);
    void SetAutoRepeatDelay(int nMilliseconds);
    void SetTextColor(COLORREF clrText) { m_clrText = clrText; }
    void SetTextHotColor(COLORREF clrTextHot) { m_clrHover = clrTextHot; }
    void SetFaceColor(COLORREF clrFace) { m_clrFace = clrFace; }
    // The tooltip text currently set (the full text of a cut caption included).
    const CString& GetTooltip() const { return m_strToolTip; }

    virtual void CleanUp();
    virtual CSize SizeToContent(BOOL bCalcOnly = FALSE);

    BOOL m_bTransparent;       // paint the parent's background
    BOOL m_bHighlightChecked;  // a checked button gets the highlighted fill
    BOOL m_bGrayDisabled;      // embossed text when disabled
    BOOL m_bDrawFocus;
    BOOL m_bOnDownCommand;  // WM_COMMAND as soon as the button goes down
    BOOL m_bRightImage;     // the image column on the right
    BOOL m_bHoverTracking;  // highlight while the mouse is over the button

protected:
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient);
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);
    virtual void OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags,
                            UINT uiState);
    virtual HBITMAP CreateDisabledImage(HBITMAP hbmp);
    virtual HFONT SelectFont(CDC* pDC);

    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnKillFocus(CWnd* pNewWnd);
    void OnEnable(BOOL bEnable);
    void OnTimer(UINT_PTR nIDEvent);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnGetCheck(WPARAM, LPARAM);
    LRESULT OnSetCheck(WPARAM fCheck, LPARAM);
    LRESULT OnSetFont(WPARAM hFont, LPARAM bRedraw);
    LRESULT OnGetFont(WPARAM, LPARAM);

    // Checks a radio and unchecks the other library radios of its dialog group.
    void CheckRadio();
    // The image list for the state: checked set first when checked, each falling back.
    HIMAGELIST ImagesFor(BOOL bDisabled, BOOL bHot) const;
    void ReleaseMouse();
    void Repaint();

    BOOL m_bPushed;          // held down by the mouse
    BOOL m_bClickiedInside;  // the press began on the button
    BOOL m_bHighlighted;     // under the mouse
    BOOL m_bCaptured;        // the button holds the mouse capture
    BOOL m_bMouseInside;
    BOOL m_bChecked;
    BOOL m_bCheckButton;
    BOOL m_bRadioButton;
    BOOL m_bAutoCheck;
    int m_nAlignStyle;  // ZAVPButtonKind::Align
    CSize m_sizeImage;
    // Normal, hot and disabled images of the unchecked [0] and checked [1] sets.
    HIMAGELIST m_Image[2];
    HIMAGELIST m_ImageHot[2];
    HIMAGELIST m_ImageDisabled[2];
    int m_nStdImageId;          // menu glyph, -1: none
    int m_nStdImageDisabledId;  // -1: the glyph drawn grey
    BOOL m_bColorGlyph;
    CToolTipCtrl* m_pToolTip;
    CString m_strToolTip;        // the text set by the caller, or the cut caption
    BOOL m_bCutTextToolTip;      // the tooltip shows the cut caption
    BOOL m_bRecheckCutText;      // measure the caption at the next paint (set on every resize)
    COLORREF m_clrText;          // -1: the system button text
    COLORREF m_clrHover;         // -1: no hover colour
    COLORREF m_clrFace;          // -1: the system button face
    HFONT m_hFont;               // null: DEFAULT_GUI_FONT
    int m_nAutoRepeatTimeDelay;  // 0: no auto-repeat

    DECLARE_MESSAGE_MAP()
};
