// Device contexts: ownership and the handle map, the composite drawing calls (solid fills, 3-D
// frames, the XOR drag outline) and the scoped DCs of a window.
#include "framework/CDC.h"
#include "framework/CHandleMap.h"
#include "framework/CResourceException.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

typedef CHandleMap<CDC, HDC, &CDC::m_hDC> CDCMap;

namespace
{
CDC* NewTempDC() { return new CDC; }
}  // namespace

CDC::~CDC()
{
    if (m_hDC != nullptr) ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC)
{
    CDC* p = CDCMap::FromHandle(hDC, &NewTempDC);
    if (p != nullptr && p->m_hAttribDC == nullptr) p->m_hAttribDC = p->m_hDC;
    return p;
}

void CDC::DeleteTempMap() { CDCMap::DeleteTemp(); }

BOOL CDC::Attach(HDC hDC)
{
    m_hAttribDC = hDC;
    return CDCMap::Attach(this, hDC);
}

HDC CDC::Detach()
{
    m_hAttribDC = nullptr;
    return CDCMap::Detach(this);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(AfxGetSafeHdc(pDC))); }

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(
        ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr) return FALSE;
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT pt;
    ::SetBrushOrgEx(m_hDC, x, y, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt;
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt;
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt;
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt;
    ::SetWindowOrgEx(m_hDC, x, y, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt;
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt;
    ::MoveToEx(m_hDC, x, y, &pt);
    return CPoint(pt.x, pt.y);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

CBrush* CDC::GetHalftoneBrush()
{
    // Every other pixel set: XORed twice, the outline disappears without a trace.
    static CBrush* brush = [] {
        WORD pattern[8];
        for (int i = 0; i < 8; i++) pattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
        auto* b = new CBrush;
        b->Attach(::CreatePatternBrush(hBitmap));
        ::DeleteObject(hBitmap);
        return b;
    }();
    return brush;
}

namespace
{
// The frame of lpRect, size thick, as a region (the rectangle minus its inside).
void FrameRegion(CRgn& rgn, LPCRECT lpRect, SIZE size)
{
    CRgn outside, inside;
    outside.CreateRectRgnIndirect(lpRect);
    RECT rcInside = {lpRect->left + size.cx, lpRect->top + size.cy, lpRect->right - size.cx,
                     lpRect->bottom - size.cy};
    if (rcInside.right < rcInside.left) rcInside.right = rcInside.left;
    if (rcInside.bottom < rcInside.top) rcInside.bottom = rcInside.top;
    ::IntersectRect(&rcInside, &rcInside, lpRect);
    inside.CreateRectRgnIndirect(&rcInside);
    rgn.CreateRectRgn(0, 0, 0, 0);
    rgn.CombineRgn(&outside, &inside, RGN_XOR);
}
}  // namespace

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    if (pBrush == nullptr) pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr) pBrushLast = pBrush;
    CRgn rgnNew;
    FrameRegion(rgnNew, lpRect, size);
    CRgn rgnLast, rgnUpdate;
    BOOL bSameBrush = pBrush->m_hObject == pBrushLast->m_hObject;
    if (lpRectLast != nullptr) {
        FrameRegion(rgnLast, lpRectLast, sizeLast);
        if (bSameBrush) {
            // Pixels in both frames stay as they are: XOR only the difference.
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        } else {
            // Different brushes: take the old frame off first.
            RECT rect;
            SelectClipRgn(&rgnLast);
            GetClipBox(&rect);
            CBrush* pOld = SelectObject(pBrushLast);
            PatBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
            SelectObject(pOld);
        }
    }
    RECT rect;
    SelectClipRgn(rgnUpdate.m_hObject != nullptr ? &rgnUpdate : &rgnNew);
    GetClipBox(&rect);
    CBrush* pOld = SelectObject(pBrush);
    PatBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
    SelectObject(pOld);
    SelectClipRgn(nullptr);
}

// ---- the window's scoped DCs

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    if (!Attach(::BeginPaint(m_hWnd, &m_ps))) AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(AfxGetSafeHwnd(pWnd))
{
    if (!Attach(::GetDC(m_hWnd))) AfxThrowResourceException();
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(AfxGetSafeHwnd(pWnd))
{
    if (!Attach(::GetWindowDC(m_hWnd))) AfxThrowResourceException();
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

CDC* AfxDCFromHandle(HDC hDC) { return CDC::FromHandle(hDC); }
