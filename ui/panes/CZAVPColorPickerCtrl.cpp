// The colour dialog's picker control (see CZAVPColorPickerCtrl.h).
#include "ui/panes/CZAVPColorPickerCtrl.h"

#include <algorithm>
#include <vector>

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPColorMath.h"
#include "ui/panes/CZAVPColorCell.h"
#include "ui/panes/ZAVPColorPickerMath.h"

IMPLEMENT_DYNAMIC(CZAVPColorPickerCtrl, CButton)

BEGIN_MESSAGE_MAP(CZAVPColorPickerCtrl, CButton)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace
{
const double kKeyStep = 0.05;
const int kBarMarker = 9;     // the luminance bar's marker, square
const int kFieldMarker = 19;  // the hue/saturation field's cross
const int kBlock = 4;         // the field is painted in blocks at 8 bits per pixel or less
const DWORD kPaletteIndex = 0x01000000;

double Clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
}  // namespace

CZAVPColorPickerCtrl::CZAVPColorPickerCtrl()
    : m_nKind(HueSaturation), m_dblHue(0), m_dblLum(0.5), m_dblSat(0), m_colorNew(RGB(0, 0, 0)),
      m_colorOriginal(RGB(0, 0, 0)), m_nLumBarWidth(kLuminanceBarWidth), m_pPalette(nullptr),
      m_iSelected(-1), m_sizeHueSat(0, 0), m_bTracking(FALSE)
{
}

CZAVPColorPickerCtrl::~CZAVPColorPickerCtrl() { RemoveCells(); }

void CZAVPColorPickerCtrl::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    // The control paints every pixel itself.
    ModifyStyle(0, BS_OWNERDRAW);
}

void CZAVPColorPickerCtrl::RemoveCells()
{
    while (!m_cells.IsEmpty()) delete static_cast<CZAVPColorCell*>(m_cells.RemoveHead());
    m_iSelected = -1;
}

const CZAVPColorCell* CZAVPColorPickerCtrl::GetCell(int i) const
{
    if (i < 0 || i >= m_cells.GetCount()) return nullptr;
    return static_cast<const CZAVPColorCell*>(m_cells.GetAt(m_cells.FindIndex(i)));
}

void CZAVPColorPickerCtrl::EnsureCells()
{
    if (!m_cells.IsEmpty() || (m_nKind != Hexagons && m_nKind != Greys) || m_hWnd == nullptr)
        return;
    CRect rect;
    GetClientRect(rect);
    const std::vector<ZAVPColorPickerMath::Cell> cells = m_nKind == Hexagons
                                                             ? ZAVPColorPickerMath::Honeycomb(rect)
                                                             : ZAVPColorPickerMath::GreyRow(rect);
    const BOOL bPaletteBrush = globalData.m_nBitsPerPixel == 8 && m_pPalette != nullptr &&
                               m_pPalette->GetSafeHandle() != nullptr;
    for (const ZAVPColorPickerMath::Cell& c : cells) {
        COLORREF brush = c.color;
        if (bPaletteBrush) brush = kPaletteIndex | m_pPalette->GetNearestPaletteIndex(c.clrExact);
        m_cells.AddTail(new CZAVPColorCell(c.ptCentre, c.nSize, c.color, brush));
    }
}

// ---- values

void CZAVPColorPickerCtrl::SetColor(COLORREF color)
{
    m_colorNew = color;
    ZAVPColorMath::RgbToHls(color, &m_dblHue, &m_dblSat, &m_dblLum);
    if (m_hWnd != nullptr) Invalidate();
}

void CZAVPColorPickerCtrl::SetHLS(double dblHue, double dblLum, double dblSat)
{
    m_dblHue = Clamp01(dblHue);
    m_dblLum = Clamp01(dblLum);
    m_dblSat = Clamp01(dblSat);
    m_colorNew = ZAVPColorMath::HlsToRgb(m_dblHue, m_dblLum, m_dblSat);
    if (m_hWnd != nullptr) Invalidate();
}

void CZAVPColorPickerCtrl::GetHLS(double* pHue, double* pLum, double* pSat) const
{
    if (pHue != nullptr) *pHue = m_dblHue;
    if (pLum != nullptr) *pLum = m_dblLum;
    if (pSat != nullptr) *pSat = m_dblSat;
}

