// The toolbar in customisation mode: the mode's switch for all bars, selecting a button,
// stretching a hosted control, dragging buttons within and between bars (through OLE where it is
// initialised, else by the bar's own capture inside the process), the insertion mark, and the
// button context menu with its commands.
#include "ui/toolbars/CZAVPToolBar.h"

#include <algorithm>
#include <set>

#include "framework/AfxResourceHandle.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CMenu.h"
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPButtonAppearanceDlg.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarDropSource.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPCustomizeDrag.h"
#include "ui/foundation/ZAVPWindowChecks.h"

namespace
{
const int kMarkerPenWidth = 1;
const int kKeyboardMenuOffset = 5;  // a keyboard-invoked menu opens this far into the bar

// The toolbar (not locked, with a window) under a screen point, or null.
CZAVPToolBar* ToolBarAt(CPoint ptScreen)
{
    HWND hwnd = ::WindowFromPoint(ptScreen);
    for (; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hwnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPToolBar))) {
            CObList& bars = CZAVPToolBar::GetAllToolbars();
            if (bars.Find(pWnd) != nullptr) return static_cast<CZAVPToolBar*>(pWnd);
        }
    }
    return nullptr;
}

// A button of the same kind and content as the dragged one, to be dropped.
CZAVPToolbarButton* CopyOfButton(const CZAVPToolbarButton& button)
{
    CObject* pObject = button.GetRuntimeClass()->CreateObject();
    CZAVPToolbarButton* pCopy = dynamic_cast<CZAVPToolbarButton*>(pObject);
    if (pCopy == nullptr) {
        delete pObject;
        return nullptr;
    }
    pCopy->CopyFrom(button);
    return pCopy;
}

// What every dropped button goes through: its text ends at a tab, a command from the commands
// list shows its image, and a button without an image shows its text.
void PrepareDroppedButton(CZAVPToolbarButton& button)
{
    const int iTab = button.m_strText.Find('\t');
    if (iTab >= 0) button.m_strText = button.m_strText.Left(iTab);
    if (button.m_bDragFromCollection) {
        button.m_bImage = TRUE;
        button.m_bText = FALSE;
    }
    if (button.GetImage() < 0) {
        button.m_bImage = FALSE;
        button.m_bText = TRUE;
    }
}
}  // namespace

// ---- the mode

BOOL CZAVPToolBar::SetCustomizeMode(BOOL bSet)
{
    if (!ZAVPSharedBarData::g_bCustomizeMode == !bSet) return FALSE;
    // A bar made or destroyed by another bar's switch starts the walk again; none is told twice.
    std::set<CZAVPToolBar*> done;
    for (bool bRestart = true; bRestart;) {
        bRestart = false;
        CObList& bars = GetAllToolbars();
        const INT_PTR nCount = bars.GetCount();
        for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
            CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(bars.GetNext(pos));
            if (done.count(pBar) != 0 || pBar->GetSafeHwnd() == nullptr) continue;
            done.insert(pBar);
            pBar->OnCustomizeMode(bSet);
            if (bars.GetCount() != nCount) {
                bRestart = true;
                break;
            }
        }
    }
    ZAVPSharedBarData::g_bCustomizeMode = bSet;

    std::vector<CZAVPToolBar*> bars;
    for (POSITION pos = GetAllToolbars().GetHeadPosition(); pos != nullptr;)
        bars.push_back(static_cast<CZAVPToolBar*>(GetAllToolbars().GetNext(pos)));
    for (CZAVPToolBar* pBar : bars)
        if (pBar->GetSafeHwnd() != nullptr) pBar->AdjustLayout();
    BOOL bFrameDone = FALSE;
    for (CZAVPToolBar* pBar : bars) {
        if (pBar->GetSafeHwnd() == nullptr || !pBar->IsWindowVisible()) continue;
        if (!bFrameDone) {
            bFrameDone = TRUE;
            if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pBar->GetDockSiteFrame()))
                pFrame->RecalcLayout();
        }
        pBar->RedrawWindow(nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                               RDW_FRAME);
    }
    if (!bSet) m_pSelToolbar = nullptr;
    return TRUE;
}

