// The floating mini frame: creation as a tool window and the owner-synchronised activation.
#include "framework/CMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_NCACTIVATE()
ON_MESSAGE(WM_FLOATSTATUS, &CMiniFrameWnd::OnFloatStatus)
END_MESSAGE_MAP()

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                             DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    // The MFS_* bits are this class's; user32 reads the low word of a popup's style as nothing.
    if (dwStyle & (MFS_THICKFRAME | MFS_4THICKFRAME)) dwStyle |= WS_THICKFRAME;
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle,
                          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          AfxGetSafeHwnd(pParentWnd), (HMENU)(UINT_PTR)nID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1));
    cs.style &= ~FWS_ADDTOTITLE;
    return TRUE;  // no client edge: the frame's base adds one, a mini frame has none
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    if (GetStyle() & MFS_SYNCACTIVE) {
        // The caption follows the owner: active while the owner or one of its popups is.
        CWnd* pParent = GetTopLevelOwner();
        HWND hActive = ::GetActiveWindow();
        bActive = pParent != nullptr &&
                  (pParent->m_hWnd == hActive || ::GetWindow(hActive, GW_OWNER) == pParent->m_hWnd);
    }
    m_bActive = bActive;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    LRESULT lResult = (GetStyle() & MFS_SYNCACTIVE) && (wParam & FS_SYNCACTIVE);
    if (wParam & (FS_SHOW | FS_HIDE)) ShowWindow((wParam & FS_SHOW) ? SW_SHOWNA : SW_HIDE);
    if (wParam & (FS_ENABLE | FS_DISABLE)) EnableWindow((wParam & FS_ENABLE) != 0);
    if ((wParam & (FS_ACTIVATE | FS_DEACTIVATE)) && (GetStyle() & MFS_SYNCACTIVE)) {
        BOOL bActive = (wParam & FS_ACTIVATE) != 0;
        if (m_bActive != bActive) {
            m_bActive = bActive;
            DefWindowProc(WM_NCACTIVATE, bActive, 0);
        }
    }
    return lResult;
}
