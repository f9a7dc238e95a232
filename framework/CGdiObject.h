// GDI object wrappers: CGdiObject and its pens, brushes, fonts, bitmaps, regions and palettes.
// An object owns its handle when it created it or was given it by Attach, and deletes it in its
// destructor; Detach hands the handle back. FromHandle gives a temporary, non-owning wrapper.
#pragma once

#include <windows.h>
#include "framework/CHandleMap.h"
#include "framework/CObject.h"
#include "framework/CRect.h"

class CDC;

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() {}
    virtual ~CGdiObject();

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }  // null pointer: AfxGetSafeHandle
    operator HGDIOBJ() const { return GetSafeHandle(); }
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const
    {
        return ::GetObjectA(m_hObject, nCount, lpObject);
    }
    UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
    BOOL CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }
    BOOL operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }

protected:
    // A temporary wrapper of the right kind for a handle nobody attached.
    static CGdiObject* FromHandleAs(HGDIOBJ hObject, CGdiObject* (*pfnNew)());
};

// The GDI handle of a pointer that may be null.
inline HGDIOBJ AfxGetSafeHandle(const CGdiObject* pObject)
{
    return AfxHandleOrNull(pObject, &CGdiObject::GetSafeHandle);
}

class CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen() {}
    CPen(int nPenStyle, int nWidth, COLORREF crColor);  // throws the resource exception on failure
    static CPen* FromHandle(HPEN hPen);
    operator HPEN() const { return (HPEN)GetSafeHandle(); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
    {
        return Attach(::CreatePen(nPenStyle, nWidth, crColor));
    }
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen) { return Attach(::CreatePenIndirect(lpLogPen)); }
    int GetLogPen(LOGPEN* pLogPen) { return ::GetObjectA(m_hObject, sizeof(LOGPEN), pLogPen); }
};

class CBitmap;

class CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() {}
    explicit CBrush(COLORREF crColor);  // throws the resource exception on failure
    static CBrush* FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return (HBRUSH)GetSafeHandle(); }
    BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor)
    {
        return Attach(::CreateHatchBrush(nIndex, crColor));
    }
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    BOOL CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
    {
        return Attach(::CreateBrushIndirect(lpLogBrush));
    }
    int GetLogBrush(LOGBRUSH* pLogBrush)
    {
        return ::GetObjectA(m_hObject, sizeof(LOGBRUSH), pLogBrush);
    }
};

class CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const { return (HFONT)GetSafeHandle(); }
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont)
    {
        return Attach(::CreateFontIndirectA(lpLogFont));
    }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    LPCSTR lpszFacename)
    {
        return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                    bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                    nQuality, nPitchAndFamily, lpszFacename));
    }
    // nPointSize and lfHeight are in tenths of a point, converted for pDC (the screen when null).
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONTA* pLogFont)
    {
        return ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont);
    }
};

class CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return (HBITMAP)GetSafeHandle(); }
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
    BOOL LoadOEMBitmap(UINT nIDBitmap)
    {
        return Attach(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
    }
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
    {
        return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
    }
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap)
    {
        return Attach(::CreateBitmapIndirect(lpBitmap));
    }
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) { return ::GetObjectA(m_hObject, sizeof(BITMAP), pBitMap); }
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits)
    {
        return ::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
    }
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
    {
        return ::GetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
    }
    CSize GetBitmapDimension() const;
};

class CRgn : public CGdiObject
{
    DECLARE_DYNAMIC(CRgn)
public:
    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return (HRGN)GetSafeHandle(); }
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2)
    {
        return Attach(::CreateRectRgn(x1, y1, x2, y2));
    }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2)
    {
        return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
    }
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
    {
        return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
    }
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
    {
        return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
    }
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
    {
        return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgn1->GetSafeHandle(),
                            (HRGN)AfxGetSafeHandle(pRgn2), nCombineMode);
    }
    int CopyRgn(const CRgn* pRgnSrc)
    {
        return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgnSrc->m_hObject, nullptr, RGN_COPY);
    }
    void SetRectRgn(int x1, int y1, int x2, int y2)
    {
        ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
    }
    void SetRectRgn(LPCRECT lpRect)
    {
        ::SetRectRgn((HRGN)m_hObject, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int OffsetRgn(int x, int y) { return ::OffsetRgn((HRGN)m_hObject, x, y); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion((HRGN)m_hObject, x, y); }
    BOOL PtInRegion(POINT point) const { return ::PtInRegion((HRGN)m_hObject, point.x, point.y); }
    BOOL RectInRegion(LPCRECT lpRect) const { return ::RectInRegion((HRGN)m_hObject, lpRect); }
    int GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox((HRGN)m_hObject, lpRect); }
    BOOL EqualRgn(const CRgn* pRgn) const
    {
        return ::EqualRgn((HRGN)m_hObject, (HRGN)pRgn->m_hObject);
    }
};

class CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    static CPalette* FromHandle(HPALETTE hPalette);
    operator HPALETTE() const { return (HPALETTE)GetSafeHandle(); }
    BOOL CreatePalette(LPLOGPALETTE lpLogPalette) { return Attach(::CreatePalette(lpLogPalette)); }
    BOOL CreateHalftonePalette(CDC* pDC);
    int GetEntryCount() const
    {
        WORD n = 0;
        ::GetObjectA(m_hObject, sizeof(WORD), &n);
        return n;
    }
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
    {
        return ::GetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
    }
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
    {
        return ::SetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
    }
    UINT GetNearestPaletteIndex(COLORREF crColor) const
    {
        return ::GetNearestPaletteIndex((HPALETTE)m_hObject, crColor);
    }
    void AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
    {
        ::AnimatePalette((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
    }
    BOOL ResizePalette(UINT nNumEntries)
    {
        return ::ResizePalette((HPALETTE)m_hObject, nNumEntries);
    }
};
