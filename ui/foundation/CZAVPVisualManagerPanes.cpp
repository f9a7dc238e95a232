// The default look, continued (see CZAVPVisualManager.h): combo, edit and spin frames, tabs,
// caption-bar and outlook buttons, the tasks pane, sliders, check boxes and auto-hide buttons.
#include "ui/foundation/CZAVPVisualManager.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/panes/CZAVPTasksPane.h"
#include "ui/toolbars/CZAVPButton.h"

namespace
{
const int kTabCut = 10;         // how far a scrolled tab may reach past the tab area's ends
const int kTabImageMargin = 4;  // left margin of a tab's image
const int kTabLabelGap = 6;     // from the tab's left edge (after the image) to its label

void FillPaneRect(CDC* pDC, const CRect& rect, COLORREF color)
{
    CBrush brush(color);
    pDC->FillRect(rect, &brush);
}

void Line(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

// The active tab's own colour of a scrolled tab window, or -1.
COLORREF ActiveTabFillColor(const CZAVPBaseTabWnd* pTabWnd)
{
    if (!pTabWnd || !pTabWnd->IsOneTabScroll()) return (COLORREF)-1;
    return pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
}
}  // namespace

void CZAVPVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                               BOOL bIsDropped, BOOL bIsHighlighted,
                                               CZAVPToolbarComboBoxButton*)
{
    FillPaneRect(pDC, rect, globalData.clrBarFace);
    pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarHilite);
    int nOffset = 1;
    if (bIsDropped) {
        rect.OffsetRect(1, 1);
        pDC->Draw3dRect(rect, globalData.clrBarShadow, globalData.clrBarHilite);
        ++nOffset;
    } else if (bIsHighlighted)
        pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
    DrawGlyphCentered(pDC, CZAVPMenuGlyphs::IdArrowDown, rect,
                      bDisabled ? CZAVPMenuGlyphs::StateGray : CZAVPMenuGlyphs::StateBlack,
                      nOffset);
}

void CZAVPVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL, BOOL bIsDropped,
                                           BOOL bIsHighlighted, CZAVPToolbarComboBoxButton*)
{
    if (!bIsDropped && !bIsHighlighted) return;
    if (m_bMenuFlatLook) {
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, globalData.clrBarDkShadow, globalData.clrBarDkShadow);
    } else
        pDC->Draw3dRect(rect, globalData.clrBarShadow, globalData.clrBarHilite);
}

void CZAVPVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL, BOOL bIsHighlighted,
                                          CZAVPToolbarEditBoxButton*)
{
    if (bIsHighlighted) pDC->DrawEdge(rect, EDGE_SUNKEN, BF_RECT);
}

void CZAVPVisualManager::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    pDC->FillRect(rect, &globalData.brBarFace);
    rect.DeflateRect(2, 1);
    FillPaneRect(pDC, rect,
                 bIsActive ? globalData.clrActiveCaption : globalData.clrInactiveCaption);
}

void CZAVPVisualManager::OnDrawSpinButtons(CDC* pDC, CRect& rectSpin, int nState, BOOL bOrientation)
{
    FillPaneRect(pDC, rectSpin, globalData.clrBarFace);
    pDC->Draw3dRect(rectSpin, globalData.clrBarHilite, globalData.clrBarHilite);
    CRect halves[2];
    int glyphs[2];
    SplitSpinRect(rectSpin, bOrientation, halves, glyphs);
    const int nPressed = (nState & 3) - 1;
    const int nGlyphState = (nState & 8) ? CZAVPMenuGlyphs::StateGray : CZAVPMenuGlyphs::StateBlack;
    for (int i = 0; i < 2; ++i) {
        if (i == nPressed)
            pDC->Draw3dRect(halves[i], globalData.clrBarShadow, globalData.clrBarHilite);
        else
            pDC->Draw3dRect(halves[i], globalData.clrBarHilite, globalData.clrBarShadow);
        DrawGlyphCentered(pDC, glyphs[i], halves[i], nGlyphState);
    }
}