void CZAVPToolBar::OnCustomizeMode(BOOL bSet)
{
    m_iButtonCapture = m_iHighlighted = m_iSelected = -1;
    m_iHot = -1;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        pButton->OnCancelMode();
        if (!(pButton->m_nStyle & TBBS_DISABLED)) pButton->EnableWindow(!bSet);
    }
}

// ---- selecting, stretching and dragging with the mouse

void CZAVPToolBar::SelectButton(int iIndex)
{
    if (m_pSelToolbar != nullptr && m_pSelToolbar != this &&
        m_pSelToolbar->GetSafeHwnd() != nullptr) {
        CZAVPToolBar* pOther = m_pSelToolbar;
        const int iOld = pOther->m_iSelected;
        pOther->m_iSelected = -1;
        pOther->InvalidateButton(iOld);
        pOther->UpdateWindow();
    }
    m_pSelToolbar = this;
    const int iOld = m_iSelected;
    m_iSelected = iIndex;
    if (iOld != iIndex) InvalidateButton(iOld);
    InvalidateButton(iIndex);
}

void CZAVPToolBar::OnCustomizeLButtonDown(UINT nFlags, CPoint point)
{
    // Another bar's selection goes; this bar holds it now.
    if (m_pSelToolbar != this) SelectButton(m_iSelected);
    if (m_bLocked) return;

    const int iHit = HitTest(point);
    CZAVPToolbarButton* pButton = GetButton(iHit);
    if (pButton == nullptr) {
        SelectButton(-1);
        SetHot(-1);
        return;
    }
    SelectButton(iHit);
    ::UpdateWindow(m_hWnd);
    m_bIsDragCopy = (nFlags & MK_CONTROL) != 0;
    m_pDragButton = pButton;
    if (!pButton->IsEditable()) {
        SelectButton(-1);
        m_pDragButton = nullptr;
        return;
    }

    if (pButton->CanBeStretched() && ZAVPCustomizeDrag::InStretchZone(pButton->GetRect(), point)) {
        m_bStretchButton = TRUE;
        m_rectTrack = pButton->GetRect();
        if (pButton->GetHwnd() != nullptr) m_rectTrack.InflateRect(2, 2);
        m_hwndLastCapture = ::GetCapture();
        ::SetCapture(m_hWnd);
        if (m_hcurHorzSplit != nullptr) ::SetCursor(m_hcurHorzSplit);
        return;
    }

    if (pButton->IsStorable() && pButton->OnDragStart()) {
        ShowCommandMessageString(pButton->m_nID);
        m_ptStartDrag = point;
        const HWND hwnd = m_hWnd;
        // Through OLE where it is initialised (buttons can then go to any drop target), else
        // the bar's own drag within the program.
        const DROPEFFECT effect = AfxOleGetInitialized() ? RunOleButtonDrag()
                                                         : RunButtonDrag(point, m_bIsDragCopy);
        // A bar destroyed by its own drag is not touched any more.
        if (!::IsWindow(hwnd)) return;
        (void)effect;
    }
}

BOOL CZAVPToolBar::OnStretchMouseMove(CPoint point)
{
    if (!m_bStretchButton) return FALSE;
    CZAVPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == nullptr) return TRUE;
    if (point.x - pButton->GetRect().left > ZAVPCustomizeDrag::kStretchMinWidth) {
        CClientDC dc(this);
        if (!m_rectTrack.IsRectEmpty()) dc.DrawFocusRect(m_rectTrack);
        m_rectTrack.right = point.x;
        dc.DrawFocusRect(m_rectTrack);
    }
    return TRUE;
}

BOOL CZAVPToolBar::OnStretchLButtonUp(CPoint point)
{
    if (!m_bStretchButton) return FALSE;
    CZAVPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton != nullptr && ZAVPCustomizeDrag::AcceptsStretch(pButton->GetRect(), point.x)) {
        pButton->OnSize(point.x - pButton->GetRect().left);
        AdjustLayout();
    }
    m_bStretchButton = FALSE;
    m_rectTrack.SetRectEmpty();
    m_pDragButton = nullptr;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    ::ReleaseCapture();
    if (m_hwndLastCapture != nullptr && ::IsWindow(m_hwndLastCapture))
        ::SetCapture(m_hwndLastCapture);
    m_hwndLastCapture = nullptr;
    if (CFrameWnd* pFrame = GetTopLevelFrame()) pFrame->RecalcLayout();
    return TRUE;
}

