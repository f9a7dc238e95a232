// The colour picker built as a button bar: an automatic row, the palette's cells, the document
// colours under their title and an other-colour row (opening a colour dialog) with a preview
// cell. It lives in the colour drop-down popup, as a bar of its own or as a child control. The
// layout arithmetic is in ZAVPColorBarLayout; the drop-down button is CZAVPColorMenuButton.
#pragma once

#include <vector>

#include "framework/CArray.h"
#include "framework/CGdiObject.h"
#include "framework/CList.h"
#include "framework/CMap.h"
#include "ui/panes/ZAVPColorBarLayout.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"

class CColorButton;
class CZAVPColorMenuButton;

class CZAVPColorBar : public CZAVPPopupMenuBar
{
    DECLARE_SERIAL(CZAVPColorBar)
public:
    static const int kMaxStoredColors = 256;  // a stored palette longer than this is refused

    CZAVPColorBar();
    // The bar inside a colour popup (not standalone; document colours shown even when docked).
    CZAVPColorBar(const CArray<COLORREF, COLORREF>& colors, COLORREF color, LPCSTR lpszAutoText,
                  LPCSTR lpszOtherText, LPCSTR lpszDocColorsText,
                  const CList<COLORREF, COLORREF>& lstDocColors, int nColumns, int nRowsDockHorz,
                  int nColDockVert, COLORREF clrAutomatic, UINT uiCommandID, CWnd* pHost = nullptr);
    // A standalone copy (a torn-off popup).
    CZAVPColorBar(const CZAVPColorBar& src, UINT uiCommandID);
    ~CZAVPColorBar() override;

    // The toolbar archive, then columns, rows and columns docked, the automatic colour, the three
    // texts, the standalone flag, the command, the standard-dialog flag and the palette. A
    // palette count above 256, or one the bytes do not hold, fails the load and changes nothing.
    void Serialize(CArchive& ar) override;

    // The palette colours come from hPalette (null: the system's 20-entry default palette)
    // unless the bar has them already (loaded or copied).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, HPALETTE hPalette = nullptr,
                        int nColumns = 0, int nRowsDockHorz = 0, int nColDockVert = 0);
    virtual BOOL CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns = -1,
                               HPALETTE hPalette = nullptr);
    // The dialog for the other-colour row; TRUE and the colour on OK.
    virtual BOOL OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes);
    virtual void RebuildButtons();

    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_ColorSelected; }
    UINT GetCommandID() const { return m_nCommandID; }
    void SetCommandID(UINT uiCommandID) { m_nCommandID = uiCommandID; }
    BOOL IsStandalone() const { return m_bStandalone; }
    const CArray<COLORREF, COLORREF>& GetPaletteColors() const { return m_colors; }
    void SetTexts(LPCSTR lpszAutoText, LPCSTR lpszOtherText, LPCSTR lpszDocColorsText);
    void SetDocumentColors(const CList<COLORREF, COLORREF>& lstDocColors);
    void SetAutomaticColor(COLORREF clr) { m_ColorAutomatic = clr; }
    void EnableStandardDialog(BOOL bEnable) { m_bStdColorDlg = bEnable; }
    // The bar's palette selected into the DC at 8 bits per pixel (made on demand); the previous
    // one, null when none was selected.
    CPalette* SelectPalette(CDC* pDC);
    // What the layout works from: the buttons as items, and the size settings.
    std::vector<ZAVPColorBarLayout::Item> LayoutItems() const;
    ZAVPColorBarLayout::SizeInputs SizeInputsFor(BOOL bVertDock) const;
    // Cells filled to the client area, square and centred as asked.
    void FitToWindow(BOOL bSquare, BOOL bCentre);

    // The shared colour-name table tooltips read (nothing of the library adds to it).
    static BOOL GetColorName(COLORREF color, CString& strName);
    static CMap<COLORREF, COLORREF, CString, LPCSTR> m_ColorNames;

    // ---- toolbar slots
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;
    CSize CalcSize(BOOL bVertDock) override;
    void AdjustLocations() override;
    BOOL OnSendCommand(const CZAVPToolbarButton* pButton) override;
    BOOL OnKey(UINT nChar) override;
    void ShowCommandMessageString(UINT uiCmdId) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz) override;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    BOOL OnQueryNewPalette();
    void OnPaletteChanged(CWnd* pFocusWnd);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnDestroy();
    void OnMouseLeave();
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);

    void Construct(BOOL bStandalone);
    BOOL ShowsDocumentColors() const;
    BOOL IsDockedStandalone() const;
    void Deliver(COLORREF color, CZAVPColorMenuButton* pMenuButton);
    CZAVPColorMenuButton* PopupMenuButton() const;

    int m_nNumColumns;         // 0: chosen from the count
    int m_nNumRowsHorzDocked;  // 0: not set
    int m_nNumColumnsVertDocked;
    CArray<COLORREF, COLORREF> m_colors;  // the palette's colours
    CPalette m_Palette;                   // made from them at 8 bits per pixel only
    CSize m_BoxSize;                      // cell size
    int m_nRowHeight;                     // text-row height
    COLORREF m_ColorSelected;             // -1: automatic
    COLORREF m_ColorAutomatic;
    CString m_strAutoColor;
    CString m_strOtherColor;
    CString m_strDocColors;
    CList<COLORREF, COLORREF> m_lstDocColors;
    UINT m_nCommandID;  // 0 or -1: none
    BOOL m_bStdColorDlg;
    BOOL m_bIsEnabled;
    BOOL m_bStandalone;
    BOOL m_bShowDocColorsWhenDocked;
    CWnd* m_pWndParentBtn;             // a colour push-button hosting the bar: never set
    CWnd* m_pWndPropList;              // a property-grid field hosting the bar: never set
    int m_nHorzOffset, m_nVertOffset;  // centring offsets, set by control creation
    BOOL m_bInternal;                  // the bar itself changed the palette
    BOOL m_bMouseInCustomizeMode;      // always FALSE

    DECLARE_MESSAGE_MAP()
};