COLORREF CZAVPVisualManager::GetCaptionBarTextColor(CZAVPCaptionBar*)
{
    return globalData.clrBarWindow;
}

void CZAVPVisualManager::OnFillCaptionBarButton(CDC* pDC, CZAVPCaptionBar*, CRect rect,
                                                COLORREF clrBarBackground, BOOL bNoFrame)
{
    if (clrBarBackground == (COLORREF)-1)
        pDC->FillRect(rect, &globalData.brBarFace);
    else
        FillPaneRect(pDC, rect, clrBarBackground);
    if (!bNoFrame) pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CZAVPVisualManager::OnFillOutlookPageButton(CDC* pDC, CRect& rect, BOOL, BOOL,
                                                 COLORREF& clrText)
{
    pDC->FillRect(rect, &globalData.brBarFace);
    clrText = globalData.clrBarText;
}

void CZAVPVisualManager::OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn,
                                                       BOOL bIsHighlighted, BOOL bIsPressed)
{
    if (bIsHighlighted && bIsPressed) {
        pDC->Draw3dRect(rectBtn, globalData.clrBarDkShadow, globalData.clrBarFace);
        rectBtn.DeflateRect(1, 1);
        pDC->Draw3dRect(rectBtn, globalData.clrBarShadow, globalData.clrBarHilite);
    } else if (bIsHighlighted || bIsPressed) {
        pDC->Draw3dRect(rectBtn, globalData.clrBarFace, globalData.clrBarDkShadow);
        rectBtn.DeflateRect(1, 1);
        pDC->Draw3dRect(rectBtn, globalData.clrBarHilite, globalData.clrBarShadow);
    } else
        pDC->Draw3dRect(rectBtn, globalData.clrBarHilite, globalData.clrBarShadow);
    rectBtn.DeflateRect(1, 1);
}

void CZAVPVisualManager::OnEraseTabsArea(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd)
{
    pDC->FillRect(rect, &globalData.brBarFace);
    const COLORREF clrActive = ActiveTabFillColor(pTabWnd);
    if (clrActive != (COLORREF)-1)
        FillPaneRect(pDC, CRect(rect.left, rect.bottom - 2, rect.right, rect.bottom), clrActive);
}

void CZAVPVisualManager::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                   const CZAVPBaseTabWnd* pTabWnd)
{
    const COLORREF clrTab = pTabWnd->GetTabBkColor(iTab);
    const BOOL bBottom = pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM;
    if (pTabWnd->IsFlatTab()) {
        CRect rectTabs;
        pTabWnd->GetTabsRect(rectTabs);
        const int nSlant = rectTabs.Height() / 2;
        if (bBottom)
            --rectTab.bottom;
        else
            rectTab.OffsetRect(2, 0), ++rectTab.top;
        const int yNear = bBottom ? rectTab.top : rectTab.bottom;
        const int yFar = bBottom ? rectTab.bottom : rectTab.top;
        const POINT pts[4] = {{rectTab.left, yNear},
                              {rectTab.left + nSlant, yFar},
                              {rectTab.right - nSlant, yFar},
                              {rectTab.right, yNear}};
        CBrush brush;
        CBrush* pOldBrush = nullptr;
        if (!bIsActive && clrTab != (COLORREF)-1) {
            brush.CreateSolidBrush(clrTab);
            pOldBrush = pDC->SelectObject(&brush);
        }
        pDC->Polygon(pts, 4);
        if (pOldBrush) pDC->SelectObject(pOldBrush);
    } else if (pTabWnd->IsOneTabScroll()) {
        const COLORREF clrFace = clrTab == (COLORREF)-1 ? globalData.clrBtnFace : clrTab;
        DrawTabOneTabScroll(pDC, rectTab, iTab, bIsActive, pTabWnd, clrFace, clrFace);
    } else
        DrawTabClassic(pDC, rectTab, bIsActive, !bBottom, clrTab);

    const COLORREF clrText = pTabWnd->GetTabTextColor(iTab);
    const COLORREF clrOld = clrText != (COLORREF)-1 ? pDC->SetTextColor(clrText)
                                                    : pDC->GetTextColor();
    OnDrawTabContent(pDC, rectTab, iTab, bIsActive, pTabWnd, (COLORREF)-1);
    pDC->SetTextColor(clrOld);
}

