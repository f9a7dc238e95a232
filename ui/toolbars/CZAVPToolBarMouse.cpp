// The toolbar's painting and its mouse and keyboard handling outside customisation: hot tracking,
// pressing and releasing buttons, sending their commands, and the status-bar prompts.
#include "ui/toolbars/CZAVPToolBar.h"

#include "framework/CDC.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPMenuSound.h"
#include "ui/toolbars/ZAVPMouseLeave.h"
#include "ui/toolbars/ZAVPBufferedPaint.h"
#include "ui/foundation/ZAVPWindowChecks.h"
#include "framework/AfxMsgMap.h"

namespace
{
const int kSelectionFrameWidth = 2;  // the frame round the button selected while customising
}  // namespace

// ---- painting

BOOL CZAVPToolBar::IsButtonHighlighted(int iButton) const
{
    if (IsCustomizeMode() && !m_bLocked) return FALSE;
    if (m_bMenuMode) return iButton == m_iHighlighted;
    if (m_iButtonCapture >= 0) return iButton == m_iButtonCapture;
    return iButton == m_iHighlighted;
}

CZAVPToolBar::PaintStrips CZAVPToolBar::GetPaintStrips() const
{
    if (m_pLookSource != nullptr) return m_pLookSource->GetPaintStrips();
    auto strip = [this](StripKind kind, CZAVPImageStrip& shared) {
        return m_bLocked ? const_cast<CZAVPImageStrip*>(&m_OwnStrips[kind]) : &shared;
    };
    PaintStrips strips = {strip(kImagesStrip, m_Images), strip(kDisabledStrip, m_DisabledImages)};
    CZAVPImageStrip* pMenu = strip(kMenuStrip, m_MenuImages);
    CZAVPImageStrip* pLarge = strip(kLargeImagesStrip, m_LargeImages);
    if (m_bMenuMode) {
        if (pMenu->GetCount() > 0)
            strips = {pMenu, strip(kMenuDisabledStrip, m_DisabledMenuImages)};
    } else if (m_bLargeIcons && m_bLargeIconsAreEnbaled && pLarge->GetCount() > 0)
        strips = {pLarge, strip(kLargeDisabledStrip, m_LargeDisabledImages)};
    if (strips.pDisabled->GetCount() == 0) strips.pDisabled = nullptr;
    return strips;
}

void CZAVPToolBar::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    ZAVPBufferedPaint buffer(pDCPaint, rectClient);
    CDC* pDC = buffer.DC();

    CZAVPBaseToolBar::DoPaint(pDC);  // the visual manager fills the background
    OnFillBackground(pDC);

    const BOOL bHorz = LaysOutInRows();
    const PaintStrips strips = GetPaintStrips();
    const SIZE sizeImage = m_bMenuMode && strips.pImages != &m_Images &&
                                   strips.pImages != &m_OwnStrips[kImagesStrip]
                               ? GetMenuImageSize()
                               : SIZE(GetImageSize());

    // Menu items read across whatever the bar's orientation.
    CFont& font = bHorz || m_bMenuMode ? globalData.fontRegular : globalData.fontVert;
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), font.GetSafeHandle() != nullptr
                                                             ? font.GetSafeHandle()
                                                             : ::GetStockObject(DEFAULT_GUI_FONT));
    CRect rectClip;
    pDCPaint->GetClipBox(rectClip);
    // Two passes, one a strip: a strip draws only between its prepare and end. Disabled buttons
    // take the disabled strip when it has images, the others the normal one.
    for (CZAVPImageStrip* pPass : {strips.pImages, strips.pDisabled}) {
        if (pPass == nullptr) continue;
        const bool bDisabledPass = pPass == strips.pDisabled;
        CZAVPDrawState ds;
        const BOOL bPrepared = pPass->GetCount() > 0 && pPass->PrepareDrawImage(ds, sizeImage);
        int i = 0;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr; ++i) {
            CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
            if ((pButton->m_nStyle & TBBS_HIDDEN) || !pButton->IsVisible()) continue;
            const bool bDisabledStrip = strips.pDisabled != nullptr &&
                                        (pButton->m_nStyle & TBBS_DISABLED) != 0 &&
                                        !pButton->IsSeparator();
            if (bDisabledStrip != bDisabledPass) continue;
            if (pButton->IsSeparator()) {
                CRect rect;
                GetSeparatorRect(pButton, rect, bHorz);
                CRect rectInter;
                // A row's closing separator lies across the bar: its line runs along it.
                if (rectInter.IntersectRect(rect, rectClip))
                    DrawSeparator(pDC, rect, bHorz && !pButton->IsWrapped());
                continue;
            }
            DrawButton(pDC, pButton, bPrepared ? pPass : nullptr, IsButtonHighlighted(i),
                       bDisabledPass);
        }
        if (bPrepared) pPass->EndDrawImage(ds);
    }
    // The button the customisation commands act on: only the bar holding the selection shows it.
    if (IsCustomizeMode() && !m_bLocked && m_pSelToolbar == this) {
        const CZAVPToolbarButton* pSelected = GetButton(m_iSelected);
        if (pSelected != nullptr && !pSelected->IsSeparator()) {
            CRect rectFrame = pSelected->GetRect();
            CBrush brFrame(globalData.clrBtnText);
            for (int i = 0; i < kSelectionFrameWidth; ++i) {
                pDC->FrameRect(rectFrame, &brFrame);
                rectFrame.DeflateRect(1, 1);
            }
        }
    }
    // Where a dragged button would go.
    if (!m_rectDrag.IsRectEmpty()) DrawDragMarker(pDC);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}

void CZAVPToolBar::GetSeparatorRect(CZAVPToolbarButton* pButton, CRect& rect, BOOL bHorz) const
{
    rect = pButton->GetRect();
    if (!bHorz || !pButton->IsWrapped()) return;
    // A separator that ends a row stands for the gap between the rows: across the whole bar.
    CRect rectClient;
    GetClientRect(rectClient);
    rect.left = rectClient.left;
    rect.right = rectClient.right;
    rect.top = rect.bottom;
    rect.bottom = rect.top + ZAVPToolBarLayout::kRowGap;
}

BOOL CZAVPToolBar::DrawButton(CDC* pDC, CZAVPToolbarButton* pButton, CZAVPImageStrip* pImages,
                              BOOL bHighlighted, BOOL bDrawDisabledImages)
{
    if (!pButton->IsVisible() || !pDC->RectVisible(&pButton->m_rect)) return TRUE;
    const BOOL bCustomizeLook = IsCustomizeMode() && !m_bLocked;
    pButton->OnDraw(pDC, pButton->m_rect, pImages, LaysOutInRows(), bCustomizeLook, bHighlighted,
                    m_bDrawBorders, m_bGrayDisabledButtons && !bDrawDisabledImages);
    return TRUE;
}

void CZAVPToolBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz)
{
    CZAVPVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, bHorz);
}

BOOL CZAVPToolBar::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CZAVPToolBar::OnNcHitTest(CPoint) { return HTCLIENT; }

void CZAVPToolBar::GetInvalidateItemRect(int iIndex, LPRECT lpRect) const
{
    const CZAVPToolbarButton* pButton = GetButton(iIndex);
    *lpRect = pButton != nullptr ? (RECT)pButton->GetRect() : RECT{0, 0, 0, 0};
}

CZAVPToolbarButton* CZAVPToolBar::InvalidateButton(int iIndex)
{
    CZAVPToolbarButton* pButton = GetButton(iIndex);
    if (pButton != nullptr && m_hWnd != nullptr) {
        CRect rect;
        GetInvalidateItemRect(iIndex, rect);
        ::InvalidateRect(m_hWnd, &rect, TRUE);
    }
    return pButton;
}

// ---- hot button

void CZAVPToolBar::ClearHighlight()
{
    if (m_iHighlighted >= 0) {
        const int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        m_iHot = -1;
        InvalidateButton(iOld);
        ::UpdateWindow(m_hWnd);
        HWND hwnd = ::GetWindow(m_hWnd, GW_OWNER);
        if (hwnd == nullptr) hwnd = ::GetParent(m_hWnd);
        if (hwnd != nullptr) ::SendMessageA(hwnd, WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
    }
    RestoreFocus();
}

BOOL CZAVPToolBar::SetHotButton(CZAVPToolbarButton* pButton)
{
    const int iIndex = pButton != nullptr ? ButtonToIndex(pButton) : -1;
    if (pButton != nullptr && iIndex < 0) return FALSE;
    // SetHot takes the hot button again as "none".
    if (iIndex != m_iHighlighted) SetHot(iIndex);
    return TRUE;
}

void CZAVPToolBar::RestoreFocus()
{
    if (m_hwndLastFocus != nullptr && ::IsWindow(m_hwndLastFocus)) ::SetFocus(m_hwndLastFocus);
    m_hwndLastFocus = nullptr;
}

// ---- mouse

void CZAVPToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() && !m_bLocked) {
        if (!OnStretchMouseMove(point)) Default();
        return;
    }
    // While the bar itself is dragged by its gripper, the mouse moves the bar, not the hot button.
    if (IsCapturing()) {
        CZAVPBaseToolBar::OnMouseMove(nFlags, point);
        return;
    }
    if (point == m_ptLastMouse) return;
    m_ptLastMouse = point;

    int iHit = HitTest(point);
    const CZAVPToolbarButton* pHit = GetButton(iHit);
    if (pHit != nullptr && (pHit->m_nStyle & TBBS_DISABLED) && !CanHighlightDisabled()) iHit = -1;
    if (iHit < 0 && ::GetCapture() == m_hWnd)
        iHit = m_iHighlighted;  // leaving the buttons while pressing keeps the hot one

    if (!m_bTracked) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
        m_bTracked = TrackMouseLeave(&tme) != 0;
    }

    if (iHit != m_iHighlighted) {
        if (iHit >= 0)
            ShowCommandMessageString(GetButton(iHit)->m_nID);
        else if (m_iButtonCapture < 0)
            ShowCommandMessageString(AFX_IDS_IDLEMESSAGE);
        SetHot(iHit);  // repaints both; over another menu button an open menu follows
    }

    // The pressed button looks pressed only while the pointer is over it.
    if (CZAVPToolbarButton* pPressed = GetButton(m_iButtonCapture)) {
        const BOOL bOver = HitTest(point) == m_iButtonCapture;
        const UINT nStyle = bOver ? (pPressed->m_nStyle | TBBS_PRESSED)
                                  : (pPressed->m_nStyle & ~TBBS_PRESSED);
        if (nStyle != pPressed->m_nStyle) {
            pPressed->m_nStyle = nStyle;
            InvalidateButton(m_iButtonCapture);
        }
    }
    (void)nFlags;
}

void CZAVPToolBar::OnMouseLeave()
{
    m_bTracked = FALSE;
    m_ptLastMouse = CPoint(-1, -1);
    if (m_bMenuMode) {
        int iDropped = -1;
        for (int i = 0; i < GetCount(); ++i)
            if (GetButton(i)->IsDroppedDown()) iDropped = i;
        if (iDropped >= 0) return;
    }
    if (m_iHighlighted >= 0 && ::GetFocus() != m_hWnd) {
        const int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        m_iHot = -1;
        InvalidateButton(iOld);
        if (m_iButtonCapture < 0) ShowCommandMessageString(AFX_IDS_IDLEMESSAGE);
    }
}

void CZAVPToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode()) {
        OnCustomizeLButtonDown(nFlags, point);
        return;
    }
    const int iHit = HitTest(point);
    CZAVPToolbarButton* pButton = GetButton(iHit);
    if (pButton == nullptr || (pButton->m_nStyle & TBBS_DISABLED)) {
        m_iButtonCapture = -1;
        if (pButton == nullptr && CanFloat()) {
            // The bar itself is dragged.
            if (m_hcurSizeAll != nullptr) ::SetCursor(m_hcurSizeAll);
            CZAVPBaseToolBar::OnLButtonDown(nFlags, point);
        }
        return;
    }
    m_iButtonCapture = iHit;
    pButton->m_nStyle |= TBBS_PRESSED;
    InvalidateButton(iHit);
    ::UpdateWindow(m_hWnd);
    ShowCommandMessageString(pButton->m_nID);

    if (pButton->OnClick(this, FALSE)) {
        if (GetButton(iHit) == pButton) pButton->m_nStyle &= ~TBBS_PRESSED;
        m_iButtonCapture = -1;
        m_iHighlighted = -1;
        return;
    }
    m_hwndLastCapture = ::GetCapture();
    ::SetCapture(m_hWnd);
}

void CZAVPToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() && !m_bLocked) {
        if (!OnStretchLButtonUp(point)) Default();
        return;
    }
    if (m_iButtonCapture < 0) {
        // A drag of the bar ends wherever the button is released, over a button of its own too:
        // the bar has not moved yet when an outline drag ends.
        if (IsCapturing() || HitTest(point) < 0) CZAVPBaseToolBar::OnLButtonUp(nFlags, point);
        return;
    }

    ::ReleaseCapture();
    if (m_hwndLastCapture != nullptr && ::IsWindow(m_hwndLastCapture))
        ::SetCapture(m_hwndLastCapture);
    m_hwndLastCapture = nullptr;

    const int iPressed = m_iButtonCapture;
    CZAVPToolbarButton* pButton = GetButton(iPressed);
    const BOOL bOver = HitTest(point) == iPressed;
    UINT nNewStyle = pButton->m_nStyle & ~TBBS_PRESSED;
    if (bOver && (pButton->m_nStyle & TBBS_CHECKBOX) && !(pButton->m_nStyle & TBBS_DISABLED)) {
        if (nNewStyle & TBBS_INDETERMINATE) nNewStyle &= ~TBBS_INDETERMINATE;
        nNewStyle ^= TBBS_CHECKED;
    }
    ShowCommandMessageString(AFX_IDS_IDLEMESSAGE);
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iHot = -1;
    RestoreFocus();

    HWND hwnd = m_hWnd;
    if (bOver && !OnSendCommand(pButton) && IsRealCommand(pButton->m_nID)) {
        InvalidateButton(iPressed);
        ::UpdateWindow(m_hWnd);
        AddCommandUsage(pButton->m_nID);
        if (m_bMenuMode) PlayMenuSound(ZAVPMenuSound::kCommand);
        const BOOL bToolRan = g_pUserToolsManager != nullptr &&
                              g_pUserToolsManager->InvokeTool(pButton->m_nID);
        if (!pButton->OnMouseRelease() && !bToolRan) SendCommandOf(pButton);
        // The command may have changed or destroyed the bar.
        if (!::IsWindow(hwnd) || GetButton(iPressed) != pButton) return;
    }
    pButton->m_nStyle = nNewStyle;
    InvalidateButton(iPressed);
    ::UpdateWindow(m_hWnd);
    m_ptLastMouse = CPoint(-1, -1);
    OnMouseMove(0, point);
}

void CZAVPToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int iHit = HitTest(point);
    if (CZAVPToolbarButton* pButton = GetButton(iHit)) {
        pButton->OnDblClk(this);
        OnLButtonDown(nFlags, point);
        return;
    }
    CZAVPBaseToolBar::OnLButtonDblClk(nFlags, point);
}

void CZAVPToolBar::OnCancelMode()
{
    CZAVPBaseToolBar::OnCancelMode();
    if (CZAVPToolbarButton* pPressed = GetButton(m_iButtonCapture)) {
        pPressed->m_nStyle &= ~TBBS_PRESSED;
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    }
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iHot = -1;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
        static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos))->OnCancelMode();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CZAVPToolBar::OnSize(UINT nType, int cx, int cy)
{
    CZAVPBaseToolBar::OnSize(nType, cx, cy);
    if (IsCustomizeMode() && !m_bLocked) OnCancelMode();
    AdjustLocations();
    TrimParentMiniFrameMenu();
}

void CZAVPToolBar::OnSysColorChange()
{
    globalData.UpdateSysColors();
    for (CZAVPImageStrip* pStrip :
         {&m_Images, &m_ColdImages, &m_MenuImages, &m_DisabledImages, &m_DisabledMenuImages,
          &m_LargeImages, &m_LargeColdImages, &m_LargeDisabledImages})
    {
        pStrip->OnSysColorChange();
    }
    for (CZAVPImageStrip& strip : m_OwnStrips) strip.OnSysColorChange();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CZAVPToolBar::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    if (!IsCustomizeMode()) ClearHighlight();
    (void)pNewWnd;
}

BOOL CZAVPToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        BOOL bDropped = FALSE;
        for (int i = 0; i < GetCount(); ++i) bDropped = bDropped || GetButton(i)->IsDroppedDown();
        if (!bDropped) {
            ClearHighlight();
            return TRUE;
        }
    }
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr &&
        ((pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MBUTTONUP) ||
         (pMsg->message >= WM_NCMOUSEMOVE && pMsg->message <= WM_NCMBUTTONUP) ||
         pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN))
    {
        m_pToolTip->RelayEvent(pMsg);
    }
    return CZAVPBaseToolBar::PreTranslateMessage(pMsg);
}

CString CZAVPToolBar::FormatResetPrompt(LPCSTR lpszBarName)
{
    CString strName = lpszBarName != nullptr ? lpszBarName : "";
    if (strName.IsEmpty()) strName.LoadString(IDS_ZAVP_UNNAMED_TOOLBAR);
    CString strFormat, strPrompt;
    strFormat.LoadString(IDS_ZAVP_RESET_TOOLBAR_PROMPT);
    strPrompt.Format(strFormat, (LPCSTR)strName);
    return strPrompt;
}

LRESULT CZAVPToolBar::OnResetPrompt(WPARAM, LPARAM)
{
    CString strName;
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, strName.GetBuffer(nLength + 1), nLength + 1);
    strName.ReleaseBuffer();
    const CString strPrompt = FormatResetPrompt(strName);
    CString strCaption;
    if (CWinApp* pApp = AfxGetApp()) strCaption = pApp->m_pszAppName;
    if (::MessageBoxA(nullptr, strPrompt, strCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
        RestoreOriginalState();
    return 0;
}