DROPEFFECT CZAVPToolBar::RunButtonDrag(CPoint ptStartClient, BOOL bCopy)
{
    CZAVPToolbarButton* pDragged = m_pDragButton;
    if (pDragged == nullptr) return DROPEFFECT_NONE;
    const HWND hwndSelf = m_hWnd;
    CZAVPToolbarDropSource& source = CZAVPToolbarDropSource::Shared();
    source.OnBeginDrag(this);
    const CSize sizeDrag(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    CPoint ptStartScreen = ptStartClient;
    ClientToScreen(&ptStartScreen);

    // The bar keeps the mouse until the button is released, Esc is pressed or the capture goes.
    ::SetCapture(hwndSelf);
    BOOL bStarted = FALSE, bEscape = FALSE, bDropped = FALSE;
    CZAVPToolBar* pOver = nullptr;
    DROPEFFECT effect = DROPEFFECT_NONE;
    CPoint ptLast = ptStartScreen;
    auto over = [&](CPoint ptScreen, DWORD dwKeys) {
        CZAVPToolBar* pBar = ToolBarAt(ptScreen);
        if (pBar != pOver && pOver != nullptr && ::IsWindow(pOver->GetSafeHwnd()))
            pOver->OnDragLeave();
        pOver = pBar;
        effect = DROPEFFECT_NONE;
        if (pBar != nullptr) {
            CPoint pt = ptScreen;
            pBar->ScreenToClient(&pt);
            effect = pBar->DragOverButton(*pDragged, dwKeys, pt);
        } else {
            source.m_bDragLeft = TRUE;
        }
        source.GiveFeedback(effect);
    };
    MSG msg;
    for (;;) {
        if (::GetCapture() != hwndSelf) break;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage((int)msg.wParam);
            bEscape = TRUE;
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            ptLast = msg.pt;
            if (!bStarted && (std::abs(msg.pt.x - ptStartScreen.x) > sizeDrag.cx ||
                              std::abs(msg.pt.y - ptStartScreen.y) > sizeDrag.cy))
                bStarted = TRUE;
            if (bStarted) over(msg.pt, (DWORD)msg.wParam);
            continue;
        }
        if (msg.message == WM_LBUTTONUP) {
            ptLast = msg.pt;
            if (bStarted) {
                over(msg.pt, (DWORD)msg.wParam);
                if (pOver != nullptr && effect != DROPEFFECT_NONE) {
                    CPoint pt = msg.pt;
                    pOver->ScreenToClient(&pt);
                    bDropped = pOver->DropButton(*pDragged, effect, pt);
                    if (!bDropped) effect = DROPEFFECT_NONE;
                } else if (pOver != nullptr) {
                    pOver->OnDragLeave();
                }
            }
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            bEscape = TRUE;
            if (pOver != nullptr && ::IsWindow(pOver->GetSafeHwnd())) pOver->OnDragLeave();
            break;
        }
        if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_CONTROL) {
            if (bStarted) over(ptLast, ::GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0);
            continue;
        }
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        // A window that went away under the loop ends the drag.
        if (!::IsWindow(hwndSelf)) return DROPEFFECT_NONE;
    }
    if (::GetCapture() == hwndSelf) ::ReleaseCapture();
    source.m_bEscapePressed = bEscape;
    source.m_bDragStarted = bStarted;
    if (!::IsWindow(hwndSelf)) return effect;
    (void)bCopy;
    CPoint ptEnd = ptLast;
    ScreenToClient(&ptEnd);
    FinishButtonDrag(bStarted ? effect : DROPEFFECT_NONE, bEscape || !bStarted, ptEnd);
    return effect;
}