BOOL CZAVPColorPickerCtrl::SelectCellByColor(BYTE r, BYTE g, BYTE b)
{
    EnsureCells();
    std::vector<ZAVPColorPickerMath::Cell> cells;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != nullptr;) {
        const CZAVPColorCell* pCell = static_cast<const CZAVPColorCell*>(m_cells.GetNext(pos));
        cells.push_back({pCell->m_ptCentre, pCell->m_nSize, pCell->m_color, pCell->m_color});
    }
    m_iSelected = ZAVPColorPickerMath::FindCell(cells, RGB(r, g, b));
    if (m_iSelected >= 0) SetColor(GetCell(m_iSelected)->m_color);
    if (m_hWnd != nullptr) Invalidate();
    return m_iSelected >= 0;
}

int CZAVPColorPickerCtrl::CellFromPoint(CPoint point)
{
    EnsureCells();
    int i = 0;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != nullptr; ++i)
        if (static_cast<const CZAVPColorCell*>(m_cells.GetNext(pos))->HitTest(point)) return i;
    return -1;
}

void CZAVPColorPickerCtrl::Notify(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)m_hWnd);
}

// ---- mouse and keys

CRect CZAVPColorPickerCtrl::MarkerRect() const
{
    CRect rect;
    GetClientRect(rect);
    if (m_nKind == LuminanceBar) {
        const int y = rect.top + (int)((1.0 - m_dblLum) * (rect.Height() - 1));
        return CRect(rect.left + m_nLumBarWidth, y - kBarMarker / 2,
                     rect.left + m_nLumBarWidth + kBarMarker, y - kBarMarker / 2 + kBarMarker);
    }
    const int x = rect.left + (int)(m_dblHue * (rect.Width() - 1));
    const int y = rect.top + (int)((1.0 - m_dblSat) * (rect.Height() - 1));
    return CRect(x - kFieldMarker / 2, y - kFieldMarker / 2, x - kFieldMarker / 2 + kFieldMarker,
                 y - kFieldMarker / 2 + kFieldMarker);
}

void CZAVPColorPickerCtrl::TrackTo(CPoint point)
{
    CRect rect;
    GetClientRect(rect);
    point.x = std::max(rect.left, std::min(point.x, rect.right - 1));
    point.y = std::max(rect.top, std::min(point.y, rect.bottom - 1));
    InvalidateRect(MarkerRect());
    if (m_nKind == LuminanceBar) {
        m_dblLum = 1.0 - (double)(point.y - rect.top) / std::max(1, rect.Height() - 1);
    } else {
        m_dblHue = (double)(point.x - rect.left) / std::max(1, rect.Width());
        m_dblSat = 1.0 - (double)(point.y - rect.top) / std::max(1, rect.Height());
    }
    m_colorNew = ZAVPColorMath::HlsToRgb(m_dblHue, m_dblLum, m_dblSat);
    InvalidateRect(MarkerRect());
    if (m_nKind == LuminanceBar) Invalidate();
    Notify(BN_CLICKED);
}

void CZAVPColorPickerCtrl::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    if (m_nKind == LuminanceBar || m_nKind == HueSaturation) {
        m_bTracking = TRUE;
        SetCapture();
        TrackTo(point);
        return;
    }
    if (m_nKind != Hexagons && m_nKind != Greys) return;
    const int iCell = CellFromPoint(point);
    if (iCell < 0) return;
    m_iSelected = iCell;
    SetColor(GetCell(iCell)->m_color);
    Notify(BN_CLICKED);
}

void CZAVPColorPickerCtrl::OnMouseMove(UINT, CPoint point)
{
    if (m_bTracking && ::GetCapture() == m_hWnd) TrackTo(point);
}

void CZAVPColorPickerCtrl::OnLButtonUp(UINT, CPoint)
{
    if (!m_bTracking) return;
    m_bTracking = FALSE;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CZAVPColorPickerCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_nKind == HueSaturation || m_nKind == Hexagons || m_nKind == Greys) {
        if ((m_nKind == Hexagons || m_nKind == Greys) && CellFromPoint(point) < 0) return;
        Notify(BN_DOUBLECLICKED);
        return;
    }
    OnLButtonDown(nFlags, point);
}

UINT CZAVPColorPickerCtrl::OnGetDlgCode() { return DLGC_WANTARROWS; }

void CZAVPColorPickerCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    double dblHue = m_dblHue, dblLum = m_dblLum, dblSat = m_dblSat;
    if (m_nKind == LuminanceBar) {
        if (nChar == VK_UP) dblLum += kKeyStep;
        if (nChar == VK_DOWN) dblLum -= kKeyStep;
    } else if (m_nKind == HueSaturation) {
        if (nChar == VK_LEFT) dblHue -= kKeyStep;
        if (nChar == VK_RIGHT) dblHue += kKeyStep;
        if (nChar == VK_UP) dblSat += kKeyStep;
        if (nChar == VK_DOWN) dblSat -= kKeyStep;
    } else {
        CButton::Default();
        (void)nRepCnt;
        (void)nFlags;
        return;
    }
    dblHue = Clamp01(dblHue);
    dblLum = Clamp01(dblLum);
    dblSat = Clamp01(dblSat);
    if (dblHue == m_dblHue && dblLum == m_dblLum && dblSat == m_dblSat) return;
    InvalidateRect(MarkerRect());
    m_dblHue = dblHue;
    m_dblLum = dblLum;
    m_dblSat = dblSat;
    m_colorNew = ZAVPColorMath::HlsToRgb(m_dblHue, m_dblLum, m_dblSat);
    Invalidate();
    Notify(BN_CLICKED);
}

void CZAVPColorPickerCtrl::OnSetFocus(CWnd*) { Invalidate(); }

void CZAVPColorPickerCtrl::OnKillFocus(CWnd*) { Invalidate(); }

// ---- painting

BOOL CZAVPColorPickerCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CZAVPColorPickerCtrl::OnPaint()
{
    PAINTSTRUCT ps;
    const HDC hdcPaint = ::BeginPaint(m_hWnd, &ps);
    CRect rect;
    GetClientRect(rect);
    // Drawn off screen first, then copied in one go.
    const HDC hdcMem = ::CreateCompatibleDC(hdcPaint);
    const HBITMAP hbmp = ::CreateCompatibleBitmap(hdcPaint, std::max(1, rect.Width()),
                                                  std::max(1, rect.Height()));
    const HGDIOBJ hOldBmp = ::SelectObject(hdcMem, hbmp);
    CDC dc;
    dc.Attach(hdcMem);
    HPALETTE hOldPalette = nullptr;
    if (globalData.m_nBitsPerPixel == 8 && m_pPalette != nullptr &&
        m_pPalette->GetSafeHandle() != nullptr)
    {
        hOldPalette = ::SelectPalette(hdcMem, (HPALETTE)m_pPalette->GetSafeHandle(), FALSE);
        ::SelectPalette(hdcPaint, (HPALETTE)m_pPalette->GetSafeHandle(), FALSE);
        ::RealizePalette(hdcPaint);
        ::RealizePalette(hdcMem);
    }
    Draw(&dc, rect);
    ::BitBlt(hdcPaint, 0, 0, rect.Width(), rect.Height(), hdcMem, 0, 0, SRCCOPY);
    if (hOldPalette != nullptr) ::SelectPalette(hdcMem, hOldPalette, FALSE);
    dc.Detach();
    ::SelectObject(hdcMem, hOldBmp);
    ::DeleteObject(hbmp);
    ::DeleteDC(hdcMem);
    ::EndPaint(m_hWnd, &ps);
}

void CZAVPColorPickerCtrl::Draw(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(rect, globalData.clrBtnFace);
    switch (m_nKind) {
    case Swatch: {
        // The new colour over the current one.
        CRect rectNew = rect, rectOld = rect;
        rectNew.bottom = rect.top + rect.Height() / 2;
        rectOld.top = rectNew.bottom;
        pDC->FillSolidRect(rectNew, m_colorNew);
        pDC->FillSolidRect(rectOld, m_colorOriginal);
        pDC->Draw3dRect(rect, globalData.clrBtnShadow, globalData.clrBtnHilite);
        break;
    }
    case LuminanceBar: DrawLuminanceBar(pDC, rect); break;
    case HueSaturation: DrawHueSaturation(pDC, rect); break;
    default: {
        EnsureCells();
        int i = 0;
        for (POSITION pos = m_cells.GetHeadPosition(); pos != nullptr; ++i)
            static_cast<const CZAVPColorCell*>(m_cells.GetNext(pos))->Draw(pDC, FALSE);
        if (const CZAVPColorCell* pSelected = GetCell(m_iSelected)) pSelected->Draw(pDC, TRUE);
        break;
    }
    }
}