void CZAVPVisualManager::DrawTabClassic(CDC* pDC, CRect rectTab, BOOL bIsActive, BOOL bTop,
                                        COLORREF clrTab)
{
    if (!bIsActive) {
        if (bTop)
            rectTab.top += 2;
        else
            rectTab.bottom -= 2;
        if (clrTab != (COLORREF)-1) {
            CRect rectFill = rectTab;
            rectFill.DeflateRect(1, 1);
            FillPaneRect(pDC, rectFill, clrTab);
        }
    }
    CPen penHilite(PS_SOLID, 1, globalData.clrBarHilite);
    CPen penShadow(PS_SOLID, 1, globalData.clrBarShadow);
    CPen* pOldPen = pDC->SelectObject(&penHilite);
    const int l = rectTab.left, t = rectTab.top, r = rectTab.right - 1, b = rectTab.bottom - 1;
    if (bTop) {
        // Left and top edges light, corners cut by two; right edge black with a shadow inside.
        Line(pDC, l, b, l, t + 2);
        Line(pDC, l, t + 2, l + 2, t);
        Line(pDC, l + 2, t, r - 1, t);
        pDC->SelectStockObject(BLACK_PEN);
        Line(pDC, r - 1, t, r + 1, t + 2);
        Line(pDC, r, t + 2, r, b + 1);
        pDC->SelectObject(&penShadow);
        Line(pDC, r - 1, t + 1, r - 1, b + 1);
    } else {
        // Left edge light; bottom and right edges black, with a shadow line inside both.
        Line(pDC, l, t, l, b - 2);
        pDC->SelectStockObject(BLACK_PEN);
        Line(pDC, l, b - 2, l + 2, b);
        Line(pDC, l + 2, b, r - 2, b);
        Line(pDC, r - 2, b, r, b - 2);
        Line(pDC, r, b - 2, r, t - 1);
        pDC->SelectObject(&penShadow);
        Line(pDC, l + 2, b - 1, r - 2, b - 1);
        Line(pDC, r - 1, b - 2, r - 1, t - 1);
    }
    pDC->SelectObject(pOldPen);
}