DROPEFFECT CZAVPToolBar::RunOleButtonDrag()
{
    CZAVPToolbarButton* pDragged = m_pDragButton;
    COleDataSource data;
    if (pDragged == nullptr || !pDragged->PutOnDataSource(data)) {
        m_pDragButton = nullptr;
        return DROPEFFECT_NONE;
    }
    CZAVPToolbarDropSource& source = CZAVPToolbarDropSource::Shared();
    source.m_bDragStarted = FALSE;
    CRect rectStart = pDragged->GetRect();
    ClientToScreen(&rectStart);
    const HWND hwndSelf = m_hWnd;
    const DROPEFFECT effect = data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, rectStart,
                                              &source);
    // A bar destroyed during its own drag is not touched.
    if (!::IsWindow(hwndSelf)) return effect;
    POINT ptEnd;
    ::GetCursorPos(&ptEnd);
    ::ScreenToClient(hwndSelf, &ptEnd);
    FinishButtonDrag(effect, source.m_bEscapePressed || !source.m_bDragStarted, ptEnd);
    return effect;
}

DROPEFFECT CZAVPToolBar::DragButtonTo(int iButton, CPoint ptStartClient, CPoint ptEndScreen,
                                      BOOL bCopy, BOOL bCancel)
{
    CZAVPToolbarButton* pButton = GetButton(iButton);
    if (!IsCustomizeMode() || m_bLocked || pButton == nullptr) return DROPEFFECT_NONE;
    SelectButton(iButton);
    if (!pButton->IsEditable() || !pButton->IsStorable() || !pButton->OnDragStart()) {
        SelectButton(-1);
        return DROPEFFECT_NONE;
    }
    m_pDragButton = pButton;
    m_bIsDragCopy = bCopy;
    m_ptStartDrag = ptStartClient;
    CZAVPToolbarDropSource& source = CZAVPToolbarDropSource::Shared();
    source.OnBeginDrag(this);
    const HWND hwndSelf = m_hWnd;
    DROPEFFECT effect = DROPEFFECT_NONE;
    CZAVPToolBar* pTarget = ToolBarAt(ptEndScreen);
    if (pTarget != nullptr) {
        CPoint pt = ptEndScreen;
        pTarget->ScreenToClient(&pt);
        effect = pTarget->DragOverButton(*pButton, bCopy ? MK_CONTROL : 0, pt);
        if (bCancel)
            pTarget->OnDragLeave();
        else if (effect != DROPEFFECT_NONE) {
            if (!pTarget->DropButton(*pButton, effect, pt)) effect = DROPEFFECT_NONE;
        } else {
            pTarget->OnDragLeave();
        }
    }
    source.m_bEscapePressed = bCancel;
    if (!::IsWindow(hwndSelf)) return effect;
    CPoint ptEnd = ptEndScreen;
    ScreenToClient(&ptEnd);
    FinishButtonDrag(effect, bCancel, ptEnd);
    return effect;
}

void CZAVPToolBar::FinishButtonDrag(DROPEFFECT effect, BOOL bEscape, CPoint ptEndClient)
{
    CZAVPToolbarButton* pDragged = m_pDragButton;
    m_pDragButton = nullptr;
    const CPoint ptStart = m_ptStartDrag;
    m_ptStartDrag = CPoint(-1, -1);
    const int iDragged = ButtonToIndex(pDragged);
    CRect rectStart = pDragged != nullptr ? pDragged->GetRect() : CRect(0, 0, 0, 0);
    if (pDragged != nullptr && iDragged >= 0 && !rectStart.PtInRect(ptEndClient) &&
        effect != DROPEFFECT_COPY && !bEscape && CanRemoveDraggedButton(pDragged, effect))
    {
        // Moved to another bar, or dropped on none: it leaves this bar.
        if (m_iSelected == iDragged) m_iSelected = -1;
        RemoveButton(iDragged);
        AdjustLocations();
        Invalidate();
        AdjustLayout();
        if (CFrameWnd* pFrame = GetTopLevelFrame()) pFrame->RecalcLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    } else {
        SetHot(HitTest(ptEndClient));
    }
    (void)ptStart;
}

// ---- the drop side

