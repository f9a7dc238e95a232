// The gradient look, continued (see CZAVPVisualManager2003.h): caption-bar and outlook buttons,
// tabs, the command list, the tasks pane, scroll and auto-hide buttons and the show-all item.
#include "ui/foundation/CZAVPVisualManager2003.h"

#include <algorithm>

#include "framework/CDC.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPColorMath.h"
#include "ui/toolbars/CZAVPButton.h"
#include "ui/panes/CZAVPTasksGroup.h"

namespace
{
const int kExpanderRings = 2;
const COLORREF kPaneWhite = RGB(255, 255, 255);
const int kClassNameLength = 64;
const char kDialogClass[] = "#32770";  // the system's dialog window class

void PaneGradient(CDC* pDC, const CRect& rect, COLORREF start, COLORREF finish, BOOL bVertical)
{
    CZAVPPainter(*pDC).FillGradient(rect, start, finish, bVertical);
}

// The active tab's own colour, white when it has none.
COLORREF ActiveTabColor(const CZAVPBaseTabWnd* pTabWnd)
{
    const COLORREF clr = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
    return clr == (COLORREF)-1 ? kPaneWhite : clr;
}
}  // namespace

void CZAVPVisualManager2003::OnFillCaptionBarButton(CDC* pDC, CZAVPCaptionBar* pBar, CRect rect,
                                                    COLORREF clrBarBackground, BOOL bNoFrame)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnFillCaptionBarButton(pDC, pBar, rect, clrBarBackground, bNoFrame);
        return;
    }
    const COLORREF light = m_colors2003.toolBarGradientLight;
    pDC->FillSolidRect(rect, clrBarBackground == (COLORREF)-1 ? light : clrBarBackground);
    if (!bNoFrame) pDC->Draw3dRect(rect, light, m_colors2003.toolBarBottomLine);
}

void CZAVPVisualManager2003::OnFillOutlookPageButton(CDC* pDC, CRect& rect, BOOL bIsHighlighted,
                                                     BOOL bIsPressed, COLORREF& clrText)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnFillOutlookPageButton(pDC, rect, bIsHighlighted, bIsPressed,
                                                      clrText);
        return;
    }
    const ZAVP2003Colors& c = m_colors2003;
    if (bIsPressed)
        PaneGradient(pDC, rect, c.highlightDnGradientDark, c.highlightDnGradientLight, FALSE);
    else if (bIsHighlighted)
        PaneGradient(pDC, rect, c.highlightGradientDark, c.highlightGradientLight, FALSE);
    else
        PaneGradient(pDC, rect, c.barGradientDark, c.barGradientLight, FALSE);
    clrText = globalData.clrBtnText;
}

void CZAVPVisualManager2003::OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn,
                                                           BOOL bIsHighlighted, BOOL bIsPressed)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnDrawOutlookPageButtonBorder(pDC, rectBtn, bIsHighlighted,
                                                            bIsPressed);
        return;
    }
    pDC->Draw3dRect(rectBtn, globalData.clrBtnHilite, m_colors2003.toolBarGripper);
}

BOOL CZAVPVisualManager2003::IsDialogControl(const CWnd* pWnd)
{
    HWND hParent = pWnd ? ::GetParent(pWnd->GetSafeHwnd()) : nullptr;
    char szClass[kClassNameLength] = {};
    return hParent && ::GetClassNameA(hParent, szClass, kClassNameLength) &&
           lstrcmpiA(szClass, kDialogClass) == 0;
}

void CZAVPVisualManager2003::OnEraseTabsArea(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd)
{
    if (UsesGradients() && IsDialogControl(pTabWnd)) {
        pDC->FillRect(rect, &globalData.brBtnFace);
        return;
    }
    if (!UsesGradients() || !pTabWnd || pTabWnd->IsFlatTab()) {
        CZAVPVisualManagerXP::OnEraseTabsArea(pDC, rect, pTabWnd);
        return;
    }
    COLORREF tabSide = ZAVPColorMath::ScaleColor(m_colors2003.toolBarGradientLight, 120);
    COLORREF bodySide = m_colors2003.toolBarGradientLight;
    const BOOL bBottom = pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM;
    // The vertical gradient starts at the bottom: the lighter colour goes on the tab side.
    if (bBottom)
        PaneGradient(pDC, rect, tabSide, bodySide, TRUE);
    else
        PaneGradient(pDC, rect, bodySide, tabSide, TRUE);
    if (pTabWnd->IsOneTabScroll()) {
        const CRect strip = bBottom ? CRect(rect.left, rect.top, rect.right, rect.top + 2)
                                    : CRect(rect.left, rect.bottom - 2, rect.right, rect.bottom);
        pDC->FillSolidRect(strip, ActiveTabColor(pTabWnd));
    }
}