void CZAVPColorPickerCtrl::DrawHueSaturation(CDC* pDC, const CRect& rect)
{
    if (m_bmpHueSat.GetSafeHandle() == nullptr || m_sizeHueSat != rect.Size()) {
        m_bmpHueSat.DeleteObject();
        m_sizeHueSat = rect.Size();
        const HDC hdc = ::CreateCompatibleDC(pDC->GetSafeHdc());
        const HBITMAP hbmp = ::CreateCompatibleBitmap(pDC->GetSafeHdc(), std::max(1, rect.Width()),
                                                      std::max(1, rect.Height()));
        const HGDIOBJ hOld = ::SelectObject(hdc, hbmp);
        const int w = std::max(1, rect.Width()), h = std::max(1, rect.Height());
        if (globalData.m_nBitsPerPixel > 8) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ::SetPixelV(hdc, x, y,
                                ZAVPColorMath::HlsToRgb((double)x / w, 0.5, (double)(h - y) / h));
        } else {
            for (int y = 0; y < h; y += kBlock)
                for (int x = 0; x < w; x += kBlock) {
                    const HBRUSH hBrush = ::CreateSolidBrush(
                        ZAVPColorMath::HlsToRgb((double)x / w, 0.5, (double)(h - y) / h));
                    const RECT rc = {x, y, x + kBlock, y + kBlock};
                    ::FillRect(hdc, &rc, hBrush);
                    ::DeleteObject(hBrush);
                }
        }
        ::SelectObject(hdc, hOld);
        ::DeleteDC(hdc);
        m_bmpHueSat.Attach(hbmp);
    }
    ::DrawStateA(pDC->GetSafeHdc(), nullptr, nullptr, (LPARAM)m_bmpHueSat.GetSafeHandle(), 0,
                 rect.left, rect.top, rect.Width(), rect.Height(), DST_BITMAP);
    // A cross of four small bars on the marker's middle lines.
    const CRect m = MarkerRect();
    const COLORREF clr = ::GetFocus() == m_hWnd ? RGB(0, 0, 0) : RGB(255, 255, 255);
    const CPoint c = m.CenterPoint();
    pDC->FillSolidRect(CRect(c.x - 1, m.top, c.x + 2, m.top + 5), clr);
    pDC->FillSolidRect(CRect(c.x - 1, m.bottom - 5, c.x + 2, m.bottom), clr);
    pDC->FillSolidRect(CRect(m.left, c.y - 1, m.left + 5, c.y + 2), clr);
    pDC->FillSolidRect(CRect(m.right - 5, c.y - 1, m.right, c.y + 2), clr);
}

void CZAVPColorPickerCtrl::DrawLuminanceBar(CDC* pDC, const CRect& rect)
{
    const int nHeight = std::max(1, rect.Height());
    for (int y = 0; y < nHeight; ++y)
        pDC->FillSolidRect(
            CRect(rect.left, rect.top + y, rect.left + m_nLumBarWidth, rect.top + y + 1),
            ZAVPColorMath::HlsToRgb(m_dblHue, 1.0 - (double)y / nHeight, m_dblSat));
    pDC->Draw3dRect(CRect(rect.left, rect.top, rect.left + m_nLumBarWidth, rect.bottom),
                    globalData.clrBtnShadow, globalData.clrBtnHilite);
    // A triangle pointing at the luminance.
    const CRect m = MarkerRect();
    const POINT pts[3] = {{m.left, m.CenterPoint().y}, {m.right, m.top}, {m.right, m.bottom}};
    const HBRUSH hBrush = ::CreateSolidBrush(::GetFocus() == m_hWnd ? globalData.clrBtnText
                                                                    : globalData.clrBtnShadow);
    const HGDIOBJ hOldBrush = ::SelectObject(pDC->GetSafeHdc(), hBrush);
    const HGDIOBJ hOldPen = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(BLACK_PEN));
    ::Polygon(pDC->GetSafeHdc(), pts, 3);
    ::SelectObject(pDC->GetSafeHdc(), hOldPen);
    ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
    ::DeleteObject(hBrush);
}
