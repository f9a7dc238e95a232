// Header control wrapper.
#include "framework/CHeaderCtrl.h"
#include "framework/CImageList.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        (HIMAGELIST)SendMessage(HDM_SETIMAGELIST, 0, (LPARAM)AfxGetSafeHandle(pImageList)));
}
