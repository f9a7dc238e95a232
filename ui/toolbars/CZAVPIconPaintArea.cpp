// The icon editor's pixel grid (see the header).
#include "ui/toolbars/CZAVPIconPaintArea.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/toolbars/CZAVPIconEditorDlg.h"
#include "ui/toolbars/ZAVPIconBitmap.h"
#include "ui/toolbars/ZAVPIconEditorMath.h"

BEGIN_MESSAGE_MAP(CZAVPIconPaintArea, CButton)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_SETCURSOR()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CZAVPIconPaintArea::~CZAVPIconPaintArea()
{
    for (HCURSOR& hcur : m_hcurs)
        if (hcur != nullptr) ::DestroyCursor(hcur);
}

void CZAVPIconPaintArea::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
    static const UINT kCursorIds[kToolCount] = {IDC_ZAVP_ICON_PENCIL,  IDC_ZAVP_ICON_FILL,
                                                IDC_ZAVP_ICON_LINE,    IDC_ZAVP_ICON_RECT,
                                                IDC_ZAVP_ICON_ELLIPSE, IDC_ZAVP_ICON_PICK};
    for (int i = 0; i < kToolCount; ++i)
        if (m_hcurs[i] == nullptr)
            m_hcurs[i] = (HCURSOR)::LoadImageA(AfxGetResourceHandle(),
                                               MAKEINTRESOURCEA(kCursorIds[i]), IMAGE_CURSOR, 0, 0,
                                               LR_DEFAULTSIZE);
}

void CZAVPIconPaintArea::OnDestroy() { Default(); }

CRect CZAVPIconPaintArea::GridRect() const
{
    CRect rect;
    GetClientRect(rect);
    rect.DeflateRect(1, 1);
    return rect;
}

void CZAVPIconPaintArea::SetBitmap(CBitmap* pBitmap)
{
    m_pBitmap = pBitmap;
    if (pBitmap == nullptr || pBitmap->GetSafeHandle() == nullptr) {
        m_nBitmapWidth = m_nBitmapHeight = m_nCellWidth = m_nCellHeight = 0;
        return;
    }
    const SIZE sizeImage = ZAVPIconBitmap::GetSize((HBITMAP)pBitmap->GetSafeHandle());
    m_nBitmapWidth = sizeImage.cx;
    m_nBitmapHeight = sizeImage.cy;
    CRect rectClient;
    GetClientRect(rectClient);
    const SIZE sizeCell = ZAVPIconEditorMath::CellSize(
        SIZE{rectClient.Width(), rectClient.Height()}, sizeImage);
    m_nCellWidth = sizeCell.cx;
    m_nCellHeight = sizeCell.cy;
    m_penStretch.DeleteObject();
    m_penStretch.CreatePen(PS_SOLID, std::min(m_nCellWidth, m_nCellHeight), globalData.clrBtnText);
}

void CZAVPIconPaintArea::SetColor(COLORREF color)
{
    m_color = color;
    m_penDraw.DeleteObject();
    m_penDraw.CreatePen(PS_SOLID, 1, color);
}

CPoint CZAVPIconPaintArea::PointToPixel(CPoint point) const
{
    const POINT pt = ZAVPIconEditorMath::PointToPixel(point, SIZE{m_nCellWidth, m_nCellHeight},
                                                      SIZE{m_nBitmapWidth, m_nBitmapHeight});
    return CPoint(pt.x, pt.y);
}

void CZAVPIconPaintArea::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rectClient(lpDIS->rcItem);
    pDC->FillSolidRect(rectClient, globalData.clrBtnFace);
    pDC->Draw3dRect(rectClient, globalData.clrBtnDkShadow, globalData.clrBtnHilite);
    const CRect rectGrid = GridRect();
    if (m_pBitmap == nullptr || m_nCellWidth == 0) return;

    CPen penGrid(PS_SOLID, 1, globalData.clrBtnShadow);
    CPen* pOldPen = pDC->SelectObject(&penGrid);
    for (int x = rectGrid.left; x <= rectGrid.right; x += m_nCellWidth) {
        pDC->MoveTo(x, rectGrid.top);
        pDC->LineTo(x, rectGrid.bottom);
    }
    for (int y = rectGrid.top; y <= rectGrid.bottom; y += m_nCellHeight) {
        pDC->MoveTo(rectGrid.left, y);
        pDC->LineTo(rectGrid.right, y);
    }
    pDC->SelectObject(pOldPen);

    const HBITMAP hbm = (HBITMAP)m_pBitmap->GetSafeHandle();
    HDC hdcMem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
    for (int x = 0; x < m_nBitmapWidth; ++x) {
        for (int y = 0; y < m_nBitmapHeight; ++y) {
            const COLORREF color = CZAVPImageStrip::MapFromSysColor(::GetPixel(hdcMem, x, y), TRUE);
            if (color == (COLORREF)-1) continue;
            CRect rectCell(x * m_nCellWidth + rectGrid.left, y * m_nCellHeight + rectGrid.top, 0,
                           0);
            rectCell.right = rectCell.left + m_nCellWidth;
            rectCell.bottom = rectCell.top + m_nCellHeight;
            rectCell.DeflateRect(1, 1, 0, 0);
            pDC->FillSolidRect(rectCell, color);
        }
    }
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
}

void CZAVPIconPaintArea::OnBitmapChanged()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (m_pParent != nullptr && m_pParent->GetSafeHwnd() != nullptr)
        m_pParent->InvalidateRect(m_rectParentPreviewArea, TRUE);
}

