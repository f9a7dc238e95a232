// Header control wrapper (the column header of a report list).
#pragma once

#include "framework/CWnd.h"

class CImageList;

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(HDM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const
    {
        return (BOOL)SendMessage(HDM_GETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem)
    {
        return (BOOL)SendMessage(HDM_SETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    CImageList* SetImageList(CImageList* pImageList);
};