DROPEFFECT CZAVPToolBar::DragOverButton(const CZAVPToolbarButton& button, DWORD dwKeyState,
                                        CPoint point)
{
    if (m_bLocked || !IsCustomizeMode()) return DROPEFFECT_NONE;
    // The button itself says whether it may be dropped here.
    CZAVPToolbarButton* pProbe = CopyOfButton(button);
    const BOOL bCan = pProbe != nullptr && pProbe->CanBeDropped(this);
    delete pProbe;
    if (!bCan) return DROPEFFECT_NONE;

    m_bIsDragCopy = (dwKeyState & MK_CONTROL) != 0;
    if (m_pDragButton == nullptr && m_pSelToolbar == this) {
        const int iOld = m_iSelected;
        m_iSelected = -1;
        InvalidateButton(iOld);
    }
    CRect rectMark;
    const int iIndex = FindDropIndex(point, rectMark);
    if (rectMark != m_rectDrag || iIndex != m_iDragIndex) {
        InvalidateDropMark();
        m_iDragIndex = iIndex;
        m_rectDrag = rectMark;
        InvalidateDropMark();
        ::UpdateWindow(m_hWnd);
    }
    const int iHot = HitTest(point);
    if (iHot != m_iHighlighted) SetHot(iHot);
    if (iIndex < 0) return DROPEFFECT_NONE;
    return m_bIsDragCopy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CZAVPToolBar::InvalidateDropMark()
{
    if (m_rectDrag.IsRectEmpty() || m_hWnd == nullptr) return;
    CRect rect = m_rectDrag;
    rect.InflateRect(2, 2);
    InvalidateRect(rect);
}

void CZAVPToolBar::OnDragLeave()
{
    InvalidateDropMark();
    m_rectDrag.SetRectEmpty();
    m_iDragIndex = -1;
    if (m_hWnd != nullptr) ::UpdateWindow(m_hWnd);
    CZAVPToolbarDropSource::Shared().m_bDragLeft = TRUE;
}

BOOL CZAVPToolBar::DropButton(const CZAVPToolbarButton& button, DROPEFFECT dropEffect, CPoint point)
{
    int iDrop = m_iDragIndex;
    if (iDrop < 0) {
        CRect rectMark;
        iDrop = FindDropIndex(point, rectMark);
    }
    if (iDrop < 0) return FALSE;
    // This bar's own dragged button is taken now: what happens to it is the drop's.
    CZAVPToolbarButton* pOwnDragged = m_pDragButton;
    m_pDragButton = nullptr;
    const CPoint ptStart = m_ptStartDrag;
    OnDragLeave();

    CZAVPToolbarButton* pNew = CopyOfButton(button);
    if (pNew == nullptr) return FALSE;
    PrepareDroppedButton(*pNew);
    if (!pNew->CanBeDropped(this)) {
        delete pNew;
        return TRUE;
    }

    if (pOwnDragged != nullptr && dropEffect != DROPEFFECT_COPY) {
        const int iOld = ButtonToIndex(pOwnDragged);
        if (iOld >= 0) {
            const BOOL bHorz = LaysOutInRows();
            const int nDistance = bHorz ? point.x - ptStart.x : point.y - ptStart.y;
            const CZAVPToolbarButton* pBefore = GetButton(iOld - 1);
            const bool bSepBefore = pBefore != nullptr && pBefore->IsSeparator();
            switch (ZAVPCustomizeDrag::InPlaceDrop(iOld, iDrop, nDistance, bSepBefore)) {
            case ZAVPCustomizeDrag::kAddSeparator:
                InsertSeparator(iOld);
                // fall through
            case ZAVPCustomizeDrag::kNothing:
                delete pNew;
                AdjustLayout();
                return TRUE;
            case ZAVPCustomizeDrag::kRemoveSeparator:
                RemoveButton(iOld - 1);
                delete pNew;
                AdjustLayout();
                return TRUE;
            case ZAVPCustomizeDrag::kMove: break;
            }
            const int nCountBefore = GetCount();
            RemoveButton(iOld);
            // Removing may have taken a separator too: the index follows what went before it.
            const int nRemoved = nCountBefore - GetCount();
            if (iOld < iDrop) iDrop -= std::min(nRemoved, iDrop - iOld);
            iDrop = std::min(iDrop, GetCount() - (m_pCustomizeBtn != nullptr ? 1 : 0));
        }
    }
    if (InsertButton(pNew, iDrop) < 0) {
        delete pNew;
        return FALSE;
    }
    AdjustLayout();
    m_iSelected = -1;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    return TRUE;
}

int CZAVPToolBar::FindDropIndex(CPoint point, CRect& rectMark)
{
    std::vector<CRect> rects;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pButton = static_cast<const CZAVPToolbarButton*>(
            m_Buttons.GetNext(pos));
        const bool bShown = pButton->IsVisible() && !(pButton->m_nStyle & TBBS_HIDDEN);
        rects.push_back(bShown ? pButton->GetRect() : CRect(0, 0, 0, 0));
    }
    CRect rectClient;
    GetClientRect(rectClient);
    const ZAVPCustomizeDrag::DropPlace place = ZAVPCustomizeDrag::FindDropIndex(
        rects, m_pCustomizeBtn != nullptr, LaysOutInRows() != FALSE, point, GetRowHeight(),
        rectClient);
    rectMark = place.rectMark;
    return place.iIndex;
}