void CZAVPVisualManager2003::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                       const CZAVPBaseTabWnd* pTabWnd)
{
    if (!UsesGradients() || !pTabWnd->IsOneTabScroll()) {
        CZAVPVisualManagerXP::OnDrawTab(pDC, rectTab, iTab, bIsActive, pTabWnd);
        return;
    }
    // A gradient face: a tab's own colour from 150 % down to itself, else the toolbar pair.
    const COLORREF clrTab = pTabWnd->GetTabBkColor(iTab);
    const COLORREF clrLight = clrTab == (COLORREF)-1 ? m_colors2003.toolBarGradientLight
                                                     : ZAVPColorMath::ScaleColor(clrTab, 150);
    const COLORREF clrDark = clrTab == (COLORREF)-1 ? m_colors2003.toolBarGradientDark : clrTab;
    const BOOL bBottom = pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM;
    CPen pen(PS_SOLID, 1, bIsActive ? globalData.clrBarDkShadow : globalData.clrBarShadow);
    CPen* pOldPen = pDC->SelectObject(&pen);
    DrawTabOneTabScroll(pDC, rectTab, iTab, bIsActive, pTabWnd, bBottom ? clrLight : clrDark,
                        bBottom ? clrDark : clrLight);
    pDC->SelectObject(pOldPen);
    const COLORREF clrText = pTabWnd->GetTabTextColor(iTab);
    const COLORREF clrOld = pDC->SetTextColor(clrText != (COLORREF)-1 ? clrText
                                                                      : globalData.clrBarText);
    OnDrawTabContent(pDC, rectTab, iTab, bIsActive, pTabWnd, (COLORREF)-1);
    pDC->SetTextColor(clrOld);
}

void CZAVPVisualManager2003::OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton* pButton,
                                               CZAVPBaseTabWnd* pWndTab)
{
    if (!UsesGradients() || !ZAVPIsKindOf(pWndTab, RUNTIME_CLASS(CZAVPTabWnd)) ||
        pWndTab->IsFlatTab()) {
        CZAVPVisualManagerXP::OnEraseTabsButton(pDC, rect, pButton, pWndTab);
        return;
    }
    const ZAVP2003Colors& c = m_colors2003;
    if (pWndTab->IsOneTabScroll() && pButton && pButton->IsHighlighted()) {
        if (pButton->IsPushed())
            PaneGradient(pDC, rect, c.highlightDnGradientDark, c.highlightDnGradientLight, TRUE);
        else
            PaneGradient(pDC, rect, c.highlightGradientDark, c.highlightGradientLight, TRUE);
        return;
    }
    // The button sits on the tab area and shows its background.
    OnEraseTabsArea(pDC, rect, pWndTab);
}

void CZAVPVisualManager2003::GetTabFrameColors(const CZAVPBaseTabWnd* pTabWnd, COLORREF& clrDark,
                                               COLORREF& clrBlack, COLORREF& clrHighlight,
                                               COLORREF& clrFace, COLORREF& clrDarkShadow,
                                               COLORREF& clrLight, CBrush*& pbrFace,
                                               CBrush*& pbrBlack)
{
    CZAVPVisualManager::GetTabFrameColors(pTabWnd, clrDark, clrBlack, clrHighlight, clrFace,
                                          clrDarkShadow, clrLight, pbrFace, pbrBlack);
    if (!UsesGradients() || (pTabWnd && pTabWnd->IsOneTabScroll())) return;
    clrDark = clrLight = clrHighlight = globalData.clrBarDkShadow;
    if (pTabWnd && pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab()) == (COLORREF)-1)
        clrFace = kPaneWhite;
}

BOOL CZAVPVisualManager2003::OnEraseTabsFrame(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd)
{
    if (!UsesGradients() || !pTabWnd || pTabWnd->IsFlatTab())
        return CZAVPVisualManagerXP::OnEraseTabsFrame(pDC, rect, pTabWnd);
    COLORREF first = globalData.clrBarHilite, second = globalData.clrBarFace;
    if (pTabWnd->IsOneTabScroll()) {
        second = ActiveTabColor(pTabWnd);
        first = ZAVPColorMath::ScaleColor(second, 130);
    }
    if (pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM) std::swap(first, second);
    CZAVPPainter(*pDC).FillGradientAngle(rect, first, second, 45);
    return TRUE;
}

COLORREF CZAVPVisualManager2003::OnFillCommandsListBackground(CDC* pDC, CRect rect,
                                                              BOOL bIsSelected)
{
    if (!UsesGradients())
        return CZAVPVisualManagerXP::OnFillCommandsListBackground(pDC, rect, bIsSelected);
    if (!bIsSelected) {
        pDC->FillRect(rect, &m_brMenuLight);
        CRect column = rect;
        column.right = column.left + GetMenuImageMargin();
        PaneGradient(pDC, column, m_colors2003.toolBarGradientLight,
                     m_colors2003.toolBarGradientDark, FALSE);
    } else {
        const COLORREF clr = m_colors2003.highlightMenuItem != (COLORREF)-1
                                 ? m_colors2003.highlightMenuItem
                                 : m_clrHighlight;
        pDC->FillSolidRect(rect, clr);
        pDC->Draw3dRect(rect, m_clrFrameHilite, m_clrFrameHilite);
    }
    return globalData.clrBarText;
}

