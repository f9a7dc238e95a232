// The commands page's drag list (see the header).
#include "ui/toolbars/CZAVPCommandDragList.h"

#include <cstdlib>

#include "framework/CDC.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarDropSource.h"

BEGIN_MESSAGE_MAP(CZAVPCommandDragList, CListBox)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace
{
const int kImageMargin = 6;

// The toolbar with a window under a screen point, or null.
CZAVPToolBar* ToolBarUnder(CPoint ptScreen)
{
    for (HWND hwnd = ::WindowFromPoint(ptScreen); hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hwnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPToolBar)) &&
            CZAVPToolBar::GetAllToolbars().Find(pWnd) != nullptr)
            return static_cast<CZAVPToolBar*>(pWnd);
    }
    return nullptr;
}
}  // namespace

void CZAVPCommandDragList::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    const SIZE sizeMenuImage = CZAVPToolBar::GetMenuImageSize();
    m_nMinItemWidth = sizeMenuImage.cx + kImageMargin;
    m_nMinItemHeight = sizeMenuImage.cy + kImageMargin;
    // A list made from a template measured its items before it was attached.
    if (GetItemHeight(0) < m_nMinItemHeight) SetItemHeight(0, (UINT)m_nMinItemHeight);
}

void CZAVPCommandDragList::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if ((int)lpMIS->itemHeight < m_nMinItemHeight) lpMIS->itemHeight = (UINT)m_nMinItemHeight;
}

void CZAVPCommandDragList::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if ((int)lpDIS->itemID < 0) return;
    auto* pButton = reinterpret_cast<CZAVPToolbarButton*>(lpDIS->itemData);
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect(lpDIS->rcItem);
    if (pButton == nullptr) return;
    // The entry's text may be the button's menu path; the button shows it for the time of the
    // drawing.
    CString strEntry;
    GetText((int)lpDIS->itemID, strEntry);
    const CString strOwn = pButton->m_strText;
    pButton->m_strText = strEntry;
    CZAVPVisualManager::GetInstance()->OnFillCommandsListBackground(pDC, rect);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0 &&
                           (lpDIS->itemState & ODS_FOCUS) != 0;
    pButton->OnDrawOnList(pDC, rect, bSelected);
    pButton->m_strText = strOwn;
}

BOOL CZAVPCommandDragList::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    CZAVPVisualManager::GetInstance()->OnFillCommandsListBackground(pDC, rect);
    return TRUE;
}

void CZAVPCommandDragList::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    Default();
    const int iSel = GetCurSel();
    CRect rectItem;
    if (iSel < 0 || GetItemRect(iSel, rectItem) == LB_ERR || !rectItem.PtInRect(point)) return;
    auto* pButton = static_cast<CZAVPToolbarButton*>(GetItemDataPtr(iSel));
    if (pButton == nullptr) return;
    // The list ends its own capture before the drag takes the mouse.
    SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    RunDrag(pButton, ptScreen);
}

DROPEFFECT CZAVPCommandDragList::RunDrag(CZAVPToolbarButton* pButton, CPoint ptStartScreen)
{
    const HWND hwndSelf = m_hWnd;
    CZAVPToolbarDropSource& source = CZAVPToolbarDropSource::Shared();
    source.OnBeginDrag(this);
    HCURSOR hcurDrag = ::LoadCursorA(AfxGetResourceHandle(),
                                     MAKEINTRESOURCEA(IDC_ZAVP_DRAG_DELETE));
    if (hcurDrag != nullptr) ::SetCursor(hcurDrag);
    const CSize sizeDrag(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    pButton->m_bDragFromCollection = TRUE;
    ::SetCapture(hwndSelf);
    BOOL bStarted = FALSE;
    CZAVPToolBar* pOver = nullptr;
    DROPEFFECT effect = DROPEFFECT_NONE;
    auto over = [&](CPoint ptScreen) {
        CZAVPToolBar* pBar = ToolBarUnder(ptScreen);
        if (pBar != pOver && pOver != nullptr && ::IsWindow(pOver->GetSafeHwnd()))
            pOver->OnDragLeave();
        pOver = pBar;
        effect = DROPEFFECT_NONE;
        if (pBar != nullptr) {
            CPoint pt = ptScreen;
            pBar->ScreenToClient(&pt);
            // A command from the list is always a copy.
            effect = pBar->DragOverButton(*pButton, MK_CONTROL, pt);
        }
        source.GiveFeedback(effect);
    };
    MSG msg;
    for (;;) {
        if (::GetCapture() != hwndSelf) break;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            if (!bStarted && (std::abs(msg.pt.x - ptStartScreen.x) > sizeDrag.cx ||
                              std::abs(msg.pt.y - ptStartScreen.y) > sizeDrag.cy))
                bStarted = TRUE;
            if (bStarted) over(msg.pt);
            continue;
        }
        if (msg.message == WM_LBUTTONUP) {
            if (bStarted) {
                over(msg.pt);
                if (pOver != nullptr && effect != DROPEFFECT_NONE) {
                    CPoint pt = msg.pt;
                    pOver->ScreenToClient(&pt);
                    if (!pOver->DropButton(*pButton, effect, pt)) effect = DROPEFFECT_NONE;
                } else if (pOver != nullptr) {
                    pOver->OnDragLeave();
                }
            }
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            if (pOver != nullptr && ::IsWindow(pOver->GetSafeHwnd())) pOver->OnDragLeave();
            effect = DROPEFFECT_NONE;
            break;
        }
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        if (!::IsWindow(hwndSelf)) return DROPEFFECT_NONE;
    }
    if (::GetCapture() == hwndSelf) ::ReleaseCapture();
    pButton->m_bDragFromCollection = FALSE;
    return bStarted ? effect : DROPEFFECT_NONE;
}

DROPEFFECT CZAVPCommandDragList::DropItemAt(int iItem, CPoint ptScreen)
{
    auto* pButton = static_cast<CZAVPToolbarButton*>(GetItemDataPtr(iItem));
    if (pButton == nullptr || iItem < 0 || iItem >= GetCount()) return DROPEFFECT_NONE;
    CZAVPToolBar* pBar = ToolBarUnder(ptScreen);
    if (pBar == nullptr) return DROPEFFECT_NONE;
    pButton->m_bDragFromCollection = TRUE;
    CPoint pt = ptScreen;
    pBar->ScreenToClient(&pt);
    DROPEFFECT effect = pBar->DragOverButton(*pButton, MK_CONTROL, pt);
    if (effect != DROPEFFECT_NONE && !pBar->DropButton(*pButton, effect, pt))
        effect = DROPEFFECT_NONE;
    if (effect == DROPEFFECT_NONE) pBar->OnDragLeave();
    pButton->m_bDragFromCollection = FALSE;
    return effect;
}