void CZAVPToolBar::DrawDragMarker(CDC* pDC)
{
    CPen pen(PS_SOLID, kMarkerPenWidth, globalData.clrBtnText);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const BOOL bHorz = LaysOutInRows();
    const CRect& r = m_rectDrag;
    for (int i = 0; i < 2; ++i) {
        if (bHorz) {
            const int x = (r.right - r.left) / 2 + r.left - 1 + i;
            pDC->MoveTo(x, r.top);
            pDC->LineTo(x, r.bottom);
            pDC->MoveTo(r.left, r.top + i);
            pDC->LineTo(r.right, r.top + i);
            pDC->MoveTo(r.left, r.bottom - 1 - i);
            pDC->LineTo(r.right, r.bottom - 1 - i);
        } else {
            const int y = (r.bottom - r.top) / 2 + r.top - 1 + i;
            pDC->MoveTo(r.left, y);
            pDC->LineTo(r.right, y);
            pDC->MoveTo(r.left + i, r.top);
            pDC->LineTo(r.left + i, r.bottom);
            pDC->MoveTo(r.right - 1 - i, r.top);
            pDC->LineTo(r.right - 1 - i, r.bottom);
        }
    }
    pDC->SelectObject(pOldPen);
}

// ---- OLE entry points (used where OLE drag and drop is initialised)

CZAVPToolbarButton* CZAVPToolBar::CreateDroppedButton(COleDataObject* pDataObject)
{
    CZAVPToolbarButton* pButton = CZAVPToolbarButton::CreateFromOleData(pDataObject);
    if (pButton != nullptr) PrepareDroppedButton(*pButton);
    return pButton;
}

DROPEFFECT CZAVPToolBar::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CZAVPToolBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CZAVPToolbarButton* pButton = CreateDroppedButton(pDataObject);
    if (pButton == nullptr) return DROPEFFECT_NONE;
    const DROPEFFECT effect = DragOverButton(*pButton, dwKeyState, point);
    delete pButton;
    return effect;
}

BOOL CZAVPToolBar::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    CZAVPToolbarButton* pButton = CreateDroppedButton(pDataObject);
    if (pButton == nullptr) return FALSE;
    const BOOL bDone = DropButton(*pButton, dropEffect, point);
    delete pButton;
    return bDone;
}

// ---- the button context menu

void CZAVPToolBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (IsCustomizeMode() && m_bLocked) {
        ::MessageBeep((UINT)-1);
        return;
    }
    if (m_pDragButton != nullptr || IsCapturing()) return;
    SetHot(-1);
    if (!IsCustomizeMode()) {
        CZAVPBaseToolBar::OnContextMenu(pWnd, point);
        return;
    }
    SetFocus();
    CPoint ptClient = point;
    const BOOL bKeyboard = point.x == -1 && point.y == -1;
    if (bKeyboard) {
        ptClient = CPoint(kKeyboardMenuOffset, kKeyboardMenuOffset);
        point = ptClient;
        ClientToScreen(&point);
    } else {
        ScreenToClient(&ptClient);
    }
    const int iHit = bKeyboard ? m_iSelected : HitTest(ptClient);
    SelectButton(iHit);
    CZAVPToolbarButton* pButton = GetButton(iHit);
    if (pButton == nullptr) return;
    if (!pButton->IsEditable()) {
        SelectButton(-1);
        return;
    }
    if (!pButton->IsStorable()) return;
    CMenu menu;
    if (!menu.Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_ZAVP_BUTTON_MENU))))
        return;
    HMENU hPopup = ::GetSubMenu(menu.GetSafeHmenu(), 0);
    CMenu popup;
    popup.Attach(hPopup);
    if (pButton->IsLocked())
        ::EnableMenuItem(hPopup, ID_ZAVP_BUTTON_RESET, MF_BYCOMMAND | MF_GRAYED);
    if (EnableContextMenuItems(pButton, &popup))
        ::TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd,
                         nullptr);
    popup.Detach();
}

