// The flat look, continued (see CZAVPVisualManagerXP.h): combo, edit and spin controls, the
// tear-off caption, tabs, the command list, the tasks pane, scroll buttons and small frames.
#include "ui/foundation/CZAVPVisualManagerXP.h"

#include <algorithm>

#include "framework/CDC.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/panes/CZAVPTasksPane.h"
#include "ui/toolbars/CZAVPButton.h"

namespace
{
const int kDarkChannel = 128;    // any channel below this makes a highlight dark
const int kTearOffBandMin = 20;  // narrowest dotted band of a tear-off caption

void FramePaneRect(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(rect, color, color);
}

void PaneLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}
}  // namespace

void CZAVPVisualManagerXP::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                                 BOOL bIsDropped, BOOL bIsHighlighted,
                                                 CZAVPToolbarComboBoxButton*)
{
    if (bIsDropped || bIsHighlighted) {
        OnFillHighlightedArea(pDC, rect, bIsDropped ? &m_brHighlightDn : &m_brHighlight, nullptr);
        FramePaneRect(pDC, rect, m_clrFrameHilite);
    } else
        pDC->FillRect(rect, &globalData.brBarFace);
    DrawGlyphCentered(pDC, CZAVPMenuGlyphs::IdArrowDown, rect,
                      bDisabled ? CZAVPMenuGlyphs::StateGray : CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManagerXP::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL, BOOL bIsDropped,
                                             BOOL bIsHighlighted, CZAVPToolbarComboBoxButton*)
{
    if (!bIsDropped && !bIsHighlighted) return;
    rect.DeflateRect(1, 1);
    FramePaneRect(pDC, rect, m_clrFrameHilite);
}

void CZAVPVisualManagerXP::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled,
                                            BOOL bIsHighlighted, CZAVPToolbarEditBoxButton* pButton)
{
    if (!ZAVPSharedBarData::g_bEditBoxBorders) {
        CZAVPVisualManager::OnDrawEditBorder(pDC, rect, bDisabled, bIsHighlighted, pButton);
        return;
    }
    if (bIsHighlighted) FramePaneRect(pDC, rect, m_clrFrameHilite);
}

void CZAVPVisualManagerXP::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    pDC->FillRect(rect, &m_brMenuLight);
    rect.DeflateRect(1, 1);
    OnFillHighlightedArea(pDC, rect, bIsActive ? &m_brHighlight : &m_brBarBkgnd, nullptr);
    CreateGripperBrushes();
    const int width = std::max(kTearOffBandMin, 2 * (int)ZAVPSharedBarData::g_sizeMenuImage.cx);
    CRect band(rect.CenterPoint().x - width / 2, rect.top + 1, rect.CenterPoint().x + width / 2,
               rect.bottom - 1);
    const COLORREF clrOldText = pDC->SetTextColor(bIsActive ? m_clrHighlight : m_clrBarBkgnd);
    const COLORREF clrOldBk = pDC->SetBkColor(m_clrGripper);
    pDC->FillRect(band, &m_brGripperHorz);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
    if (bIsActive) FramePaneRect(pDC, rect, globalData.clrBarDkShadow);
}

void CZAVPVisualManagerXP::OnDrawSpinButtons(CDC* pDC, CRect& rectSpin, int nState,
                                             BOOL bOrientation)
{
    pDC->FillSolidRect(rectSpin, globalData.clrBarFace);
    FramePaneRect(pDC, rectSpin, globalData.clrBarHilite);
    CRect halves[2];
    int glyphs[2];
    SplitSpinRect(rectSpin, bOrientation, halves, glyphs);
    const int nPressed = (nState & 3) - 1;
    for (int i = 0; i < 2; ++i) {
        if (i == nPressed) {
            OnFillHighlightedArea(pDC, halves[i], &m_brHighlightDn, nullptr);
            FramePaneRect(pDC, halves[i], m_clrFrameHilite);
        }
        DrawGlyphCentered(pDC, glyphs[i], halves[i],
                          (nState & 8) ? CZAVPMenuGlyphs::StateGray : CZAVPMenuGlyphs::StateBlack);
    }
}

void CZAVPVisualManagerXP::OnEraseTabsArea(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd)
{
    if (pTabWnd && pTabWnd->IsFlatTab())
        CZAVPVisualManager::OnEraseTabsArea(pDC, rect, pTabWnd);
    else
        pDC->FillRect(rect, &m_brTabBack);
}

