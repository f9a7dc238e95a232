// The icon editor's enlarged pixel grid (an owner-drawn button): the user paints the image with
// the current tool and colour; every change goes into the caller's bitmap at once.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CGdiObject.h"

class CZAVPIconEditorDlg;

class CZAVPIconPaintArea : public CButton
{
public:
    // Tool codes, in the order of the cursors.
    enum Tool
    {
        kPencil = 0,
        kFill = 1,
        kLine = 2,
        kRect = 3,
        kEllipse = 4,
        kColorPick = 5,
        kToolCount
    };

    explicit CZAVPIconPaintArea(CZAVPIconEditorDlg* pParent) : m_pParent(pParent) {}
    ~CZAVPIconPaintArea() override;

    void SetBitmap(CBitmap* pBitmap);
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    void SetMode(int nMode) { m_nMode = nMode; }
    int GetMode() const { return m_nMode; }
    CSize GetCellSize() const { return CSize(m_nCellWidth, m_nCellHeight); }
    // The rectangle of the dialog (its preview) repainted after every change.
    CRect m_rectParentPreviewArea;

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnDestroy();
    // The grid without its frame (client).
    CRect GridRect() const;
    CPoint PointToPixel(CPoint point) const;
    // Paints the pixel under the point on screen and in the bitmap.
    void DrawPixel(CPoint point);
    // Draws the rubber band of the current shape (R2_NOT: drawing it twice removes it).
    void DrawRubberBand(CPoint ptEnd);
    void OnBitmapChanged();

    CZAVPIconEditorDlg* m_pParent;
    COLORREF m_color = RGB(0, 0, 0);
    CPen m_penDraw;                // 1 pixel of the colour
    CPen m_penStretch;             // the rubber band: as wide as the smaller cell side
    CBitmap* m_pBitmap = nullptr;  // the dialog's (the caller's)
    int m_nBitmapWidth = 0;        // pixels
    int m_nBitmapHeight = 0;
    int m_nCellWidth = 0;  // screen pixels of one image pixel
    int m_nCellHeight = 0;
    int m_nMode = kPencil;
    HCURSOR m_hcurs[kToolCount] = {};
    CPoint m_ptStart = CPoint(-1, -1);  // image pixels of the drag
    CPoint m_ptEnd = CPoint(-1, -1);
    BOOL m_bDragging = FALSE;

    DECLARE_MESSAGE_MAP()
};
