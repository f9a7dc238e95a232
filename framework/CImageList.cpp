// Image list wrapper: ownership, the handle map and the calls that take wrapper arguments.
#include "framework/CImageList.h"
#include "framework/CDC.h"
#include "framework/CHandleMap.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

typedef CHandleMap<CImageList, HIMAGELIST, &CImageList::m_hImageList> CImageListMap;

namespace
{
CImageList* NewTempImageList() { return new CImageList; }
}  // namespace

CImageList::~CImageList() { DeleteImageList(); }

CImageList* CImageList::FromHandle(HIMAGELIST h)
{
    return CImageListMap::FromHandle(h, &NewTempImageList);
}
CImageList* CImageList::FromHandlePermanent(HIMAGELIST h)
{
    return CImageListMap::FromHandlePermanent(h);
}
void CImageList::DeleteTempMap() { CImageListMap::DeleteTemp(); }

BOOL CImageList::Attach(HIMAGELIST hImageList) { return CImageListMap::Attach(this, hImageList); }
HIMAGELIST CImageList::Detach() { return CImageListMap::Detach(this); }

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr) return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    AfxInitCommonControls();
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    AfxInitCommonControls();
    LPCSTR name = MAKEINTRESOURCEA(nBitmapID);
    return Attach(ImageList_LoadImageA(AfxFindResourceHandle(name, RT_BITMAP), name, cx, nGrow,
                                       crMask, IMAGE_BITMAP, 0));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)AfxGetSafeHandle(pbmImage),
                         (HBITMAP)AfxGetSafeHandle(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)AfxGetSafeHandle(pbmImage), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)AfxGetSafeHandle(pbmImage),
                             (HBITMAP)AfxGetSafeHandle(pbmMask));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, AfxGetSafeHdc(pDC), pt.x, pt.y, nStyle);
}

BOOL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(AfxGetSafeHwnd(pWndLock), point.x, point.y);
}
BOOL CImageList::DragLeave(CWnd* pWndLock) { return ImageList_DragLeave(AfxGetSafeHwnd(pWndLock)); }