void CZAVPVisualManagerXP::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                     const CZAVPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->IsFlatTab() || pTabWnd->IsOneTabScroll()) {
        CZAVPVisualManager::OnDrawTab(pDC, rectTab, iTab, bIsActive, pTabWnd);
        return;
    }
    // The active tab is a face-coloured box joined to the body; inactive tabs are labels on the
    // tab background with a short separator on their right.
    const BOOL bBottom = pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM;
    const COLORREF clrTab = pTabWnd->GetTabBkColor(iTab);
    if (bIsActive) {
        pDC->FillSolidRect(rectTab, clrTab == (COLORREF)-1 ? globalData.clrBarFace : clrTab);
        CPen penHilite(PS_SOLID, 1, globalData.clrBarHilite),
            penDark(PS_SOLID, 1, globalData.clrBarDkShadow);
        CPen* pOldPen = pDC->SelectObject(&penHilite);
        const int yFar = bBottom ? rectTab.bottom - 1 : rectTab.top;
        const int yNear = bBottom ? rectTab.top : rectTab.bottom;
        PaneLine(pDC, rectTab.left, yNear, rectTab.left, yFar);
        pDC->SelectObject(bBottom ? &penDark : &penHilite);
        PaneLine(pDC, rectTab.left, yFar, rectTab.right - 1, yFar);
        pDC->SelectObject(&penDark);
        PaneLine(pDC, rectTab.right - 1, yFar, rectTab.right - 1, yNear);
        pDC->SelectObject(pOldPen);
    } else {
        if (clrTab != (COLORREF)-1) pDC->FillSolidRect(rectTab, clrTab);
        CPen pen(PS_SOLID, 1, m_clrBarShadowLight);
        CPen* pOldPen = pDC->SelectObject(&pen);
        PaneLine(pDC, rectTab.right - 1, rectTab.top + 3, rectTab.right - 1, rectTab.bottom - 3);
        pDC->SelectObject(pOldPen);
    }
    const COLORREF clrText = pTabWnd->GetTabTextColor(iTab);
    const COLORREF clrOld = pDC->SetTextColor(
        clrText != (COLORREF)-1 ? clrText
                                : (bIsActive ? globalData.clrBarText : globalData.clrBarShadow));
    OnDrawTabContent(pDC, rectTab, iTab, bIsActive, pTabWnd, (COLORREF)-1);
    pDC->SetTextColor(clrOld);
}

void CZAVPVisualManagerXP::OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton* pButton,
                                             CZAVPBaseTabWnd* pWndTab)
{
    if (pWndTab && pWndTab->IsFlatTab()) {
        CBrush* pBrush = &globalData.brBarFace;
        if (pButton && pButton->IsPushed() && pButton->IsHighlighted())
            pBrush = &m_brHighlightDn;
        else if (pButton && pButton->IsHighlighted())
            pBrush = &m_brHighlight;
        pDC->FillRect(rect, pBrush);
        OnFillHighlightedArea(pDC, rect, pBrush, nullptr);
        return;
    }
    pDC->FillRect(rect, &m_brTabBack);
}

void CZAVPVisualManagerXP::OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CZAVPButton* pButton, UINT,
                                                  CZAVPBaseTabWnd* pWndTab)
{
    const BOOL bPushed = pButton && pButton->IsPushed(), bHot = pButton && pButton->IsHighlighted();
    if (pWndTab && pWndTab->IsFlatTab()) {
        if (bPushed || bHot) FramePaneRect(pDC, rect, globalData.clrBarDkShadow);
        return;
    }
    if (bPushed && bHot)
        pDC->Draw3dRect(rect, globalData.clrBarDkShadow, m_clrBarShadowLight);
    else if (bPushed || bHot)
        pDC->Draw3dRect(rect, m_clrBarShadowLight, globalData.clrBarDkShadow);
}

COLORREF CZAVPVisualManagerXP::OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected)
{
    if (!bIsSelected) {
        pDC->FillRect(rect, &m_brMenuLight);
        CRect column = rect;
        column.right = column.left + ZAVPSharedBarData::g_sizeMenuImage.cx + GetMenuImageMargin() +
                       2;
        pDC->FillRect(column, &m_brBarBkgnd);
        return globalData.clrBarText;
    }
    OnFillHighlightedArea(pDC, rect, &m_brHighlight, nullptr);
    FramePaneRect(pDC, rect, m_clrFrameHilite);
    return TextOnHighlight();
}

