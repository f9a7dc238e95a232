// The popup menu's looks: its frame parts, the drop shadow, the opening animation and the
// scrolling of menus taller than the screen.
#include "ui/toolbars/CZAVPPopupMenu.h"

#include <vector>

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPPopupEffects.h"
#include "ui/toolbars/ZAVPPopupFrame.h"

namespace
{
const UINT_PTR kAnimationTimer = 1;
const UINT_PTR kScrollTimer = 2;
const int kShadowMinBrightness = 100;
const int kMenuShadowBrightness = 65;
const UINT kShowBarNoRedraw = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW |
                              SWP_NOACTIVATE | SWP_SHOWWINDOW;  // 0x5F
const UINT kRepaintUncovered = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;

// A memory DC over a new bitmap of the size, compatible with the screen.
class MemoryCanvas
{
public:
    MemoryCanvas(HDC hdcRef, int cx, int cy)
        : m_hdc(::CreateCompatibleDC(hdcRef)), m_hbm(::CreateCompatibleBitmap(hdcRef, cx, cy))
    {
        m_hOld = ::SelectObject(m_hdc, m_hbm);
        m_dc.Attach(m_hdc);
    }
    ~MemoryCanvas()
    {
        m_dc.Detach();
        ::SelectObject(m_hdc, m_hOld);
        ::DeleteObject(m_hbm);
        ::DeleteDC(m_hdc);
    }
    CDC* dc() { return &m_dc; }
    HDC hdc() const { return m_hdc; }

private:
    HDC m_hdc;
    HBITMAP m_hbm;
    HGDIOBJ m_hOld;
    CDC m_dc;
};

// The screen pixels of a rectangle, kept in a bitmap.
void CaptureScreen(CBitmap& bitmap, const CRect& rectScreen)
{
    bitmap.DeleteObject();
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, rectScreen.Width(), rectScreen.Height());
    HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
    ::BitBlt(hdcMem, 0, 0, rectScreen.Width(), rectScreen.Height(), hdcScreen, rectScreen.left,
             rectScreen.top, SRCCOPY);
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
    ::ReleaseDC(nullptr, hdcScreen);
    bitmap.Attach(hbm);
}

void DrawBitmap(HDC hdc, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc, int ySrc)
{
    if (bitmap.GetSafeHandle() == nullptr) return;
    HDC hdcMem = ::CreateCompatibleDC(hdc);
    HGDIOBJ hOld = ::SelectObject(hdcMem, bitmap.GetSafeHandle());
    ::BitBlt(hdc, x, y, cx, cy, hdcMem, xSrc, ySrc, SRCCOPY);
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
}
}  // namespace

// ---- shadow

