// Menu wrapper: ownership, the handle map and the calls that need more than one line.
#include "framework/CMenu.h"
#include "framework/CHandleMap.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

typedef CHandleMap<CMenu, HMENU, &CMenu::m_hMenu> CMenuMap;

namespace
{
CMenu* NewTempMenu() { return new CMenu; }
}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) { return CMenuMap::FromHandle(hMenu, &NewTempMenu); }
CMenu* CMenu::FromHandlePermanent(HMENU hMenu) { return CMenuMap::FromHandlePermanent(hMenu); }
void CMenu::DeleteTempMap() { CMenuMap::DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu) { return CMenuMap::Attach(this, hMenu); }
HMENU CMenu::Detach() { return CMenuMap::Detach(this); }

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    return Attach(::LoadMenuA(AfxFindResourceHandle(lpszResourceName, RT_MENU), lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr) return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBufferSetLength(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, AfxGetSafeHwnd(pWnd), lpRect);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

CMenu* AfxMenuFromHandle(HMENU hMenu) { return CMenu::FromHandle(hMenu); }