void CZAVPVisualManager2003::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    PaneGradient(pDC, rectWorkArea, m_clrTasksPaneGradientStart, m_clrTasksPaneGradientFinish,
                 TRUE);
}

void CZAVPVisualManager2003::OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup,
                                                     BOOL bIsHighlighted, BOOL, BOOL bCanCollapse)
{
    const CRect rect = pGroup->m_rect;
    if (pGroup->m_bIsSpecial)
        PaneGradient(pDC, rect, m_clrTasksGroupCaptionSpecDark, m_clrTasksGroupCaptionSpecLight,
                     FALSE);
    else
        PaneGradient(pDC, rect, m_clrTasksGroupCaptionDark, m_clrTasksGroupCaptionLight, FALSE);
    CRect rectText(rect.left + m_tasksPane.nGroupCaptionHorzOffset, rect.top,
                   rect.right - rect.Height(), rect.bottom);
    DrawTextIn(pDC, pGroup->m_strName, rectText, &globalData.fontBold,
               bIsHighlighted ? globalData.clrHilite : m_clrTasksGroupBorder,
               DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    if (!bCanCollapse || pGroup->m_strName.GetLength() == 0) return;
    DrawGlyphCentered(
        pDC, pGroup->m_bIsCollapsed ? CZAVPMenuGlyphs::IdArrowDown : CZAVPMenuGlyphs::IdArrowUp,
        CRect(rect.right - rect.Height(), rect.top, rect.right, rect.bottom),
        CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManager2003::OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial)
{
    if (bSpecial)
        PaneGradient(pDC, rect, m_clrTasksGroupCaptionSpecDark, m_clrTasksGroupCaptionSpecLight,
                     TRUE);
    else
        PaneGradient(pDC, rect, m_clrTasksGroupAreaDark, m_clrTasksGroupAreaLight, TRUE);
}

void CZAVPVisualManager2003::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL, BOOL)
{
    pDC->Draw3dRect(rect, m_clrTasksGroupBorder, m_clrTasksGroupBorder);
}

void CZAVPVisualManager2003::OnDrawTask(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons,
                                        BOOL bIsHighlighted, BOOL bIsSelected)
{
    // The hot-link colour is the selection colour while tasks are drawn.
    const COLORREF clrHotText = globalData.clrHotText;
    globalData.clrHotText = globalData.clrHilite;
    CZAVPVisualManagerXP::OnDrawTask(pDC, pTask, hIcons, bIsHighlighted, bIsSelected);
    globalData.clrHotText = clrHotText;
}

void CZAVPVisualManager2003::OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize,
                                                 int iImage, BOOL bHilited)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnDrawScrollButtons(pDC, rect, nBorderSize, iImage, bHilited);
        return;
    }
    pDC->FillSolidRect(rect, globalData.clrBarWindow);
    if (bHilited) OnFillHighlightedArea(pDC, rect, &m_brHighlight, nullptr);
    pDC->Draw3dRect(rect, globalData.clrBarShadow, globalData.clrBarShadow);
    DrawGlyphCentered(pDC, iImage, rect, CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManager2003::OnFillAutoHideButtonBackground(CDC* pDC, CRect rect,
                                                            CZAVPAutoHideButton* pButton)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnFillAutoHideButtonBackground(pDC, rect, pButton);
        return;
    }
    // Whether the button's bar is the one shown is the flag of the button's strip; until the
    // docking code declares the strip, every button is drawn as one whose bar is hidden.
    FillAutoHideButton(pDC, rect, FALSE);
}

void CZAVPVisualManager2003::FillAutoHideButton(CDC* pDC, const CRect& rect, BOOL bBarShown)
{
    if (bBarShown)
        PaneGradient(pDC, rect, m_colors2003.highlightGradientLight,
                     m_colors2003.highlightGradientDark, TRUE);
    else
        PaneGradient(pDC, rect, m_colors2003.barGradientLight, m_colors2003.barGradientDark, TRUE);
}

int CZAVPVisualManager2003::GetShowAllMenuItemsHeight()
{
    return CZAVPVisualManagerXP::GetShowAllMenuItemsHeight() + 4;
}

void CZAVPVisualManager2003::OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int state)
{
    if (UsesGradients()) {
        // A round expander under the double chevron.
        const int d = std::min(rect.Width(), rect.Height()) - 2;
        const CPoint centre = rect.CenterPoint();
        const CRect ring(centre.x - d / 2, centre.y - d / 2, centre.x - d / 2 + d,
                         centre.y - d / 2 + d);
        CZAVPPainter(*pDC).DrawGradientRing(ring, m_colors2003.toolBarGradientLight, m_clrMenuLight,
                                            (COLORREF)-1, 45, kExpanderRings,
                                            m_colors2003.toolBarGradientLight);
    }
    CZAVPVisualManagerXP::OnDrawShowAllMenuItems(pDC, rect, state);
}