void CZAVPPopupMenu::CheckShadow()
{
    if (m_iShadowSize <= 0 || CZAVPToolBar::IsCustomizeMode()) return;
    CWnd* pTop = GetTopLevelOwner();
    CRect rectMenu(m_xPos, m_yPos, m_xPos + m_nFinalWidth + m_iShadowSize,
                   m_yPos + m_nFinalHeight + m_iShadowSize);
    CRect rectTop;
    if (pTop == nullptr || pTop->GetSafeHwnd() == nullptr) {
        rectTop.SetRectEmpty();
    } else {
        pTop->GetWindowRect(rectTop);
    }
    if (!ZAVPPopupFrame::ShadowFits(rectMenu, rectTop)) {
        // A shadow is dropped, not clipped, where it would fall outside the application.
        m_iShadowSize = 0;
        SetWindowPos(nullptr, 0, 0, m_nFinalWidth, m_nFinalHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // The shadow is computed from the finished picture of the window below.
    pTop->UpdateWindow();
    if (CZAVPPopupMenu* pParent = GetParentPopupMenu()) pParent->UpdateWindow();
    CaptureScreen(m_bmpScreen, rectMenu);
    m_bmpShadowRight.DeleteObject();
    m_bmpShadowBottom.DeleteObject();
}

void CZAVPPopupMenu::UpdateAllShadows()
{
    for (CZAVPPopupMenu* pPopup = m_pActivePopupMenu; pPopup != nullptr;
         pPopup = pPopup->GetParentPopupMenu())
    {
        if (pPopup->GetSafeHwnd() == nullptr || pPopup->m_iShadowSize <= 0) continue;
        CWnd* pTop = pPopup->GetTopLevelOwner();
        pPopup->SetWindowPos(nullptr, 0, 0, pPopup->m_nFinalWidth, pPopup->m_nFinalHeight,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        if (pTop != nullptr) pTop->RedrawWindow(nullptr, nullptr, kRepaintUncovered);
        pPopup->CheckShadow();
        pPopup->SetWindowPos(nullptr, 0, 0, pPopup->m_nFinalWidth + pPopup->m_iShadowSize,
                             pPopup->m_nFinalHeight + pPopup->m_iShadowSize,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pPopup->Invalidate();
    }
}

// ---- painting

BOOL CZAVPPopupMenu::OnEraseBkgnd(CDC*) { return TRUE; }

void CZAVPPopupMenu::DrawFrame(CDC* pDC)
{
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    const CRect rectMenu(0, 0, m_nFinalWidth, m_nFinalHeight);
    if (m_iShadowSize > 0 && !CZAVPToolBar::IsCustomizeMode()) {
        if (m_bmpShadowRight.GetSafeHandle() == nullptr) {
            // The screen under the strips is shaded once, then kept.
            DrawBitmap(pDC->GetSafeHdc(), m_bmpScreen, m_nFinalWidth, 0, m_iShadowSize,
                       m_nFinalHeight + m_iShadowSize, m_nFinalWidth, 0);
            DrawBitmap(pDC->GetSafeHdc(), m_bmpScreen, 0, m_nFinalHeight,
                       m_nFinalWidth + m_iShadowSize, m_iShadowSize, 0, m_nFinalHeight);
        }
        CRect rectExclude;
        rectExclude.SetRectEmpty();
        pManager->OnDrawMenuShadow(pDC, rectMenu, rectExclude, m_iShadowSize, kShadowMinBrightness,
                                   kMenuShadowBrightness, &m_bmpShadowBottom, &m_bmpShadowRight);
    }
    pDC->FillSolidRect(rectMenu, globalData.clrBtnFace);
    pManager->OnDrawMenuBorder(pDC, this, rectMenu);

    if (!m_rectTearOff.IsRectEmpty())
        pManager->OnDrawTearOffCaption(pDC, m_rectTearOff, m_bIsTearOffCaptionActive);

    for (int nDirection : {-1, 1}) {
        const CRect& rect = nDirection < 0 ? m_rectScrollUp : m_rectScrollDn;
        if (rect.IsRectEmpty()) continue;
        CZAVPToolbarButton button;
        CZAVPToolbarButton* pFill = &button;
        pManager->OnFillButtonInterior(pDC, pFill, rect,
                                       m_iScrollMode == nDirection
                                           ? CZAVPVisualManager::ButtonsIsHighlighted
                                           : CZAVPVisualManager::ButtonsIsRegular);
        const CSize sizeGlyph = CZAVPMenuGlyphs::GetSize();
        const CPoint pt(rect.left + (rect.Width() - sizeGlyph.cx) / 2,
                        rect.top + (rect.Height() - sizeGlyph.cy) / 2);
        CZAVPMenuGlyphs::Draw(
            pDC, nDirection < 0 ? CZAVPMenuGlyphs::IdArrowUp : CZAVPMenuGlyphs::IdArrowDown, pt);
        if (m_iScrollMode == nDirection)
            pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
    }
}

void CZAVPPopupMenu::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    CDC dc;
    dc.Attach(hdc);
    if (!m_bAnimationIsDone)
        DrawAnimation(&dc);
    else
        DrawFrame(&dc);
    dc.Detach();
    ::EndPaint(m_hWnd, &ps);
    if (m_bAnimationIsDone) m_bShown = TRUE;
}

// ---- animation

void CZAVPPopupMenu::DrawAnimation(CDC* pDC)
{
    const int cx = m_nFinalWidth + m_iShadowSize;
    const int cy = m_nFinalHeight + m_iShadowSize;
    if (cx <= 0 || cy <= 0) return;

    // The finished menu, drawn once off-screen: frame, then the items at the bar's place.
    MemoryCanvas menu(pDC->GetSafeHdc(), cx, cy);
    DrawBitmap(menu.hdc(), m_bmpScreen, 0, 0, cx, cy, 0, 0);
    DrawFrame(menu.dc());
    CRect rectBar;
    GetMenuBar()->GetWindowRect(rectBar);
    ScreenToClient(rectBar);
    POINT ptOld;
    ::SetViewportOrgEx(menu.hdc(), rectBar.left, rectBar.top, &ptOld);
    GetMenuBar()->DoPaint(menu.dc());
    ::SetViewportOrgEx(menu.hdc(), ptOld.x, ptOld.y, nullptr);

    if (m_nAnimationType == ZAVPPopupEffects::AnimationFade) {
        // Screen and menu blended pixel by pixel in 32-bit colour.
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> pixMenu((size_t)cx * cy), pixScreen((size_t)cx * cy);
        ::GetDIBits(menu.hdc(), (HBITMAP)::GetCurrentObject(menu.hdc(), OBJ_BITMAP), 0, cy,
                    pixMenu.data(), &bmi, DIB_RGB_COLORS);
        if (m_bmpScreen.GetSafeHandle() != nullptr)
            ::GetDIBits(menu.hdc(), (HBITMAP)m_bmpScreen.GetSafeHandle(), 0, cy, pixScreen.data(),
                        &bmi, DIB_RGB_COLORS);
        const int nWeight = m_iFadePercent > 100 ? 100 : m_iFadePercent;
        for (size_t i = 0; i < pixMenu.size(); ++i) {
            const DWORD m = pixMenu[i], s = pixScreen[i];
            DWORD r = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const DWORD cm = (m >> shift) & 0xFF, cs = (s >> shift) & 0xFF;
                r |= ((cm * nWeight + cs * (100 - nWeight)) / 100) << shift;
            }
            pixMenu[i] = r;
        }
        ::SetDIBitsToDevice(pDC->GetSafeHdc(), 0, 0, cx, cy, 0, 0, 0, cy, pixMenu.data(), &bmi,
                            DIB_RGB_COLORS);
        return;
    }
    // Unfold and slide show the part grown so far, anchored at the side the menu grows from.
    const int w = m_AnimSize.cx < cx ? m_AnimSize.cx : cx;
    const int h = m_AnimSize.cy < cy ? m_AnimSize.cy : cy;
    const int xDst = m_bAnimateRight ? 0 : cx - w;
    const int yDst = m_bAnimateDown ? 0 : cy - h;
    ::BitBlt(pDC->GetSafeHdc(), xDst, yDst, w, h, menu.hdc(), m_bAnimateRight ? cx - w : 0,
             m_bAnimateDown ? cy - h : 0, SRCCOPY);
}

void CZAVPPopupMenu::OnAnimationTick()
{
    const DWORD dwNow = ::GetTickCount();
    ZAVPPopupEffects::AnimationState state = {m_AnimSize, m_iFadePercent, m_bAnimationIsDone};
    state = ZAVPPopupEffects::StepAnimation((ZAVPPopupEffects::AnimationType)m_nAnimationType,
                                            state, CSize(m_nFinalWidth, m_nFinalHeight),
                                            m_iShadowSize, GetMenuBar()->GetColumnWidth(),
                                            GetMenuBar()->GetRowHeight(), dwNow - m_dwLastTick);
    m_dwLastTick = dwNow;
    m_AnimSize = state.size;
    m_iFadePercent = state.nFade;
    if (state.bDone) {
        KillTimer(kAnimationTimer);
        m_bAnimationIsDone = TRUE;
        GetMenuBar()->SetWindowPos(nullptr, 0, 0, 0, 0, kShowBarNoRedraw);
        GetMenuBar()->ValidateRect(nullptr);
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// ---- scrolling

void CZAVPPopupMenu::StartScrolling(int nDirection)
{
    m_iScrollMode = nDirection;
    InvalidateRect(nDirection < 0 ? m_rectScrollUp : m_rectScrollDn);
    SetTimer(kScrollTimer, ZAVPPopupEffects::kScrollPeriodMs, nullptr);
}

void CZAVPPopupMenu::OnScrollTick()
{
    // An open sub-menu would hang beside rows that moved away.
    for (int i = 0; i < m_wndMenuBar.GetCount(); ++i) {
        CZAVPToolbarMenuButton* pButton = dynamic_cast<CZAVPToolbarMenuButton*>(
            m_wndMenuBar.GetButton(i));
        if (pButton != nullptr && pButton->m_pPopupMenu != nullptr) pButton->OnCancelMode();
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    const CRect& rectButton = m_iScrollMode < 0 ? m_rectScrollUp : m_rectScrollDn;
    int nOffset = m_wndMenuBar.GetOffset();
    if (!ZAVPPopupEffects::ScrollTick(m_iScrollMode, rectButton.PtInRect(pt),
                                      !rectButton.IsRectEmpty(), nOffset))
    {
        KillTimer(kScrollTimer);
        m_iScrollMode = 0;
        InvalidateRect(m_rectScrollUp);
        InvalidateRect(m_rectScrollDn);
        return;
    }
    m_wndMenuBar.SetOffset(nOffset);
    LayOutBar();
    Invalidate();
}

void CZAVPPopupMenu::ScrollToHighlighted()
{
    if (!m_bScrollable) return;
    CZAVPToolbarButton* pHot = GetMenuBar()->GetButton(GetMenuBar()->GetHotButton());
    if (pHot == nullptr) return;
    CRect rectBar;
    GetMenuBar()->GetClientRect(rectBar);
    const int nOffset = ZAVPPopupEffects::OffsetToShowItem(
        GetMenuBar()->GetOffset(), pHot->m_rect.top, pHot->m_rect.bottom, rectBar.top,
        rectBar.bottom, GetMenuBar()->GetRowHeight(), GetMenuBar()->GetCount(), m_nFinalHeight);
    if (nOffset != GetMenuBar()->GetOffset()) {
        GetMenuBar()->SetOffset(nOffset);
        LayOutBar();
        Invalidate();
    }
}

void CZAVPPopupMenu::InvalidateParentButtonUnderShadow()
{
    CZAVPToolBar* pBar = GetParentToolBar();
    if (m_iShadowSize <= 0 || pBar == nullptr || pBar->GetSafeHwnd() == nullptr ||
        m_pParentBtn == nullptr)
        return;
    // The strips one pixel beyond the menu's right and bottom edges, as deep as the shadow.
    CRect rectWindow(m_xPos, m_yPos, m_xPos + m_nFinalWidth, m_yPos + m_nFinalHeight);
    const CRect rectRight(rectWindow.right, rectWindow.top, rectWindow.right + m_iShadowSize + 1,
                          rectWindow.bottom + m_iShadowSize + 1);
    const CRect rectBottom(rectWindow.left, rectWindow.bottom, rectWindow.right + m_iShadowSize + 1,
                           rectWindow.bottom + m_iShadowSize + 1);
    CRect rectButton = m_pParentBtn->m_rect;
    pBar->ClientToScreen(rectButton);
    for (const CRect& rectStrip : {rectRight, rectBottom}) {
        CRect rectCovered;
        if (!rectCovered.IntersectRect(rectButton, rectStrip)) continue;
        pBar->ScreenToClient(rectCovered);
        pBar->InvalidateRect(rectCovered);
    }
    // The button repaints now, with this menu counted as shown.
    const BOOL bShown = m_bShown;
    m_bShown = TRUE;
    pBar->UpdateWindow();
    m_bShown = bShown;
}

void CZAVPPopupMenu::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAnimationTimer)
        OnAnimationTick();
    else if (nIDEvent == kScrollTimer)
        OnScrollTick();
    else
        Default();
}
