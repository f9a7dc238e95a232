// The colour dialog's picker control, of one of five kinds: the swatch of the new and the current
// colour, the luminance bar, the hue/saturation field, the honeycomb and the grey row. It tells
// its parent of a change (BN_CLICKED) and, for kinds 2 to 4, of a double click.
#pragma once

#include "framework/CButton.h"
#include "framework/CGdiObject.h"
#include "framework/CObList.h"

class CZAVPColorCell;

class CZAVPColorPickerCtrl : public CButton
{
    DECLARE_DYNAMIC(CZAVPColorPickerCtrl)
public:
    enum Kind
    {
        Swatch = 0,
        LuminanceBar = 1,
        HueSaturation = 2,
        Hexagons = 3,
        Greys = 4
    };
    static const int kLuminanceBarWidth = 20;

    CZAVPColorPickerCtrl();
    ~CZAVPColorPickerCtrl() override;

    void SetType(int nKind) { m_nKind = nKind; }
    int GetType() const { return m_nKind; }
    void SetPalette(CPalette* pPalette) { m_pPalette = pPalette; }
    void SetOriginalColor(COLORREF color) { m_colorOriginal = color; }
    // The colour, and the hue, luminance and saturation from it.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_colorNew; }
    // Sets hue, luminance and saturation (0..1) and the colour from them.
    void SetHLS(double dblHue, double dblLum, double dblSat);
    void GetHLS(double* pHue, double* pLum, double* pSat) const;
    // The first cell showing the colour (snapped as the honeycomb is) becomes the selected one,
    // and the picker takes its colour; FALSE (nothing selected) when no cell shows it.
    BOOL SelectCellByColor(BYTE r, BYTE g, BYTE b);
    // The selected cell, -1 when none; the number of cells once laid out.
    int GetSelectedCell() const { return m_iSelected; }
    int GetCellCount() const { return (int)m_cells.GetCount(); }
    const CZAVPColorCell* GetCell(int i) const;
    // The cell under the client point, -1 when none.
    int CellFromPoint(CPoint point);

protected:
    void PreSubclassWindow() override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);

    // Lays the honeycomb or the grey row out over the client area (once, while there are none).
    void EnsureCells();
    void RemoveCells();
    void Draw(CDC* pDC, const CRect& rect);
    void DrawHueSaturation(CDC* pDC, const CRect& rect);
    void DrawLuminanceBar(CDC* pDC, const CRect& rect);
    // The marker's rectangle for the current values.
    CRect MarkerRect() const;
    // Moves the values to the point (bar and field) and tells the parent.
    void TrackTo(CPoint point);
    void Notify(UINT nCode);

    int m_nKind;               // Kind
    double m_dblHue;           // 0..1
    double m_dblLum;           // 0..1, 0.5 at construction
    double m_dblSat;           // 0..1
    COLORREF m_colorNew;       // the selected colour
    COLORREF m_colorOriginal;  // shown by the swatch under the new one
    int m_nLumBarWidth;
    CPalette* m_pPalette;  // not owned
    CObList m_cells;       // owned CZAVPColorCell objects (kinds 3 and 4)
    int m_iSelected;       // selected cell, -1
    CBitmap m_bmpHueSat;   // the hue/saturation field, made once per size
    CSize m_sizeHueSat;
    BOOL m_bTracking;

    DECLARE_MESSAGE_MAP()
};
