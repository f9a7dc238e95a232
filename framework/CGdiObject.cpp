// GDI object wrappers: ownership, the handle map and the creation helpers that need a DC.
#include "framework/CGdiObject.h"
#include "framework/CDC.h"
#include "framework/CHandleMap.h"
#include "framework/CResourceException.h"
#include "framework/CWinApp.h"
#include <cstdlib>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

typedef CHandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject> CGdiMap;

namespace
{
template <class T>
CGdiObject* NewAs()
{
    return new T;
}
}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandleAs(HGDIOBJ hObject, CGdiObject* (*pfnNew)())
{
    return CGdiMap::FromHandle(hObject, pfnNew);
}
CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return FromHandleAs(hObject, &NewAs<CGdiObject>);
}
void CGdiObject::DeleteTempMap() { CGdiMap::DeleteTemp(); }

CPen* CPen::FromHandle(HPEN h) { return static_cast<CPen*>(FromHandleAs(h, &NewAs<CPen>)); }
CBrush* CBrush::FromHandle(HBRUSH h)
{
    return static_cast<CBrush*>(FromHandleAs(h, &NewAs<CBrush>));
}
CFont* CFont::FromHandle(HFONT h) { return static_cast<CFont*>(FromHandleAs(h, &NewAs<CFont>)); }
CBitmap* CBitmap::FromHandle(HBITMAP h)
{
    return static_cast<CBitmap*>(FromHandleAs(h, &NewAs<CBitmap>));
}
CRgn* CRgn::FromHandle(HRGN h) { return static_cast<CRgn*>(FromHandleAs(h, &NewAs<CRgn>)); }
CPalette* CPalette::FromHandle(HPALETTE h)
{
    return static_cast<CPalette*>(FromHandleAs(h, &NewAs<CPalette>));
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) { return CGdiMap::Attach(this, hObject); }
HGDIOBJ CGdiObject::Detach() { return CGdiMap::Detach(this); }

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr) return FALSE;
    return ::DeleteObject(Detach());
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (!CreatePen(nPenStyle, nWidth, crColor)) AfxThrowResourceException();
}

CBrush::CBrush(COLORREF crColor)
{
    if (!CreateSolidBrush(crColor)) AfxThrowResourceException();
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return Attach(::CreatePatternBrush((HBITMAP)AfxGetSafeHandle(pBitmap)));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC)
{
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
    LOGFONTA logFont = *lpLogFont;
    // Tenths of a point to device pixels, then to the DC's logical units.
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720)};
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -std::abs(pt.y - ptOrg.y);
    if (pDC == nullptr) ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&logFont);
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    return Attach(
        ::LoadBitmapA(AfxFindResourceHandle(lpszResourceName, RT_BITMAP), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = {0, 0};
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return CSize(size.cx, size.cy);
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(AfxGetSafeHdc(pDC)));
}
