// The menu button: an arrow beside the content, and a popup menu when it is pressed.
#include "ui/toolbars/CZAVPMenuButton.h"

#include "framework/CDC.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"

IMPLEMENT_DYNAMIC(CZAVPMenuButton, CZAVPButton)

BEGIN_MESSAGE_MAP(CZAVPMenuButton, CZAVPButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace
{
const int kArrowMargin = 10;  // the content gives up this much beside the arrow glyph
const UINT kTrackFlags = TPM_NONOTIFY | TPM_RETURNCMD;  // 0x180
const int kGlyphArrowDown = 13;                         // in the library's glyph strip
const int kGlyphArrowRight = 14;
}  // namespace

CZAVPMenuButton::CZAVPMenuButton()
    : m_bRightArrow(FALSE), m_hMenu(nullptr), m_nMenuResult(0), m_bStayPressed(FALSE),
      m_bOSMenu(TRUE), m_bMenuIsActive(FALSE)
{
}

CSize CZAVPMenuButton::SizeToContent(BOOL bCalcOnly)
{
    CSize size = CZAVPButton::SizeToContent(TRUE);
    CZAVPMenuGlyphs::Initialize();
    size.cx += CZAVPMenuGlyphs::GetSize().cx + kArrowMargin;
    if (!bCalcOnly && m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CZAVPMenuButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    CZAVPMenuGlyphs::Initialize();
    const SIZE sizeArrow = CZAVPMenuGlyphs::GetSize();
    CRect rectContent = rect;
    rectContent.right -= kArrowMargin + sizeArrow.cx;
    CZAVPButton::OnDraw(pDC, rectContent, uiState);

    const BOOL bDisabled = (uiState & ODS_DISABLED) != 0 || !::IsWindowEnabled(m_hWnd);
    const POINT pt = {rectContent.right + (rect.right - rectContent.right - sizeArrow.cx) / 2,
                      rect.top + (rect.Height() - sizeArrow.cy) / 2};
    CZAVPMenuGlyphs::Draw(pDC, m_bRightArrow ? kGlyphArrowRight : kGlyphArrowDown, pt,
                          bDisabled ? CZAVPMenuGlyphs::StateGray : CZAVPMenuGlyphs::StateBlack);
}

void CZAVPMenuButton::OnShowMenu()
{
    if (m_hMenu == nullptr || m_bMenuIsActive) return;
    RECT rectWindow = {};
    ::GetWindowRect(m_hWnd, &rectWindow);
    const int x = m_bRightArrow ? rectWindow.right : rectWindow.left;
    const int y = m_bRightArrow ? rectWindow.top : rectWindow.bottom;

    m_bMenuIsActive = TRUE;
    if (m_bStayPressed) {
        m_bPushed = TRUE;
        m_bHighlighted = TRUE;
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);

    HWND hwnd = m_hWnd;
    int nCommand = 0;
    if (!m_bOSMenu && g_pContextMenuManager != nullptr)
        nCommand = (int)g_pContextMenuManager->TrackPopupMenu(m_hMenu, x, y, this);
    else
        nCommand = (int)::TrackPopupMenu(m_hMenu, kTrackFlags, x, y, 0, m_hWnd, nullptr);
    if (!::IsWindow(hwnd)) return;

    if (nCommand != 0) {
        m_nMenuResult = nCommand;
        if (HWND hwndParent = ::GetParent(m_hWnd))
            ::SendMessageA(hwndParent, WM_COMMAND, (WPARAM)::GetDlgCtrlID(m_hWnd), (LPARAM)m_hWnd);
        if (!::IsWindow(hwnd)) return;
    }
    m_bPushed = FALSE;
    m_bHighlighted = FALSE;
    m_bMenuIsActive = FALSE;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
    ReleaseMouse();
}

void CZAVPMenuButton::OnLButtonDown(UINT, CPoint)
{
    ::SetFocus(m_hWnd);
    OnShowMenu();
}

void CZAVPMenuButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bStayPressed && m_bMenuIsActive) {
        ReleaseMouse();
        m_bClickiedInside = FALSE;
        return;
    }
    CZAVPButton::OnLButtonUp(nFlags, point);
}

void CZAVPMenuButton::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE || nChar == VK_DOWN) {
        OnShowMenu();
        return;
    }
    Default();
}

void CZAVPMenuButton::OnKillFocus(CWnd* pNewWnd)
{
    if (m_bStayPressed && m_bMenuIsActive) {
        ReleaseMouse();
        m_bClickiedInside = FALSE;
        return;
    }
    CZAVPButton::OnKillFocus(pNewWnd);
}

UINT CZAVPMenuButton::OnGetDlgCode() { return DLGC_WANTARROWS; }