void CZAVPVisualManagerXP::OnDrawMenuArrowOnCustomizeList(CDC* pDC, CRect rectCommand, BOOL)
{
    const BOOL bDark = GetRValue(m_clrHighlight) < kDarkChannel ||
                       GetGValue(m_clrHighlight) < kDarkChannel ||
                       GetBValue(m_clrHighlight) < kDarkChannel;
    const CSize glyph = CZAVPMenuGlyphs::GetSize();
    const CPoint pt(rectCommand.right - glyph.cx,
                    rectCommand.top + (rectCommand.Height() - glyph.cy) / 2);
    CZAVPMenuGlyphs::Draw(pDC, CZAVPMenuGlyphs::IdArrowRightLarge, pt,
                          bDark ? CZAVPMenuGlyphs::StateWhite : CZAVPMenuGlyphs::StateBlack);
    CPen pen(PS_SOLID, 1, bDark ? RGB(255, 255, 255) : RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    PaneLine(pDC, pt.x - 1, rectCommand.top + 2, pt.x - 1, rectCommand.bottom - 2);
    pDC->SelectObject(pOldPen);
}

void CZAVPVisualManagerXP::OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup,
                                                   BOOL bIsHighlighted, BOOL, BOOL bCanCollapse)
{
    const CRect rect = pGroup->m_rect;
    pDC->FillRect(rect, &m_brBarBkgnd);
    int nTextLeft = rect.left + 4;
    if (pGroup->m_hIcon && pGroup->m_sizeIcon.cx < rect.Width() - rect.Height()) {
        pDC->DrawIcon(rect.left + 1, rect.bottom - pGroup->m_sizeIcon.cy, pGroup->m_hIcon);
        nTextLeft = rect.left + pGroup->m_sizeIcon.cx + 2;
    }
    CRect rectText(nTextLeft, rect.top, rect.right - rect.Height(), rect.bottom);
    DrawTextIn(pDC, pGroup->m_strName, rectText, &globalData.fontBold,
               bIsHighlighted || pGroup->m_bIsSpecial ? globalData.clrHilite
                                                      : globalData.clrWindowText,
               DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    if (bCanCollapse && pGroup->m_strName.GetLength() > 0)
        DrawGlyphCentered(
            pDC, pGroup->m_bIsCollapsed ? CZAVPMenuGlyphs::IdArrowDown : CZAVPMenuGlyphs::IdArrowUp,
            CRect(rect.right - rect.Height(), rect.top, rect.right, rect.bottom),
            CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManagerXP::OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL)
{
    CPen pen(PS_SOLID, 1, globalData.clrBarShadow);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top - 1);
    pDC->SelectObject(pOldPen);
}

void CZAVPVisualManagerXP::OnDrawTask(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons,
                                      BOOL bIsHighlighted, BOOL)
{
    if (pTask->m_bIsSeparator) {
        CPen* pOldPen = pDC->SelectObject(&m_penSeparator);
        const int y = pTask->m_rect.CenterPoint().y;
        PaneLine(pDC, pTask->m_rect.left, y, pTask->m_rect.right, y);
        pDC->SelectObject(pOldPen);
        return;
    }
    // A hot link takes the global hot-link colour.
    DrawTaskItem(pDC, pTask, hIcons, bIsHighlighted, globalData.clrHotText);
}

void CZAVPVisualManagerXP::OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize,
                                               int iImage, BOOL bHilited)
{
    CRect rectFill = rect;
    rectFill.top -= nBorderSize;
    pDC->FillRect(rectFill, &globalData.brWindow);
    if (bHilited) {
        pDC->FillRect(rect, &m_brHighlight);
        FramePaneRect(pDC, rect, m_clrFrameHilite);
    }
    DrawGlyphCentered(pDC, iImage, rect, CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManagerXP::OnDrawDoubleFrame(CDC* pDC, CWnd*, CRect rect)
{
    FramePaneRect(pDC, rect, globalData.clrBarShadow);
    rect.DeflateRect(1, 1);
    FramePaneRect(pDC, rect, globalData.clrBarFace);
}

void CZAVPVisualManagerXP::OnDrawFaceShadowFrame(CDC* pDC, CWnd*, CRect& rect)
{
    FramePaneRect(pDC, rect, globalData.clrBarFace);
}

COLORREF CZAVPVisualManagerXP::OnFillCalendarBarBackground(CDC* pDC, CRect rect, COLORREF& clr1,
                                                           COLORREF& clr2)
{
    pDC->FillRect(rect, &m_brBarBkgnd);
    clr1 = globalData.clrBarText;
    clr2 = globalData.clrGrayedText;
    return globalData.clrGrayedText;
}

COLORREF CZAVPVisualManagerXP::OnDrawCalendarBarFrame(CDC* pDC, CRect rect)
{
    pDC->FillRect(rect, &m_brBarBkgnd);
    CPen* pOldPen = pDC->SelectObject(&m_penSeparator);
    PaneLine(pDC, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1);
    pDC->SelectObject(pOldPen);
    return globalData.clrBarText;
}