BOOL CZAVPToolBar::EnableContextMenuItems(CZAVPToolbarButton* pButton, CMenu* pPopup)
{
    if (pButton == nullptr || pPopup == nullptr) return FALSE;
    const HMENU hMenu = pPopup->GetSafeHmenu();
    const int iIndex = ButtonToIndex(pButton);
    const CZAVPToolbarButton* pBefore = GetButton(iIndex - 1);
    if (!pButton->OnCustomizeMenu(pPopup)) {
        ZAVPCustomizeDrag::ButtonFacts facts = {};
        const BOOL bHorz = IsHorizontal();
        facts.bHasCommand = IsRealCommand(pButton->m_nID);
        facts.bShowsImage = pButton->m_bImage != FALSE;
        facts.bHasImage = pButton->GetImage() >= 0;
        facts.bTextBelowHorz = pButton->m_bTextBelow && bHorz;
        facts.bShowsText = pButton->m_bText || facts.bTextBelowHorz;
        facts.bMenuMode = m_bMenuMode != FALSE;
        facts.bLocked = pButton->IsLocked() != FALSE;
        const ZAVPCustomizeDrag::MenuStates states = ZAVPCustomizeDrag::ContextMenuStates(
            facts, ID_ZAVP_BUTTON_IMAGE, ID_ZAVP_BUTTON_TEXT, ID_ZAVP_BUTTON_IMAGE_AND_TEXT);
        auto enable = [hMenu](UINT uiCmd, bool bEnable) {
            ::EnableMenuItem(hMenu, uiCmd, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
        };
        enable(ID_ZAVP_BUTTON_COPY_IMAGE, states.bCopyImageEnabled);
        if (!states.bResetEnabled) enable(ID_ZAVP_BUTTON_RESET, false);
        enable(ID_ZAVP_BUTTON_IMAGE, states.bImageEnabled);
        enable(ID_ZAVP_BUTTON_TEXT, states.bTextEnabled);
        enable(ID_ZAVP_BUTTON_IMAGE_AND_TEXT, states.bImageAndTextEnabled);
        ::CheckMenuRadioItem(hMenu, ID_ZAVP_BUTTON_IMAGE, ID_ZAVP_BUTTON_IMAGE_AND_TEXT,
                             states.uiChecked, MF_BYCOMMAND);
        if (facts.bMenuMode) pButton->m_bText = TRUE;
    }
    ::EnableMenuItem(hMenu, ID_ZAVP_BUTTON_BEGIN_GROUP,
                     MF_BYCOMMAND | (iIndex > 0 ? MF_ENABLED : MF_GRAYED));
    ::CheckMenuItem(hMenu, ID_ZAVP_BUTTON_BEGIN_GROUP,
                    MF_BYCOMMAND |
                        (pBefore != nullptr && pBefore->IsSeparator() ? MF_CHECKED : MF_UNCHECKED));
    return TRUE;
}

BOOL CZAVPToolBar::OnButtonCommand(UINT uiCmd)
{
    if (uiCmd < ID_ZAVP_BUTTON_RESET || uiCmd > ID_ZAVP_BUTTON_NEW) return FALSE;
    CZAVPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == nullptr) return TRUE;
    auto relayout = [this]() {
        AdjustLayout();
        if (CFrameWnd* pFrame = GetTopLevelFrame()) pFrame->RecalcLayout();
    };
    switch (uiCmd) {
    case ID_ZAVP_BUTTON_RESET: {
        const BOOL bUserTool = g_pUserToolsManager != nullptr &&
                               g_pUserToolsManager->FindTool(pButton->m_nID) != nullptr;
        if (!bUserTool) {
            const int iImage = GetDefaultImage(pButton->m_nID);
            if (iImage >= 0) {
                pButton->m_bUserButton = FALSE;
                pButton->SetImage(iImage);
                pButton->m_bImage = TRUE;
            } else {
                pButton->m_bImage = FALSE;
            }
        }
        pButton->m_bText = m_bMenuMode ? TRUE : !pButton->m_bImage;
        SetDefaultButtonText(pButton);
        AdjustLayout();
        GetCommandManager()->ForgetUserImage(pButton->m_nID);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        return TRUE;
    }
    case ID_ZAVP_BUTTON_COPY_IMAGE: {
        const PaintStrips strips = GetPaintStrips();
        if (pButton->GetImage() >= 0 && strips.pImages != nullptr)
            strips.pImages->CopyImageToClipboard(pButton->GetImage());
        return TRUE;
    }
    case ID_ZAVP_BUTTON_DELETE: {
        const int iIndex = m_iSelected;
        m_iSelected = -1;
        RemoveButton(iIndex);
        relayout();
        return TRUE;
    }
    case ID_ZAVP_BUTTON_IMAGE: {
        const BOOL bOldText = pButton->m_bText, bOldImage = pButton->m_bImage;
        pButton->m_bText = FALSE;
        pButton->m_bImage = TRUE;
        // A button without an image gets one chosen in the dialog, or stays as it was.
        if (pButton->GetImage() < 0 && RunAppearanceDialog(pButton) != IDOK) {
            pButton->m_bText = bOldText;
            pButton->m_bImage = bOldImage;
        }
        relayout();
        return TRUE;
    }
    case ID_ZAVP_BUTTON_TEXT:
    case ID_ZAVP_BUTTON_IMAGE_AND_TEXT: {
        const BOOL bBoth = uiCmd == ID_ZAVP_BUTTON_IMAGE_AND_TEXT;
        const BOOL bOldText = pButton->m_bText, bOldImage = pButton->m_bImage;
        pButton->m_bText = TRUE;
        pButton->m_bImage = bBoth;
        if (bBoth && pButton->GetImage() < 0 && RunAppearanceDialog(pButton) != IDOK) {
            pButton->m_bText = bOldText;
            pButton->m_bImage = bOldImage;
            relayout();
            return TRUE;
        }
        if (pButton->m_strText.IsEmpty()) SetDefaultButtonText(pButton);
        if (pButton->m_strText.IsEmpty()) {
            // Nothing to show as text: the button stays an image.
            ::MessageBeep((UINT)-1);
            pButton->m_bText = FALSE;
            pButton->m_bImage = TRUE;
        }
        relayout();
        return TRUE;
    }
    case ID_ZAVP_BUTTON_BEGIN_GROUP: {
        const int iIndex = m_iSelected;
        const CZAVPToolbarButton* pBefore = GetButton(iIndex - 1);
        if (pBefore != nullptr && pBefore->IsSeparator()) {
            RemoveButton(iIndex - 1);
            m_iSelected = ButtonToIndex(pButton);
        } else if (iIndex > 0 && InsertSeparator(iIndex) >= 0) {
            m_iSelected = iIndex + 1;
        }
        relayout();
        return TRUE;
    }
    case ID_ZAVP_BUTTON_APPEARANCE:
        if (pButton->m_strText.IsEmpty()) SetDefaultButtonText(pButton);
        if (RunAppearanceDialog(pButton) == IDOK) {
            relayout();
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        }
        return TRUE;
    case ID_ZAVP_BUTTON_NEW: {
        auto* pNew = new CZAVPToolbarMenuButton;
        pNew->m_bText = TRUE;
        pNew->m_bImage = FALSE;
        if (RunAppearanceDialog(pNew) != IDOK) {
            delete pNew;
            return TRUE;
        }
        const int iInserted = InsertButton(pNew, m_iSelected);
        if (iInserted < 0) {
            delete pNew;
            return TRUE;
        }
        SelectButton(iInserted);
        AdjustLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        pNew->OnChangeParentWnd(this);
        return TRUE;
    }
    default: return FALSE;
    }
}

INT_PTR CZAVPToolBar::RunAppearanceDialog(CZAVPToolbarButton* pButton)
{
    CZAVPButtonAppearanceDlg dlg(pButton, ZAVPSharedBarData::g_pUserImages, this, 0, m_bMenuMode);
    return dlg.DoModal();
}