void CZAVPIconPaintArea::DrawPixel(CPoint point)
{
    const CPoint ptPixel = PointToPixel(point);
    const CRect rectGrid = GridRect();
    CRect rectCell(ptPixel.x * m_nCellWidth + rectGrid.left,
                   ptPixel.y * m_nCellHeight + rectGrid.top, 0, 0);
    rectCell.right = rectCell.left + m_nCellWidth;
    rectCell.bottom = rectCell.top + m_nCellHeight;
    rectCell.DeflateRect(1, 1, 0, 0);
    {
        CClientDC dc(this);
        dc.FillSolidRect(rectCell, m_color);
    }
    ZAVPIconBitmap::SetPixel((HBITMAP)m_pBitmap->GetSafeHandle(), ptPixel, m_color);
    if (m_pParent != nullptr && m_pParent->GetSafeHwnd() != nullptr)
        m_pParent->InvalidateRect(m_rectParentPreviewArea, TRUE);
}

void CZAVPIconPaintArea::DrawRubberBand(CPoint ptEnd)
{
    if (ptEnd == m_ptStart) return;
    CClientDC dc(this);
    CRgn rgnClip;
    CRect rectGrid = GridRect();
    rectGrid.DeflateRect(1, 1);
    rgnClip.CreateRectRgnIndirect(rectGrid);
    dc.SelectClipRgn(&rgnClip);
    CPen* pOldPen = dc.SelectObject(&m_penStretch);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    const int nOldRop = dc.SetROP2(R2_NOT);
    const SIZE sizeCell = {m_nCellWidth, m_nCellHeight};
    const POINT ptA = ZAVPIconEditorMath::PixelCentre(m_ptStart, sizeCell);
    const POINT ptB = ZAVPIconEditorMath::PixelCentre(ptEnd, sizeCell);
    switch (m_nMode) {
    case kLine:
        dc.MoveTo(ptA);
        dc.LineTo(ptB);
        break;
    case kRect: dc.Rectangle(ptA.x, ptA.y, ptB.x, ptB.y); break;
    case kEllipse: dc.Ellipse(ptA.x, ptA.y, ptB.x, ptB.y); break;
    default: break;
    }
    dc.SetROP2(nOldRop);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
    dc.SelectClipRgn(nullptr);
}

void CZAVPIconPaintArea::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (m_pBitmap == nullptr || m_nCellWidth == 0) return;
    switch (m_nMode) {
    case kPencil: DrawPixel(point); break;
    case kLine:
    case kRect:
    case kEllipse: m_ptStart = m_ptEnd = PointToPixel(point); break;
    default: break;
    }
    SetCapture();
    m_bDragging = TRUE;
}

void CZAVPIconPaintArea::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragging || !(nFlags & MK_LBUTTON) || m_pBitmap == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::clamp(point.x, rectClient.left, rectClient.right - 1);
    point.y = std::clamp(point.y, rectClient.top, rectClient.bottom - 1);
    switch (m_nMode) {
    case kPencil: DrawPixel(point); break;
    case kLine:
    case kRect:
    case kEllipse: {
        DrawRubberBand(m_ptEnd);  // erases the old band
        m_ptEnd = PointToPixel(point);
        DrawRubberBand(m_ptEnd);
        break;
    }
    default: break;
    }
}

void CZAVPIconPaintArea::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!m_bDragging) return;
    m_bDragging = FALSE;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_pBitmap == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::clamp(point.x, rectClient.left, rectClient.right - 1);
    point.y = std::clamp(point.y, rectClient.top, rectClient.bottom - 1);
    const HBITMAP hbm = (HBITMAP)m_pBitmap->GetSafeHandle();
    const CPoint ptPixel = PointToPixel(point);
    switch (m_nMode) {
    case kPencil: DrawPixel(point); break;
    case kFill:
        ZAVPIconBitmap::FloodFill(hbm, ptPixel, m_color);
        OnBitmapChanged();
        break;
    case kLine:
    case kRect:
    case kEllipse:
        m_ptEnd = ptPixel;
        if (m_ptStart == m_ptEnd) {
            DrawPixel(point);
            break;
        }
        if (m_nMode == kLine)
            ZAVPIconBitmap::DrawLine(hbm, m_ptStart, m_ptEnd, m_color);
        else
            ZAVPIconBitmap::DrawShape(hbm, ZAVPIconEditorMath::ShapeRect(m_ptStart, m_ptEnd),
                                      m_nMode == kEllipse, m_color);
        OnBitmapChanged();
        break;
    case kColorPick:
        if (m_pParent != nullptr)
            m_pParent->PickColor(
                CZAVPImageStrip::MapFromSysColor(ZAVPIconBitmap::GetPixel(hbm, ptPixel), TRUE));
        break;
    default: break;
    }
    m_ptStart = m_ptEnd = CPoint(-1, -1);
}

void CZAVPIconPaintArea::OnCancelMode()
{
    if (m_bDragging && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    m_bDragging = FALSE;
    Default();
}

BOOL CZAVPIconPaintArea::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    if (m_nMode >= 0 && m_nMode < kToolCount && m_hcurs[m_nMode] != nullptr) {
        ::SetCursor(m_hcurs[m_nMode]);
        return TRUE;
    }
    return (BOOL)Default();
}

BOOL CZAVPIconPaintArea::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }
