// The default look of the UI library (see CZAVPVisualManager.h): the lifecycle of the current
// manager and the drawing of bars, menus, buttons, captions, status panes and mini frames. Tabs,
// tasks and the smaller controls are drawn in CZAVPVisualManagerPanes.cpp.
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPUiThread.h"

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CWinThread.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPProgressMath.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/panes/CZAVPCalendarButton.h"
#include "ui/panes/CZAVPCaptionBar.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/toolbars/CZAVPBaseToolBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPShowAllButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CZAVPVisualManager, CObject)

namespace
{
CZAVPVisualManager* g_pCurrentManager = nullptr;

const UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
const UINT kRedrawLook2000 = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW |
                             RDW_FRAME;

// Caption-button hit-test codes of the library beside the system's.
const UINT kHitPinHorz = 23;
const UINT kHitPinVert = 24;
const UINT kHitMenu = 25;
const UINT kHitCloseBar = 19;

// Mini-frame highlight colours while a docking target is shown.
// Status-bar pane styles of the platform.
#ifndef SBPS_NOBORDERS
const UINT SBPS_NOBORDERS = 0x0100;
const UINT SBPS_POPOUT = 0x0200;
#endif

const COLORREF kDockBesideColor = RGB(127, 0, 0);
const COLORREF kDockAsTabColor = RGB(0, 0, 127);
const int kBrightChannel = 128;

void FillRectSolid(CDC* pDC, const CRect& rect, COLORREF color)
{
    CBrush brush(color);
    pDC->FillRect(rect, &brush);
}
}  // namespace

CRuntimeClass* CZAVPVisualManager::s_pDefaultManagerClass = nullptr;

CZAVPVisualManager::CZAVPVisualManager(BOOL bTemporary)
    : m_bLook2000(FALSE), m_nMenuShadowDepth(6), m_bMenuFlatLook(FALSE),
      m_bShadowHighlightedImage(FALSE), m_bEmbossDisabledImage(TRUE), m_bFadeInactiveImage(FALSE),
      m_bFillAllCheckedButtons(TRUE),
      m_bTemporary(bTemporary), m_tasksPane{12, 12, 15, 25, 13, 7, 12, 5, 4, 1},
      m_bMenuJoinedToParentButton(FALSE), m_nMenuBorderSize(2), m_bAutoDelete(FALSE)
{
    if (!bTemporary && g_pCurrentManager == nullptr) g_pCurrentManager = this;
    globalData.UpdateSysColors();
}

CZAVPVisualManager::~CZAVPVisualManager()
{
    // Only the current manager itself gives up the place; deleting a second manager that never
    // became current leaves the current one in place.
    if (!m_bTemporary && g_pCurrentManager == this) g_pCurrentManager = nullptr;
}

void CZAVPVisualManager::Serialize(CArchive&) {}

CZAVPVisualManager* CZAVPVisualManager::GetInstance()
{
    ZAVP_ASSERT_UI_THREAD();
    if (g_pCurrentManager != nullptr) return g_pCurrentManager;
    CZAVPVisualManager* pManager = nullptr;
    if (s_pDefaultManagerClass != nullptr) {
        CObject* pObject = s_pDefaultManagerClass->CreateObject();
        pManager = dynamic_cast<CZAVPVisualManager*>(pObject);
        if (!pManager) delete pObject;
    }
    if (!pManager) pManager = new CZAVPVisualManager(FALSE);
    // A manager made by a class's creation function becomes current in its own constructor; one
    // that did not (a temporary) is not taken as current.
    if (g_pCurrentManager == nullptr && !pManager->m_bTemporary) g_pCurrentManager = pManager;
    pManager->m_bAutoDelete = TRUE;
    pManager->OnUpdateSystemColors();
    return g_pCurrentManager ? g_pCurrentManager : pManager;
}

void CZAVPVisualManager::DestroyInstance()
{
    if (g_pCurrentManager != nullptr && g_pCurrentManager->m_bAutoDelete) delete g_pCurrentManager;
}

void CZAVPVisualManager::SetLook2000(BOOL bLook2000)
{
    m_bLook2000 = bLook2000;
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd && pThread->m_pMainWnd->GetSafeHwnd())
        ::RedrawWindow(pThread->m_pMainWnd->GetSafeHwnd(), nullptr, nullptr, kRedrawLook2000);
    RedrawAll();
}

void CZAVPVisualManager::RedrawAll()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd && pThread->m_pMainWnd->GetSafeHwnd())
        ::RedrawWindow(pThread->m_pMainWnd->GetSafeHwnd(), nullptr, nullptr, kRedrawAll);
    CObList& toolbars = ZAVPSharedBarData::AllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CWnd* pToolBar = static_cast<CWnd*>(toolbars.GetNext(pos));
        if (pToolBar && CWnd::FromHandlePermanent(pToolBar->GetSafeHwnd()) == pToolBar)
            ::RedrawWindow(pToolBar->GetSafeHwnd(), nullptr, nullptr, kRedrawAll);
    }
    CZAVPMiniFrameWnd::RedrawAll();
}

CZAVPVisualManager::BarColors CZAVPVisualManager::ColorsOf(const CZAVPBaseControlBar* pBar)
{
    if (pBar && pBar->IsDialogControl())
        return {globalData.clrBtnFace,     globalData.clrBtnShadow, globalData.clrBtnHilite,
                globalData.clrBtnDkShadow, globalData.clrBtnLight,  globalData.clrBtnText};
    return {globalData.clrBarFace,     globalData.clrBarShadow, globalData.clrBarHilite,
            globalData.clrBarDkShadow, globalData.clrBarLight,  globalData.clrBarText};
}

int CZAVPVisualManager::CaptionButtonGlyph(UINT nHit, BOOL bHorz, BOOL bMaximized)
{
    switch (nHit) {
    case HTMINBUTTON:
        return bHorz ? (bMaximized ? CZAVPMenuGlyphs::IdArrowLeft : CZAVPMenuGlyphs::IdArrowRight)
                     : (bMaximized ? CZAVPMenuGlyphs::IdArrowDown : CZAVPMenuGlyphs::IdArrowUp);
    case HTMAXBUTTON:
        return bMaximized ? CZAVPMenuGlyphs::IdMaximized : CZAVPMenuGlyphs::IdMaximize;
    case kHitCloseBar:
    case HTCLOSE: return CZAVPMenuGlyphs::IdClose;
    case kHitPinHorz: return CZAVPMenuGlyphs::IdPinHorz;
    case kHitPinVert: return CZAVPMenuGlyphs::IdPinVert;
    case kHitMenu: return CZAVPMenuGlyphs::IdArrowDown;
    default: return -1;
    }
}

void CZAVPVisualManager::SplitSpinRect(const CRect& rectSpin, BOOL bHorz, CRect halves[2],
                                       int glyphs[2])
{
    halves[0] = halves[1] = rectSpin;
    const CPoint centre = rectSpin.CenterPoint();
    if (bHorz)
        halves[0].right = centre.x, halves[1].left = centre.x + 1;
    else
        halves[0].bottom = centre.y, halves[1].top = centre.y + 1;
    glyphs[0] = bHorz ? CZAVPMenuGlyphs::IdArrowLeft : CZAVPMenuGlyphs::IdArrowUp;
    glyphs[1] = bHorz ? CZAVPMenuGlyphs::IdArrowRight : CZAVPMenuGlyphs::IdArrowDown;
}

void CZAVPVisualManager::DrawTextIn(CDC* pDC, const CString& text, CRect rect, CFont* pFont,
                                    COLORREF color, UINT nFormat)
{
    CFont* pOldFont = pDC->SelectObject(pFont);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(color);
    pDC->DrawText(text, rect, nFormat);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CZAVPVisualManager::DrawWindowFrame(CWnd* pWnd, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (!pWnd || !pWnd->GetSafeHwnd()) return;
    CWindowDC dc(pWnd);
    CRect rect;
    pWnd->GetWindowRect(rect);
    rect.OffsetRect(-rect.left, -rect.top);
    dc.Draw3dRect(rect, clrTopLeft, clrBottomRight);
}

void CZAVPVisualManager::DrawGlyphCentered(CDC* pDC, int nGlyph, const CRect& rect, int nState,
                                           int nOffset)
{
    const CSize glyph = CZAVPMenuGlyphs::GetSize();
    const CPoint pt(rect.left + (rect.Width() - glyph.cx) / 2 + nOffset,
                    rect.top + (rect.Height() - glyph.cy) / 2 + nOffset);
    CZAVPMenuGlyphs::Draw(pDC, nGlyph, pt, nState);
}

void CZAVPVisualManager::OnUpdateSystemColors() {}

void CZAVPVisualManager::OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rectClient,
                                             CRect rectClip, BOOL)
{
    if (ZAVPIsKindOf(pBar, ZAVPClassNames::CZAVPOutlookBarPane)) {
        CZAVPOutlookBarPane* pPane = static_cast<CZAVPOutlookBarPane*>(pBar);
        if (pPane->HasOwnBackground()) {
            pPane->OnEraseWorkArea(pDC, rectClient);
            return;
        }
    }
    if (ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPCaptionBar))) {
        const COLORREF clr = static_cast<CZAVPCaptionBar*>(pBar)->m_clrBarBackground;
        FillRectSolid(pDC, rectClip, clr == (COLORREF)-1 ? globalData.clrBarShadow : clr);
        return;
    }
    const CRect rect = rectClip.IsRectEmpty() ? rectClient : rectClip;
    pDC->FillRect(rect,
                  pBar && pBar->IsDialogControl() ? &globalData.brBtnFace : &globalData.brBarFace);
}

void CZAVPVisualManager::OnDrawBarBorder(CDC* pDC, CZAVPBaseControlBar* pBar, CRect& rect)
{
    if (!pBar || pBar->IsFloating()) return;
    const DWORD dwStyle = pBar->GetBarStyle();
    if ((dwStyle & CBRS_BORDER_ANY) == 0) return;
    const BarColors colors = ColorsOf(pBar);
    const COLORREF clrOldBk = pDC->GetBkColor();
    const int w = rect.Width(), h = rect.Height();
    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, rect.top, 1, h - 1, colors.hilite);
    if (dwStyle & CBRS_BORDER_TOP) pDC->FillSolidRect(rect.left, rect.top, w - 1, 1, colors.hilite);
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, h, colors.shadow);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, w - 1, 1, colors.shadow);
    if (!pBar->CanFloat()) {
        // An etched line along the top of a bar that cannot be torn off.
        pDC->FillSolidRect(rect.left, rect.top, w, 1, colors.shadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, w, 1, colors.hilite);
    }
    if (dwStyle & CBRS_BORDER_LEFT) ++rect.left;
    if (dwStyle & CBRS_BORDER_TOP) ++rect.top;
    if (dwStyle & CBRS_BORDER_RIGHT) --rect.right;
    if (dwStyle & CBRS_BORDER_BOTTOM) --rect.bottom;
    pDC->SetBkColor(clrOldBk);
}

void CZAVPVisualManager::OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu*, CRect rect)
{
    pDC->Draw3dRect(rect, globalData.clrBarLight, globalData.clrBarDkShadow);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CZAVPVisualManager::OnDrawMenuShadow(CDC* pDC, const CRect& rectClient, const CRect&,
                                          int nDepth, int iMinBrightness, int iMaxBrightness,
                                          CBitmap* pBmpSaveBottom, CBitmap* pBmpSaveRight)
{
    CZAVPPainter painter(*pDC);
    painter.DrawShadow(rectClient, nDepth, iMinBrightness, iMaxBrightness, pBmpSaveBottom,
                       pBmpSaveRight);
}

void CZAVPVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                          CZAVPBaseControlBar* pBar)
{
    const BarColors colors = ColorsOf(pBar);
    const int nLines = m_bLook2000 ? 1 : 2;
    const int kLineWidth = 3, kLineStep = 4;
    if (bHorz) {
        // A horizontal bar: the gripper lines stand upright at its left.
        rectGripper.DeflateRect(0, m_bLook2000 ? 3 : 2);
        const int first = rectGripper.CenterPoint().x - (m_bLook2000 ? 1 : 2);
        for (int i = 0; i < nLines; ++i) {
            const CRect line(first + i * kLineStep, rectGripper.top,
                             first + i * kLineStep + kLineWidth, rectGripper.bottom);
            pDC->Draw3dRect(line, colors.hilite, colors.shadow);
            if (!m_bLook2000) pDC->SetPixel(line.left, line.bottom - 1, colors.hilite);
        }
    } else {
        if (!m_bLook2000) ++rectGripper.top;
        rectGripper.DeflateRect(m_bLook2000 ? 3 : 2, 0);
        const int first = rectGripper.CenterPoint().y - (m_bLook2000 ? 1 : 2);
        for (int i = 0; i < nLines; ++i) {
            const CRect line(rectGripper.left, first + i * kLineStep, rectGripper.right,
                             first + i * kLineStep + kLineWidth);
            pDC->Draw3dRect(line, colors.hilite, colors.shadow);
            if (!m_bLook2000) pDC->SetPixel(line.right - 1, line.top, colors.hilite);
        }
    }
}

void CZAVPVisualManager::OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect,
                                         BOOL bIsHoriz)
{
    const BarColors colors = ColorsOf(pBar);
    const CPoint centre = rect.CenterPoint();
    if (bIsHoriz)
        rect.left = centre.x - 1, rect.right = centre.x + 1;
    else
        rect.top = centre.y - 1, rect.bottom = centre.y + 1;
    pDC->Draw3dRect(rect, colors.shadow, colors.hilite);
}

COLORREF CZAVPVisualManager::OnFillBarCaption(CDC* pDC, CZAVPDockingControlBar*, BOOL bActive,
                                              CRect rectCaption, CRect)
{
    FillRectSolid(pDC, rectCaption,
                  bActive ? globalData.clrActiveCaption : globalData.clrInactiveCaption);
    return globalData.clrCaptionText;
}

void CZAVPVisualManager::OnDrawCaptionButton(CDC* pDC, CZAVPTitleButton* pButton, BOOL bActive,
                                             BOOL bHorz, BOOL bMaximized, BOOL bDisabled,
                                             int nImageID)
{
    CRect rect = pButton->GetRect();
    const BOOL bPushed = pButton->m_bPushed, bFocused = pButton->m_bFocused;
    if (nImageID == -1) nImageID = CaptionButtonGlyph(pButton->GetHitTest(), bHorz, bMaximized);
    if (nImageID != -1) {
        int nState = CZAVPMenuGlyphs::StateGray;
        if (!bDisabled) {
            const COLORREF clr = pButton->m_clrForeground;
            if (clr == (COLORREF)-1)
                nState = bActive ? CZAVPMenuGlyphs::StateWhite : CZAVPMenuGlyphs::StateBlack;
            else
                nState = GetRValue(clr) > kBrightChannel && GetGValue(clr) > kBrightChannel &&
                                 GetBValue(clr) > kBrightChannel
                             ? CZAVPMenuGlyphs::StateWhite
                             : CZAVPMenuGlyphs::StateBlack;
        }
        DrawGlyphCentered(pDC, nImageID, rect, nState, bPushed && bFocused ? 1 : 0);
    }
    if (bDisabled) return;
    if (bPushed && bFocused) {
        pDC->Draw3dRect(rect, globalData.clrBarDkShadow, globalData.clrBarLight);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, globalData.clrBarDkShadow, globalData.clrBarHilite);
    } else if (!m_bLook2000) {
        pDC->Draw3dRect(rect, globalData.clrBarLight, globalData.clrBarDkShadow);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
    } else if (bPushed || bFocused)
        pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CZAVPVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand,
                                                UINT nStyle, BOOL)
{
    UINT uiState = 0;
    switch (uiSystemCommand) {
    case SC_MINIMIZE: uiState = DFCS_CAPTIONMIN; break;
    case SC_CLOSE: uiState = DFCS_CAPTIONCLOSE; break;
    case SC_RESTORE: uiState = DFCS_CAPTIONRESTORE; break;
    default: return;
    }
    if (nStyle & TBBS_PRESSED) uiState |= DFCS_PUSHED;
    if (nStyle & TBBS_DISABLED) uiState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(rect, DFC_CAPTION, uiState);
}

void CZAVPVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, CZAVPStatusBar*, CRect rectPane, UINT,
                                                   UINT nStyle)
{
    if (nStyle & SBPS_NOBORDERS) return;
    if (nStyle & SBPS_POPOUT)
        pDC->Draw3dRect(rectPane, globalData.clrBarHilite, globalData.clrBarShadow);
    else
        pDC->Draw3dRect(rectPane, globalData.clrBarShadow, globalData.clrBarHilite);
}

void CZAVPVisualManager::OnDrawStatusBarProgress(CDC* pDC, CZAVPStatusBar*, CRect rectProgress,
                                                 int nProgressTotal, int nProgressCurr,
                                                 COLORREF clrBar, COLORREF clrProgressBarDest,
                                                 COLORREF clrProgressText, BOOL bProgressText)
{
    if (nProgressTotal == 0) return;
    CRect rectFilled = rectProgress;
    rectFilled.right = rectFilled.left + ZAVPProgressMath::FilledWidth(
                                             rectProgress.Width(), nProgressCurr, nProgressTotal);
    if (clrProgressBarDest == (COLORREF)-1)
        FillRectSolid(pDC, rectFilled, clrBar);
    else {
        CZAVPPainter painter(*pDC);
        painter.FillGradient(rectFilled, clrBar, clrProgressBarDest, FALSE);
    }
    if (!bProgressText) return;
    CString strText;
    strText.Format("%d%%", ZAVPProgressMath::Percent(nProgressCurr, nProgressTotal));
    const UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const COLORREF clrOld = pDC->SetTextColor(globalData.clrBarText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rectProgress;
    pDC->DrawText(strText, rectText, kFormat);
    // The same text again, clipped to the filled part, so it changes colour where the bar has passed.
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rectFilled);
    pDC->SetTextColor(clrProgressText == (COLORREF)-1 ? globalData.clrTextHilite : clrProgressText);
    rectText = rectProgress;
    pDC->DrawText(strText, rectText, kFormat);
    pDC->RestoreDC(nSaved);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}

void CZAVPVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, CZAVPStatusBar*, CRect rectSizeBox)
{
    CFont* pOldFont = pDC->SelectObject(&globalData.fontMarlett);
    const UINT nOldAlign = pDC->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    const COLORREF clrOld = pDC->SetTextColor(globalData.clrBarShadow);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->ExtTextOut(rectSizeBox.right, rectSizeBox.bottom, ETO_CLIPPED, rectSizeBox, "o", 1,
                    nullptr);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    pDC->SetTextAlign(nOldAlign);
    pDC->SelectObject(pOldFont);
}

void CZAVPVisualManager::OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                              int state)
{
    if (!pButton) return;
    if (ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPShowAllButton))) {
        if (state == ButtonsIsHighlighted) {
            CZAVPPainter painter(*pDC);
            painter.HighlightRect(rect);
        }
        return;
    }
    if (!m_bFillAllCheckedButtons) {
        if (!ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton)) ||
            !ZAVPIsKindOf(static_cast<CZAVPToolbarMenuButton*>(pButton)->m_pWndParent,
                          RUNTIME_CLASS(CZAVPPopupMenuBar)))
            return;
    }
    if (ZAVPIsKindOf(pButton, ZAVPClassNames::CZAVPOutlookButton)) return;
    if (ZAVPSharedBarData::g_bCustomizeMode || state == ButtonsIsHighlighted) return;
    if ((pButton->m_nStyle & (TBBS_CHECKED | TBBS_INDETERMINATE)) == 0) return;
    rect.DeflateRect(ZAVPSharedBarData::g_nButtonBorderCx, ZAVPSharedBarData::g_nButtonBorderCy);
    pDC->FillRect(rect, &globalData.brLight);
}

void CZAVPVisualManager::OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                            int state)
{
    const COLORREF clrOuter = ZAVPIsKindOf(pButton, ZAVPClassNames::CZAVPOutlookButton)
                                  ? globalData.clrBarDkShadow
                                  : globalData.clrBarShadow;
    if (state == ButtonsIsPressed)
        pDC->Draw3dRect(rect, clrOuter, globalData.clrBarHilite);
    else if (state == ButtonsIsHighlighted)
        pDC->Draw3dRect(rect, globalData.clrBarHilite, clrOuter);
}

void CZAVPVisualManager::OnDrawMenuImageRectBorder(CDC* pDC, CZAVPToolbarButton* pButton,
                                                   CRect rect, int state)
{
    if (m_bMenuFlatLook && pButton && pButton->IsDroppedDown()) return;
    OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CZAVPVisualManager::OnHighlightMenuItem(CDC* pDC, CZAVPToolbarMenuButton*, CRect rect,
                                             COLORREF&)
{
    pDC->FillRect(rect, &globalData.brHilite);
}

void CZAVPVisualManager::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    CZAVPPainter painter(*pDC);
    painter.HighlightRect(rectRarelyUsed);
    pDC->Draw3dRect(rectRarelyUsed, globalData.clrBarShadow, globalData.clrBarHilite);
}

COLORREF CZAVPVisualManager::GetToolbarButtonTextColor(CZAVPToolbarButton* pButton, int state)
{
    const BOOL bDisabled = ZAVPSharedBarData::g_bCustomizeMode
                               ? !pButton->IsEditable()
                               : (pButton->m_nStyle & TBBS_DISABLED) != 0;
    if (ZAVPIsKindOf(pButton, ZAVPClassNames::CZAVPOutlookButton))
        return bDisabled ? globalData.clrBarFace : globalData.clrBarWindow;
    if (ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPCalendarButton))) {
        CZAVPCalendarButton* pDay = static_cast<CZAVPCalendarButton*>(pButton);
        const COLORREF clr = pDay->GetTextColor();
        if (clr != (COLORREF)-1) return clr;
        if (!pDay->IsInCurrentMonth()) return globalData.clrGrayedText;
    }
    if (bDisabled) return globalData.clrGrayedText;
    if (state == ButtonsIsHighlighted) return CZAVPToolBar::GetHotTextColor();
    return globalData.clrBarText;
}

COLORREF CZAVPVisualManager::OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                                    CZAVPMiniFrameWnd* pFrameWnd, BOOL bActive)
{
    const BOOL bToolBar = pFrameWnd &&
                          ZAVPIsKindOf(pFrameWnd->GetControlBar(), RUNTIME_CLASS(CZAVPBaseToolBar));
    FillRectSolid(pDC, rectCaption,
                  bToolBar || bActive ? globalData.clrActiveCaption
                                      : globalData.clrInactiveCaption);
    return globalData.clrCaptionText;
}

void CZAVPVisualManager::OnDrawMiniFrameBorder(CDC* pDC, CZAVPMiniFrameWnd* pFrameWnd,
                                               CRect rectBorder, CRect rectBorderSize)
{
    COLORREF clrOuterTopLeft = globalData.clrBarFace,
             clrSecondBottomRight = globalData.clrBarShadow;
    switch (pFrameWnd ? pFrameWnd->GetDockingTargetKind() : DockLayout::DropKind::None) {
    case DockLayout::DropKind::Beside:
        clrOuterTopLeft = clrSecondBottomRight = kDockBesideColor;
        break;
    case DockLayout::DropKind::AsTab:
        clrOuterTopLeft = clrSecondBottomRight = kDockAsTabColor;
        break;
    case DockLayout::DropKind::None: break;
    }
    pDC->Draw3dRect(rectBorder, clrOuterTopLeft, globalData.clrBarDkShadow);
    rectBorder.DeflateRect(1, 1);
    pDC->Draw3dRect(rectBorder, globalData.clrBarHilite, clrSecondBottomRight);
    rectBorder.InflateRect(2 - rectBorderSize.right, 2 - rectBorderSize.top);
    pDC->Draw3dRect(rectBorder, globalData.clrBarFace, globalData.clrBarFace);
    rectBorder.InflateRect(1, 1);
    pDC->Draw3dRect(rectBorder, globalData.clrBarFace, globalData.clrBarFace);
}

void CZAVPVisualManager::OnDrawFloatingToolbarBorder(CDC* pDC, CZAVPToolBar*, CRect rectBorder,
                                                     CRect)
{
    pDC->Draw3dRect(rectBorder, globalData.clrBarFace, globalData.clrBarDkShadow);
    rectBorder.DeflateRect(1, 1);
    pDC->Draw3dRect(rectBorder, globalData.clrBarHilite, globalData.clrBarShadow);
    rectBorder.DeflateRect(1, 1);
    pDC->Draw3dRect(rectBorder, globalData.clrBarFace, globalData.clrBarFace);
}
