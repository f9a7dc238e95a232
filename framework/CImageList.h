// Image list wrapper. Owns the list it created or was given by Attach (ImageList_Destroy in the
// destructor); FromHandle gives a temporary, non-owning wrapper. Includes the drag-image calls.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include "framework/CHandleMap.h"
#include "framework/CObject.h"
#include "framework/CRect.h"

class CDC;
class CBitmap;
class CWnd;

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() {}
    virtual ~CImageList();

    HIMAGELIST m_hImageList = nullptr;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }  // null pointer: AfxGetSafeHandle
    operator HIMAGELIST() const { return GetSafeHandle(); }
    static CImageList* FromHandle(HIMAGELIST hImageList);
    static CImageList* FromHandlePermanent(HIMAGELIST hImageList);
    static void DeleteTempMap();
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(CImageList* pImageList)
    {
        return Attach(ImageList_Duplicate(pImageList->m_hImageList));
    }
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon)
    {
        return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
    }
    HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
    BOOL SetOverlayImage(int nImage, int nOverlay)
    {
        return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
    }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    BOOL GetIconSize(int* cx, int* cy) const { return ImageList_GetIconSize(m_hImageList, cx, cy); }

    BOOL BeginDrag(int nImage, CPoint ptHotSpot)
    {
        return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
    }
    static void EndDrag() { ImageList_EndDrag(); }
    static BOOL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL DragLeave(CWnd* pWndLock);
    static BOOL DragMove(CPoint pt) { return ImageList_DragMove(pt.x, pt.y); }
    static BOOL DragShowNolock(BOOL bShow) { return ImageList_DragShowNolock(bShow); }
};

// The image list handle of a pointer that may be null.
inline HIMAGELIST AfxGetSafeHandle(const CImageList* pImageList)
{
    return AfxHandleOrNull(pImageList, &CImageList::GetSafeHandle);
}