void CZAVPVisualManager::DrawTabOneTabScroll(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                             const CZAVPBaseTabWnd* pTabWnd, COLORREF clrFaceBottom,
                                             COLORREF clrFaceTop)
{
    CRect rectTabs;
    pTabWnd->GetTabsRect(rectTabs);
    const int h = rectTab.Height();
    const BOOL bUnderNeighbour = !bIsActive && iTab != 0;
    if (rectTab.left + kTabCut + (bUnderNeighbour ? h : 0) > rectTabs.right ||
        rectTab.right - kTabCut <= rectTabs.left)
        return;
    const BOOL bBottom = pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM;
    const int l = rectTab.left, t = rectTab.top, r = rectTab.right, b = rectTab.bottom;
    POINT pts[8] = {{l, b},         {l + 2, b - 1}, {l + 4, b - 2}, {l + h, t + 2},
                    {l + h + 4, t}, {r - 2, t},     {r, t + 2},     {r, b}};
    BOOL bCut = FALSE;
    for (POINT& pt : pts) {
        if (bBottom) pt.y = t + b - 1 - pt.y;
        if (pt.x > rectTabs.right) pt.x = rectTabs.right, bCut = TRUE;
    }
    const int nSaved = pDC->SaveDC();
    CRgn rgn;
    rgn.CreatePolygonRgn(pts, 8, WINDING);
    pDC->SelectClipRgn(&rgn);
    CZAVPPainter(*pDC).FillGradient(rectTab, clrFaceBottom, clrFaceTop, TRUE);
    pDC->SelectClipRgn(nullptr);
    // The body of the window beside the tab area is not the tab's to draw.
    CRect rectClient;
    pTabWnd->GetClientRect(rectClient);
    if (bBottom)
        pDC->ExcludeClipRect(rectClient.left, rectClient.top, rectClient.right, rectTabs.top);
    else
        pDC->ExcludeClipRect(rectClient.left, rectTabs.bottom, rectClient.right, rectClient.bottom);
    if (bUnderNeighbour && iTab != pTabWnd->GetFirstVisibleTabNum())
        pDC->ExcludeClipRect(rectTabs.left, rectTabs.top, l + h - kTabCut, rectTabs.bottom);
    pDC->Polyline(pts, 8);
    if (bCut) Line(pDC, rectTabs.right, t, rectTabs.right, b);
    pDC->ExcludeClipRect(r, rectTabs.top, rectTabs.right, rectTabs.bottom);
    // Inner lines just inside the slanted side and the top; a shadow inside the far side.
    CPen penHilite(PS_SOLID, 1, globalData.clrBarHilite);
    CPen* pOldPen = pDC->SelectObject(&penHilite);
    const int dy = bBottom ? -1 : 1;
    Line(pDC, pts[3].x + 1, pts[3].y, pts[4].x + 1, pts[4].y + dy);
    Line(pDC, pts[4].x + 1, pts[4].y + dy, pts[5].x, pts[5].y + dy);
    if (!bIsActive && !bCut) {
        CPen penShadow(PS_SOLID, 1, globalData.clrBarShadow);
        pDC->SelectObject(&penShadow);
        Line(pDC, pts[6].x - 1, pts[6].y, pts[7].x - 1, pts[7].y);
        pDC->SelectObject(&penHilite);
    }
    pDC->SelectObject(pOldPen);
    pDC->RestoreDC(nSaved);
}

void CZAVPVisualManager::OnDrawTabContent(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                          const CZAVPBaseTabWnd* pTabWnd, COLORREF clrText)
{
    CString strLabel;
    pTabWnd->GetTabLabel(iTab, strLabel);
    const UINT nNoPrefix = pTabWnd->IsDrawNoPrefix() ? DT_NOPREFIX : 0;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    if (pTabWnd->IsFlatTab()) {
        pDC->DrawText(strLabel, rectTab, DT_SINGLELINE | DT_CENTER | DT_VCENTER | nNoPrefix);
        pDC->SetBkMode(nOldMode);
        return;
    }
    const CSize sizeImage = pTabWnd->GetImageSize();
    const UINT uiIcon = pTabWnd->GetTabIcon(iTab);
    const HICON hIcon = pTabWnd->GetTabHicon(iTab);
    const int nImageWidth = (uiIcon == (UINT)-1 && hIcon == nullptr) ? 0 : sizeImage.cx;
    if (rectTab.Width() < nImageWidth + kTabImageMargin) {
        pDC->SetBkMode(nOldMode);
        return;
    }
    if (nImageWidth > 0) {
        const BOOL bBottom = pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM;
        const int y = rectTab.top + (rectTab.Height() - sizeImage.cy) / 2 -
                      (bIsActive && bBottom ? 1 : 0);
        const CPoint pt(rectTab.left + kTabImageMargin, y);
        if (hIcon)
            pDC->DrawState(pt, sizeImage, hIcon, DSS_NORMAL);
        else if (pTabWnd->GetImageList())
            ImageList_Draw(pTabWnd->GetImageList(), (int)uiIcon, pDC->GetSafeHdc(), pt.x, pt.y,
                           ILD_TRANSPARENT);
    }
    CRect rectLabel = rectTab;
    rectLabel.left += nImageWidth + kTabLabelGap;
    const COLORREF clrOld = clrText != (COLORREF)-1 ? pDC->SetTextColor(clrText)
                                                    : pDC->GetTextColor();
    pDC->DrawText(strLabel, rectLabel,
                  DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | nNoPrefix |
                      (pTabWnd->IsOneTabScroll() ? DT_CENTER : 0));
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CZAVPVisualManager::OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton*, CZAVPBaseTabWnd*)
{
    pDC->FillRect(rect, &globalData.brBarFace);
}

void CZAVPVisualManager::OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CZAVPButton* pButton,
                                                UINT uiState, CZAVPBaseTabWnd*)
{
    const BOOL bPressed = (pButton && pButton->IsPushed() && pButton->IsHighlighted()) ||
                          (uiState & 1);
    if (bPressed) {
        pDC->Draw3dRect(rect, globalData.clrBarDkShadow, globalData.clrBarHilite);
        rect.left += 2;
        rect.top += 2;
    } else
        pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarDkShadow);
    rect.DeflateRect(2, 2);
}

void CZAVPVisualManager::GetTabFrameColors(const CZAVPBaseTabWnd* pTabWnd, COLORREF& clrDark,
                                           COLORREF& clrBlack, COLORREF& clrHighlight,
                                           COLORREF& clrFace, COLORREF& clrDarkShadow,
                                           COLORREF& clrLight, CBrush*& pbrFace, CBrush*& pbrBlack)
{
    const COLORREF clrActive = ActiveTabFillColor(pTabWnd);
    clrDark = globalData.clrBarShadow;
    clrBlack = globalData.clrBarText;
    clrHighlight = globalData.clrBarHilite;
    clrFace = clrActive != (COLORREF)-1 ? clrActive : globalData.clrBarFace;
    clrDarkShadow = globalData.clrBarDkShadow;
    clrLight = globalData.clrBarLight;
    pbrFace = &globalData.brBarFace;
    pbrBlack = &globalData.brBlack;
}

BOOL CZAVPVisualManager::OnEraseTabsFrame(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd)
{
    const COLORREF clrActive = ActiveTabFillColor(pTabWnd);
    if (clrActive == (COLORREF)-1) return FALSE;
    FillPaneRect(pDC, rect, clrActive);
    return TRUE;
}

COLORREF CZAVPVisualManager::OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected)
{
    if (!bIsSelected) {
        pDC->FillRect(rect, &globalData.brBarFace);
        return globalData.clrBarText;
    }
    pDC->FillRect(rect, &globalData.brHilite);
    rect.DeflateRect(1, 1);
    // A one-pixel frame just inside, inverted with the DC's current brush.
    pDC->PatBlt(rect.left, rect.top, rect.Width(), 1, PATINVERT);
    pDC->PatBlt(rect.left, rect.bottom - 1, rect.Width(), 1, PATINVERT);
    pDC->PatBlt(rect.left, rect.top + 1, 1, rect.Height() - 2, PATINVERT);
    pDC->PatBlt(rect.right - 1, rect.top + 1, 1, rect.Height() - 2, PATINVERT);
    return globalData.clrTextHilite;
}

void CZAVPVisualManager::OnDrawMenuArrowOnCustomizeList(CDC* pDC, CRect rectCommand, BOOL bSelected)
{
    const CSize glyph = CZAVPMenuGlyphs::GetSize();
    const CPoint pt(rectCommand.right - glyph.cx,
                    rectCommand.top + (rectCommand.Height() - glyph.cy) / 2);
    CZAVPMenuGlyphs::Draw(pDC, CZAVPMenuGlyphs::IdArrowRightLarge, pt,
                          bSelected ? CZAVPMenuGlyphs::StateWhite : CZAVPMenuGlyphs::StateBlack);
    const CRect band(pt.x - 3, rectCommand.top + 2, pt.x - 1, rectCommand.bottom - 2);
    pDC->Draw3dRect(band, globalData.clrBtnShadow, globalData.clrBtnHilite);
}

void CZAVPVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    pDC->FillRect(rectWorkArea, &globalData.brWindow);
}

void CZAVPVisualManager::OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup,
                                                 BOOL bIsHighlighted, BOOL, BOOL bCanCollapse)
{
    const CRect rect = pGroup->m_rect;
    const COLORREF clrOldBk = pDC->GetBkColor();
    FillPaneRect(pDC, rect, pGroup->m_bIsSpecial ? globalData.clrHilite : globalData.clrBarFace);
    pDC->SetBkColor(clrOldBk);
    const CZAVPTasksPane* pPane = pGroup->m_pPane;
    const int nHorz = pPane && pPane->m_nGroupCaptionHorzOffset != -1
                          ? pPane->m_nGroupCaptionHorzOffset
                          : m_tasksPane.nGroupCaptionHorzOffset;
    const int nVert = pPane && pPane->m_nGroupCaptionVertOffset != -1
                          ? pPane->m_nGroupCaptionVertOffset
                          : m_tasksPane.nGroupCaptionVertOffset;
    int nTextLeft = nHorz;
    if (pGroup->m_hIcon && pGroup->m_sizeIcon.cx < rect.Width() - rect.Height()) {
        pDC->DrawIcon(rect.left + 1, rect.bottom - pGroup->m_sizeIcon.cy, pGroup->m_hIcon);
        nTextLeft = pGroup->m_sizeIcon.cx;
    }
    CRect rectText(rect.left + nTextLeft, rect.top + nVert, rect.right, rect.bottom);
    if (rectText.Width() > rect.Height()) rectText.right -= rect.Height();
    DrawTextIn(pDC, pGroup->m_strName, rectText, &globalData.fontBold,
               pGroup->m_bIsSpecial ? globalData.clrBarWindow : globalData.clrWindowText,
               DT_SINGLELINE | DT_END_ELLIPSIS);
    if (!bCanCollapse || pGroup->m_strName.GetLength() == 0) return;
    const CSize glyph = CZAVPMenuGlyphs::GetSize();
    const int x = std::max<int>(rect.left,
                                rect.right - (glyph.cx + 1) / 2 - (rect.Height() + 1) / 2);
    const int y = rect.top + (rect.Height() - glyph.cy) / 2;
    const CRect box(x, y, x + glyph.cx, y + glyph.cy);
    if (box.right > rect.right || box.bottom > rect.bottom) return;  // no room for the glyph
    if (bIsHighlighted) {
        CRect frame = box;
        frame.InflateRect(1, 1);
        pDC->Draw3dRect(frame, globalData.clrBarWindow, globalData.clrBarShadow);
    }
    CZAVPMenuGlyphs::Draw(
        pDC, pGroup->m_bIsCollapsed ? CZAVPMenuGlyphs::IdArrowDown : CZAVPMenuGlyphs::IdArrowUp,
        box.TopLeft(), CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManager::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial,
                                                    BOOL bNoTitle)
{
    CPen pen(PS_SOLID, 1, bSpecial ? globalData.clrHilite : globalData.clrBarFace);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top);
    if (bNoTitle)
        pDC->LineTo(rect.left, rect.top);
    else
        pDC->LineTo(rect.right - 1, rect.top - 1);
    pDC->SelectObject(pOldPen);
}

void CZAVPVisualManager::OnDrawTask(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons,
                                    BOOL bIsHighlighted, BOOL)
{
    DrawTaskItem(pDC, pTask, hIcons, bIsHighlighted, globalData.clrWindowText);
}

void CZAVPVisualManager::DrawTaskItem(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons,
                                      BOOL bIsHighlighted, COLORREF clrHotLink)
{
    const CRect rect = pTask->m_rect;
    if (pTask->m_bIsSeparator) {
        const int y = rect.CenterPoint().y;
        FillPaneRect(pDC, CRect(rect.left, y, rect.right, y + 1), globalData.clrBarFace);
        return;
    }
    int cx = 0, cy = 0;
    if (hIcons && pTask->m_nIcon >= 0 && ImageList_GetIconSize(hIcons, &cx, &cy) && cx > 0)
        ImageList_Draw(hIcons, pTask->m_nIcon, pDC->GetSafeHdc(), rect.left, rect.top,
                       ILD_TRANSPARENT);
    else
        cx = 0;
    const CZAVPTasksPane* pPane = pTask->m_pGroup && pTask->m_pGroup->m_pPane
                                      ? pTask->m_pGroup->m_pPane
                                      : nullptr;
    const int nOffset = pPane && pPane->m_nTasksHorzOffset != -1 ? pPane->m_nTasksHorzOffset
                                                                 : m_tasksPane.nTasksIconHorzOffset;
    CFont* pFont = &globalData.fontRegular;
    COLORREF clrText = globalData.clrWindowText;
    if (pTask->m_uiCommandID != 0 && !pTask->m_bEnabled)
        clrText = globalData.clrGrayedText;
    else if (pTask->m_uiCommandID != 0 && bIsHighlighted) {
        pFont = &globalData.fontUnderline;
        clrText = clrHotLink;
    }
    CRect rectText = rect;
    rectText.left += cx + nOffset;
    DrawTextIn(pDC, pTask->m_strName, rectText, pFont, clrText, DT_SINGLELINE | DT_VCENTER);
}

void CZAVPVisualManager::OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize,
                                             int iImage, BOOL bHilited)
{
    CRect rectFill = rect;
    rectFill.top -= nBorderSize;
    pDC->FillRect(rectFill, &globalData.brBarFace);
    if (bHilited) {
        CZAVPPainter painter(*pDC);
        painter.HighlightRect(rect);
        pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarDkShadow);
    }
    DrawGlyphCentered(pDC, iImage, rect, CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManager::OnDrawSlider(CDC* pDC, CZAVPSlider* pSlider, CRect rect,
                                      BOOL bAutoHideMode)
{
    pDC->FillRect(rect, &globalData.brBarFace);
    if (!bAutoHideMode || !pSlider) return;
    const DWORD dwAlign = pSlider->GetCurrentAlignment();
    if (dwAlign & CBRS_ALIGN_LEFT)
        pDC->Draw3dRect(CRect(rect.right - 1, rect.top, rect.right - 1, rect.bottom),
                        globalData.clrBarDkShadow, globalData.clrBarDkShadow);
    else if (dwAlign & CBRS_ALIGN_RIGHT)
        pDC->Draw3dRect(CRect(rect.left, rect.top, rect.left, rect.bottom), globalData.clrBarHilite,
                        globalData.clrBarHilite);
    else if (dwAlign & CBRS_ALIGN_TOP)
        pDC->Draw3dRect(CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom - 1),
                        globalData.clrBarDkShadow, globalData.clrBarDkShadow);
    else if (dwAlign & CBRS_ALIGN_BOTTOM)
        pDC->Draw3dRect(CRect(rect.left, rect.top, rect.right, rect.top), globalData.clrBarHilite,
                        globalData.clrBarHilite);
}

void CZAVPVisualManager::OnDrawFramedLines(CDC* pDC, CRect rect, BOOL bMinusOnly, COLORREF clrFrame)
{
    pDC->Draw3dRect(rect, clrFrame, clrFrame);
    rect.DeflateRect(2, 2);
    CPen pen(PS_SOLID, 1, globalData.clrBarText);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const CPoint centre = rect.CenterPoint();
    Line(pDC, rect.left, centre.y, rect.right, centre.y);
    if (!bMinusOnly) Line(pDC, centre.x, rect.top, centre.x, rect.bottom);
    pDC->SelectObject(pOldPen);
}

void CZAVPVisualManager::OnDrawDoubleFrame(CDC* pDC, CWnd*, CRect rect)
{
    pDC->Draw3dRect(rect, globalData.clrBarShadow, globalData.clrBarHilite);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(rect, globalData.clrBarFace, globalData.clrBarFace);
}

void CZAVPVisualManager::OnDrawFaceShadowFrame(CDC* pDC, CWnd*, CRect& rect)
{
    pDC->Draw3dRect(rect, globalData.clrBarFace, globalData.clrBarShadow);
}

void CZAVPVisualManager::OnFillFaceRect(CDC* pDC, CWnd*, CRect rect)
{
    FillPaneRect(pDC, rect, globalData.clrBarFace);
}

COLORREF CZAVPVisualManager::OnFillCalendarBarBackground(CDC* pDC, CRect rect, COLORREF& clr1,
                                                         COLORREF& clr2)
{
    FillPaneRect(pDC, rect, globalData.clrBarShadow);
    clr1 = globalData.clrBarHilite;
    clr2 = globalData.clrBarLight;
    return globalData.clrBarHilite;
}

COLORREF CZAVPVisualManager::OnDrawCalendarBarFrame(CDC* pDC, CRect rect)
{
    FillPaneRect(pDC, rect, globalData.clrInactiveCaption);
    pDC->Draw3dRect(rect, globalData.clrInactiveBorder, globalData.clrInactiveBorder);
    return globalData.clrInactiveCaptionText;
}

void CZAVPVisualManager::OnDrawCheckBox(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked,
                                        BOOL bEnabled)
{
    if (bHighlighted) pDC->DrawFocusRect(rect);
    rect.DeflateRect(1, 1);
    FillPaneRect(pDC, rect, bEnabled ? globalData.clrBarWindow : globalData.clrBarFace);
    pDC->Draw3dRect(rect, globalData.clrBarDkShadow, globalData.clrBarHilite);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(rect, globalData.clrBarShadow, globalData.clrBarLight);
    if (bChecked)
        DrawGlyphCentered(pDC, CZAVPMenuGlyphs::IdCheck, rect, CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManager::OnDrawControlBorder(CWnd* pWndCtrl)
{
    DrawWindowFrame(pWndCtrl, globalData.clrBarDkShadow, globalData.clrBarHilite);
}

void CZAVPVisualManager::OnFillAutoHideButtonBackground(CDC* pDC, CRect rect, CZAVPAutoHideButton*)
{
    pDC->FillRect(rect, &globalData.brBarFace);
}

void CZAVPVisualManager::OnDrawAutoHideButtonBorder(CDC* pDC, CRect rectBounds,
                                                    CRect rectBorderSize, CZAVPAutoHideButton*)
{
    const COLORREF clr = globalData.clrBarShadow;
    if (rectBorderSize.left > 0)
        pDC->FillSolidRect(rectBounds.left, rectBounds.top, rectBorderSize.left,
                           rectBounds.Height(), clr);
    if (rectBorderSize.top > 0)
        pDC->FillSolidRect(rectBounds.left, rectBounds.top, rectBounds.Width(), rectBorderSize.top,
                           clr);
    if (rectBorderSize.right > 0)
        pDC->FillSolidRect(rectBounds.right - rectBorderSize.right, rectBounds.top,
                           rectBorderSize.right, rectBounds.Height(), clr);
    if (rectBorderSize.bottom > 0)
        pDC->FillSolidRect(rectBounds.left, rectBounds.bottom - rectBorderSize.bottom,
                           rectBounds.Width(), rectBorderSize.bottom, clr);
}

int CZAVPVisualManager::GetShowAllMenuItemsHeight() { return CZAVPMenuGlyphs::GetSize().cy + 6; }

void CZAVPVisualManager::OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int)
{
    DrawGlyphCentered(pDC, CZAVPMenuGlyphs::IdArrowShowAll, rect, CZAVPMenuGlyphs::StateBlack);
}
