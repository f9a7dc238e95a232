// The gradient look (see CZAVPVisualManager2003.h): theme detection, the colours, and the
// drawing of bars, buttons, captions and highlighted areas. Tabs, the tasks pane and the smaller
// elements are in CZAVPVisualManager2003Panes.cpp.
#include "ui/foundation/CZAVPVisualManager2003.h"

#include <algorithm>
#include <cwchar>

#include "framework/CDC.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPColorMath.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/CZAVPCaptionBar.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "framework/CControlBar.h"

IMPLEMENT_DYNCREATE(CZAVPVisualManager2003, CZAVPVisualManagerXP)

namespace
{
const int kThemeNameLength = 255;
// Theme colour properties.
const int TMT_BORDERCOLORHINT = 3822, TMT_FILLCOLORHINT = 3821, TMT_ACCENTCOLORHINT = 3823;
const COLORREF kNone = (COLORREF)-1;
// Pixels between a customise-button glyph and the end of the button.
const int kCustomizeGlyphInset = 2;

void Gradient(CDC* pDC, const CRect& rect, COLORREF start, COLORREF finish, BOOL bVertical)
{
    CZAVPPainter(*pDC).FillGradient(rect, start, finish, bVertical);
}
}  // namespace

CZAVPVisualManager2003::CZAVPVisualManager2003(BOOL bTemporary)
    : CZAVPVisualManagerXP(bTemporary), CZAVPThemeWrapper()
{
    Initialize();
}

CZAVPVisualManager2003::CZAVPVisualManager2003(BOOL bTemporary, NoLibrary tag)
    : CZAVPVisualManagerXP(bTemporary), CZAVPThemeWrapper(tag)
{
    Initialize();
}

CZAVPVisualManager2003::~CZAVPVisualManager2003() = default;

void CZAVPVisualManager2003::Initialize()
{
    m_colors2003 = {};
    m_scheme = ZAVP2003Colors::None;
    m_bIsStandardWinXPTheme = FALSE;
    m_nMenuShadowDepth = 3;
    m_bShadowHighlightedImage = FALSE;
    m_bFadeInactiveImage = FALSE;
    m_tasksPane = {8, 8, 8, 18, 3, 3, 8, 5, 4, 1};
    OnUpdateSystemColors();
}

ZAVP2003Colors::Scheme CZAVPVisualManager2003::SchemeOf(LPCWSTR lpszThemeFile,
                                                        LPCWSTR lpszColorName)
{
    // The base name of the style's file, without folder and extension.
    const wchar_t* base = lpszThemeFile;
    for (const wchar_t* p = lpszThemeFile; *p; ++p)
        if (*p == L'\\' || *p == L'/') base = p + 1;
    const wchar_t* dot = std::wcsrchr(base, L'.');
    const size_t length = dot ? (size_t)(dot - base) : std::wcslen(base);
    if (length != 4 || _wcsnicmp(base, L"Luna", 4) != 0) return ZAVP2003Colors::None;
    if (_wcsicmp(lpszColorName, L"homestead") == 0) return ZAVP2003Colors::Homestead;
    if (_wcsicmp(lpszColorName, L"metallic") == 0) return ZAVP2003Colors::Metallic;
    return ZAVP2003Colors::Blue;
}

COLORREF CZAVPVisualManager2003::SysColor(ThemeClass nClass, int nIndex) const
{
    if (m_pfnGetThemeSysColor && GetTheme(nClass))
        return m_pfnGetThemeSysColor(GetTheme(nClass), nIndex);
    return GetSysColor(nIndex);
}

COLORREF CZAVPVisualManager2003::ThemeColor(ThemeClass nClass, int nPart, int nState, int nProp,
                                            COLORREF clrDefault) const
{
    COLORREF clr = clrDefault;
    if (!m_pfnGetThemeColor || !GetTheme(nClass) ||
        FAILED(m_pfnGetThemeColor(GetTheme(nClass), nPart, nState, nProp, &clr)))
        return clrDefault;
    return clr;
}

ZAVP2003Colors::Source CZAVPVisualManager2003::ReadSource() const
{
    ZAVP2003Colors::Source s = {};
    s.bitsPerPixel = globalData.m_nBitsPerPixel;
    s.scheme = m_scheme;
    s.menuHilight = SysColor(ThemeWindow, COLOR_MENUHILIGHT);
    s.btnFace = SysColor(ThemeWindow, COLOR_BTNFACE);
    s.light3d = SysColor(ThemeWindow, COLOR_3DLIGHT);
    s.window = SysColor(ThemeWindow, COLOR_WINDOW);
    s.barFace = globalData.clrBarFace;
    s.barShadow = globalData.clrBarShadow;
    s.barDkShadow = globalData.clrBarDkShadow;
    s.barLight = globalData.clrBarLight;
    s.barWindow = globalData.clrBarWindow;
    s.btnShadow = globalData.clrBtnShadow;
    s.xpHighlight = m_clrHighlight;
    s.xpHighlightDn = m_clrHighlightDn;
    s.accent = ThemeColor(ThemeButton, 1, 0, TMT_ACCENTCOLORHINT, s.menuHilight);
    s.accent2 = ThemeColor(ThemeButton, 2, 0, TMT_ACCENTCOLORHINT, s.menuHilight);
    s.accentPressed = ThemeColor(ThemeButton, 1, 5, TMT_ACCENTCOLORHINT, s.menuHilight);
    s.border = ThemeColor(ThemeButton, 2, 0, TMT_BORDERCOLORHINT, s.barShadow);
    s.windowFill = ThemeColor(ThemeWindow, 18, 0, TMT_FILLCOLORHINT, s.window);
    return s;
}

void CZAVPVisualManager2003::OnUpdateGlobalBarColors()
{
    const ZAVP2003Colors::Source s = ReadSource();
    ZAVP2003Colors::BarColors system = {
        SysColor(ThemeButton, COLOR_BTNFACE), SysColor(ThemeButton, COLOR_BTNSHADOW),
        SysColor(ThemeButton, COLOR_BTNHIGHLIGHT), SysColor(ThemeButton, COLOR_3DDKSHADOW),
        SysColor(ThemeButton, COLOR_3DLIGHT)};
    // The toolbar pair the bar face is mixed from is the scheme's own, also on the first
    // derivation of a new look, when no earlier derivation has set it.
    COLORREF dark, light;
    ZAVP2003Colors::ToolBarPair(s, &dark, &light);
    const ZAVP2003Colors::BarColors bar = ZAVP2003Colors::GlobalBarColors(s, dark, light, system);
    globalData.clrBarFace = bar.face;
    globalData.clrBarShadow = bar.shadow;
    globalData.clrBarHilite = bar.hilite;
    globalData.clrBarDkShadow = bar.dkShadow;
    globalData.clrBarLight = bar.light;
    globalData.brBarFace.DeleteObject();
    globalData.brBarFace.CreateSolidBrush(bar.face);
}

void CZAVPVisualManager2003::OnUpdateSystemColors()
{
    // Which visual style is active, and its colour scheme.
    UpdateSystemColors();
    m_bIsStandardWinXPTheme = FALSE;
    m_strWinXPThemeColor.Empty();
    m_scheme = ZAVP2003Colors::None;
    if (m_pfnGetCurrentThemeName) {
        wchar_t file[kThemeNameLength + 1] = {}, color[kThemeNameLength + 1] = {};
        if (SUCCEEDED(m_pfnGetCurrentThemeName(file, kThemeNameLength, color, kThemeNameLength,
                                               nullptr, 0)))
        {
            char narrow[kThemeNameLength + 1] = {};
            WideCharToMultiByte(CP_ACP, 0, color, -1, narrow, kThemeNameLength, nullptr, nullptr);
            m_strWinXPThemeColor = narrow;
            m_scheme = SchemeOf(file, color);
            m_bIsStandardWinXPTheme = m_scheme != ZAVP2003Colors::None;
        }
    }
    OnUpdateGlobalBarColors();
    CZAVPVisualManagerXP::OnUpdateSystemColors();

    const ZAVP2003Colors::Source s = ReadSource();
    m_colors2003 = ZAVP2003Colors::Derive(s);
    if (m_colors2003.barDkShadow != kNone) globalData.clrBarDkShadow = m_colors2003.barDkShadow;
    if (m_colors2003.barShadow != kNone) globalData.clrBarShadow = m_colors2003.barShadow;
    if (m_colors2003.floatBorder != kNone) {
        m_brFloatToolBarBorder.DeleteObject();
        m_brFloatToolBarBorder.CreateSolidBrush(m_colors2003.floatBorder);
    }
    if (m_colors2003.frameHilite != kNone) m_clrFrameHilite = m_colors2003.frameHilite;
    if (m_colors2003.menuBorder != kNone) m_clrMenuBorder = m_colors2003.menuBorder;
    m_clrBarShadowCopy = globalData.clrBarShadow;
    m_clrBarDkShadowCopy = globalData.clrBarDkShadow;
    if (UsesGradients()) {
        m_brTabBack.DeleteObject();
        m_brTabBack.CreateSolidBrush(m_colors2003.toolBarGradientLight);
        m_penSeparator.DeleteObject();
        m_penSeparator.CreatePen(PS_SOLID, 1, m_colors2003.separator);
        m_clrMenuShadowBase = globalData.clrBarFace;
    }
    m_penSeparatorLight.DeleteObject();
    m_penSeparatorLight.CreatePen(PS_SOLID, 1, globalData.clrBarHilite);
    m_brBarFaceSolid.DeleteObject();
    m_brBarFaceSolid.CreateSolidBrush(globalData.clrBarFace);
    m_brToolBarLight.DeleteObject();
    m_brToolBarLight.CreateSolidBrush(m_colors2003.toolBarGradientLight);
    DeriveTasksPaneColors();
}

void CZAVPVisualManager2003::DeriveTasksPaneColors()
{
    if (!UsesGradients()) {
        m_clrTasksPaneGradientStart = m_clrTasksPaneGradientFinish = globalData.clrBarWindow;
        m_clrTasksGroupAreaLight = m_clrTasksGroupAreaDark = globalData.clrBarWindow;
        m_clrTasksGroupAreaSpecLight = m_clrTasksGroupAreaSpecDark = globalData.clrBarWindow;
        m_clrTasksGroupCaptionDark = m_clrTasksGroupCaptionLight = globalData.clrBarFace;
        m_clrTasksGroupCaptionSpecDark = m_clrTasksGroupCaptionSpecLight = globalData.clrBarFace;
        m_clrTasksGroupBorder = globalData.clrBtnShadow;
        return;
    }
    const ZAVP2003Colors& c = m_colors2003;
    if (m_bIsStandardWinXPTheme && IsThemeOpen(ThemeExplorerBar)) {
        const int TMT_BORDERCOLOR = 3801, TMT_FILLCOLOR = 3802, TMT_GRADIENTCOLOR1 = 3810,
                  TMT_GRADIENTCOLOR2 = 3811;
        m_clrTasksPaneGradientFinish = ThemeColor(ThemeExplorerBar, 0, 0, TMT_GRADIENTCOLOR1,
                                                  c.barGradientDark);
        m_clrTasksPaneGradientStart = ThemeColor(ThemeExplorerBar, 0, 0, TMT_GRADIENTCOLOR2,
                                                 c.toolBarGradientLight);
        m_clrTasksGroupCaptionDark = m_clrTasksGroupCaptionSpecLight = ThemeColor(
            ThemeExplorerBar, 5, 0, TMT_FILLCOLOR, c.barGradientDark);
        m_clrTasksGroupCaptionSpecDark = ThemeColor(ThemeExplorerBar, 12, 0, TMT_FILLCOLOR,
                                                    c.customizeButtonGradientDark);
        m_clrTasksGroupAreaLight = m_clrTasksGroupAreaDark = ThemeColor(
            ThemeExplorerBar, 5, 0, TMT_FILLCOLOR, c.toolBarGradientLight);
        m_clrTasksGroupAreaSpecLight = m_clrTasksGroupAreaSpecDark = ThemeColor(
            ThemeExplorerBar, 9, 0, TMT_FILLCOLORHINT, c.toolBarGradientLight);
        m_clrTasksGroupBorder = m_clrTasksGroupCaptionLight = ThemeColor(
            ThemeExplorerBar, 5, 0, TMT_BORDERCOLOR, c.toolBarGradientLight);
        return;
    }
    m_clrTasksPaneGradientStart = m_clrTasksGroupCaptionDark = c.barGradientDark;
    m_clrTasksPaneGradientFinish = m_clrTasksGroupCaptionLight = c.toolBarGradientLight;
    m_clrTasksGroupCaptionSpecDark = ZAVPColorMath::MixColorsHsv(
        c.customizeButtonGradientDark, c.customizeButtonGradientLight, 1.0, 1, 1);
    m_clrTasksGroupCaptionSpecLight = c.customizeButtonGradientLight;
    m_clrTasksGroupAreaLight = m_clrTasksGroupAreaDark = c.toolBarGradientLight;
    m_clrTasksGroupAreaSpecLight = m_clrTasksGroupAreaSpecDark = c.toolBarGradientLight;
    m_clrTasksGroupBorder = c.toolBarGradientLight;
}

void CZAVPVisualManager2003::OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar,
                                                 CRect rectClient, CRect rectClip, BOOL bNCArea)
{
    if (!UsesGradients() || !pBar || pBar->IsDialogControl() ||
        ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPColorBar)) ||
        ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPCalendarBar)))
    {
        CZAVPVisualManagerXP::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
        return;
    }
    const ZAVP2003Colors& c = m_colors2003;
    if (ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPStatusBar))) {
        pDC->FillRect(rectClip.IsRectEmpty() ? rectClient : rectClip, &globalData.brBtnFace);
        return;
    }
    if (ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPCaptionBar))) {
        Gradient(pDC, rectClient, m_clrBarDkShadowCopy, m_clrBarShadowCopy, TRUE);
        return;
    }
    if (ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPPopupMenuBar))) {
        pDC->FillRect(rectClip.IsRectEmpty() ? rectClient : rectClip, &m_brMenuLight);
        const CZAVPPopupMenuBar* pMenuBar = static_cast<CZAVPPopupMenuBar*>(pBar);
        CRect column = rectClient;
        column.right = column.left + PopupImageColumnWidth2003(pMenuBar->m_bNoImageColumn,
                                                               pMenuBar->m_bSecondColumn);
        if (column.right > column.left)
            Gradient(pDC, column, c.toolBarGradientLight, c.toolBarGradientDark, FALSE);
        return;
    }
    if (ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPToolBar)) &&
        !ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPMenuBar)))
    {
        // A rounded band: the gradient inside one pixel of rounding, the bottom (or right) line,
        // and single pixels that round the four corners.
        const BOOL bHorz = (pBar->GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0 ||
                           pBar->IsFloating();
        pDC->FillRect(rectClient, &m_brBarFaceSolid);
        CRect band = rectClient;
        if (bHorz) {
            band.DeflateRect(1, 0);
            --band.bottom;
            Gradient(pDC, band, c.toolBarGradientDark, c.toolBarGradientLight, TRUE);
            pDC->FillSolidRect(band.left + 1, band.bottom, band.Width() - 2, 1,
                               c.toolBarBottomLine);
        } else {
            band.DeflateRect(0, 1);
            --band.right;
            Gradient(pDC, band, c.toolBarGradientVertLight, c.toolBarGradientVertDark, FALSE);
            pDC->FillSolidRect(band.right, band.top + 1, 1, band.Height() - 2, c.toolBarBottomLine);
        }
        pDC->SetPixel(band.left, band.top, c.toolBarCornerLight);
        pDC->SetPixel(band.right - 1, band.top, c.toolBarCornerLight);
        pDC->SetPixel(band.left, band.bottom - 1, c.toolBarCornerDark);
        pDC->SetPixel(band.right - 1, band.bottom - 1, c.toolBarCornerDark);
        return;
    }
    // Menu bar and dock bars: one gradient over the monitor's work area, so that neighbouring
    // bars continue it.
    CRect area = rectClient;
    if (pBar->GetSafeHwnd()) {
        MONITORINFO info = {};
        info.cbSize = sizeof info;
        CRect window;
        pBar->GetWindowRect(window);
        if (GetMonitorInfoA(MonitorFromRect(window, MONITOR_DEFAULTTONEAREST), &info)) {
            area = info.rcWork;
            pBar->ScreenToClient(&area);
        }
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rectClip.IsRectEmpty() ? rectClient : rectClip);
    Gradient(pDC, area, c.barGradientDark, c.barGradientLight, FALSE);
    pDC->RestoreDC(nSaved);
}

void CZAVPVisualManager2003::OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu* pMenu, CRect rect)
{
    // A menu of the customise button is not joined to it: the button keeps its own shape.
    const BOOL bConnect = m_bConnectMenuToParent;
    if (pMenu && ZAVPIsKindOf(pMenu->m_pParentBtn, RUNTIME_CLASS(CCustomizeButton)))
        m_bConnectMenuToParent = FALSE;
    CZAVPVisualManagerXP::OnDrawMenuBorder(pDC, pMenu, rect);
    m_bConnectMenuToParent = bConnect;
}

int CZAVPVisualManager2003::PopupImageColumnWidth2003(BOOL bNoImageColumn, BOOL bSecondColumn) const
{
    if (bNoImageColumn) return 0;
    const int width = ZAVPSharedBarData::g_sizeMenuImage.cx + 2 * GetMenuImageMargin();
    return bSecondColumn ? 2 * (width + 2) : width + 1;
}

void CZAVPVisualManager2003::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                              CZAVPBaseControlBar* pBar)
{
    if (!UsesGradients() || (pBar && pBar->IsDialogControl())) {
        CZAVPVisualManagerXP::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
        return;
    }
    // 2 x 2 dots every 4 pixels along the gripper, a highlight under each dark one.
    const int kStep = 4;
    const CPoint centre = rectGripper.CenterPoint();
    if (bHorz)
        for (int y = rectGripper.top + 2; y + 2 <= rectGripper.bottom - 2; y += kStep) {
            pDC->FillSolidRect(centre.x, y + 1, 2, 2, globalData.clrBtnHilite);
            pDC->FillSolidRect(centre.x - 1, y, 2, 2, m_colors2003.toolBarGripper);
        }
    else
        for (int x = rectGripper.left + 2; x + 2 <= rectGripper.right - 2; x += kStep) {
            pDC->FillSolidRect(x + 1, centre.y, 2, 2, globalData.clrBtnHilite);
            pDC->FillSolidRect(x, centre.y - 1, 2, 2, m_colors2003.toolBarGripper);
        }
}

void CZAVPVisualManager2003::OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect,
                                             BOOL bIsHoriz)
{
    if (!UsesGradients() || !ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPToolBar)) ||
        ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPPopupMenuBar)) || pBar->IsDialogControl())
    {
        CZAVPVisualManagerXP::OnDrawSeparator(pDC, pBar, rect, bIsHoriz);
        return;
    }
    const CPoint centre = rect.CenterPoint();
    CPen* pOldPen = pDC->SelectObject(&m_penSeparator);
    if (bIsHoriz) {
        pDC->MoveTo(centre.x, rect.top + 2);
        pDC->LineTo(centre.x, rect.bottom - 2);
        pDC->SelectObject(&m_penSeparatorLight);
        pDC->MoveTo(centre.x + 1, rect.top + 3);
        pDC->LineTo(centre.x + 1, rect.bottom - 1);
    } else {
        pDC->MoveTo(rect.left + 2, centre.y);
        pDC->LineTo(rect.right - 2, centre.y);
        pDC->SelectObject(&m_penSeparatorLight);
        pDC->MoveTo(rect.left + 3, centre.y + 1);
        pDC->LineTo(rect.right - 1, centre.y + 1);
    }
    pDC->SelectObject(pOldPen);
}

COLORREF CZAVPVisualManager2003::OnFillBarCaption(CDC* pDC, CZAVPDockingControlBar* pBar,
                                                  BOOL bActive, CRect rectCaption,
                                                  CRect rectButtons)
{
    if (!UsesGradients())
        return CZAVPVisualManagerXP::OnFillBarCaption(pDC, pBar, bActive, rectCaption, rectButtons);
    const ZAVP2003Colors& c = m_colors2003;
    if (bActive)
        Gradient(pDC, rectCaption, c.highlightGradientDark, c.highlightGradientLight, TRUE);
    else
        Gradient(pDC, rectCaption, c.toolBarGradientDark, c.toolBarGradientLight, TRUE);
    return globalData.clrBarText;
}

void CZAVPVisualManager2003::OnDrawStatusBarProgress(CDC* pDC, CZAVPStatusBar* pStatusBar,
                                                     CRect rectProgress, int nProgressTotal,
                                                     int nProgressCurr, COLORREF clrBar,
                                                     COLORREF clrProgressBarDest,
                                                     COLORREF clrProgressText, BOOL bProgressText)
{
    if (!DrawStatusBarProgress(pDC, pStatusBar, rectProgress, nProgressTotal, nProgressCurr, clrBar,
                               clrProgressBarDest, clrProgressText, bProgressText))
        CZAVPVisualManager::OnDrawStatusBarProgress(pDC, pStatusBar, rectProgress, nProgressTotal,
                                                    nProgressCurr, clrBar, clrProgressBarDest,
                                                    clrProgressText, bProgressText);
}

void CZAVPVisualManager2003::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                                   BOOL bIsDropped, BOOL bIsHighlighted,
                                                   CZAVPToolbarComboBoxButton* pButton)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnDrawComboDropButton(pDC, rect, bDisabled, bIsDropped,
                                                    bIsHighlighted, pButton);
        return;
    }
    if (!bIsDropped && !bIsHighlighted) {
        Gradient(pDC, rect, m_colors2003.toolBarGradientDark, m_colors2003.toolBarGradientLight,
                 TRUE);
        pDC->Draw3dRect(rect, globalData.clrBarWindow, globalData.clrBarWindow);
    } else {
        OnFillHighlightedArea(pDC, rect, bIsDropped ? &m_brHighlightDn : &m_brHighlight, nullptr);
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), m_clrFrameHilite);
    }
    DrawGlyphCentered(pDC, CZAVPMenuGlyphs::IdArrowDown, rect,
                      bDisabled ? CZAVPMenuGlyphs::StateGray : CZAVPMenuGlyphs::StateBlack);
}

void CZAVPVisualManager2003::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled,
                                               BOOL bIsDropped, BOOL bIsHighlighted,
                                               CZAVPToolbarComboBoxButton* pButton)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnDrawComboBorder(pDC, rect, bDisabled, bIsDropped, bIsHighlighted,
                                                pButton);
        return;
    }
    if (!bDisabled && !bIsDropped && !bIsHighlighted) return;
    rect.DeflateRect(1, 1);
    const COLORREF clr = bDisabled ? globalData.clrBtnShadow : m_clrFrameHilite;
    pDC->Draw3dRect(rect, clr, clr);
}

void CZAVPVisualManager2003::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    if (!UsesGradients()) {
        CZAVPVisualManagerXP::OnDrawTearOffCaption(pDC, rect, bIsActive);
        return;
    }
    pDC->FillRect(rect, &m_brMenuLight);
    rect.DeflateRect(1, 1);
    OnFillHighlightedArea(pDC, rect, bIsActive ? &m_brHighlight : &m_brBarBkgnd, nullptr);
    CreateGripperBrushes();
    const int width = std::max(20, 2 * (int)ZAVPSharedBarData::g_sizeMenuImage.cx);
    const CRect band(rect.CenterPoint().x - width / 2, rect.top + 1,
                     rect.CenterPoint().x + width / 2, rect.bottom - 1);
    const COLORREF clrOldText = pDC->SetTextColor(m_colors2003.toolBarGripper);
    const COLORREF clrOldBk = pDC->SetBkColor(bIsActive ? m_clrHighlight : m_clrBarBkgnd);
    pDC->FillRect(band, &m_brGripperHorz);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
    pDC->Draw3dRect(rect, m_clrMenuBorder, m_clrMenuBorder);
}

void CZAVPVisualManager2003::OnDrawCustomizeButton(CDC* pDC, CRect rect, CCustomizeButton* pButton,
                                                   BOOL bHorz, int state)
{
    DrawCustomizeButtonFace(pDC, rect, bHorz, state, pButton && pButton->m_bHasHiddenButtons,
                            pButton && pButton->m_bCanCustomize);
}

void CZAVPVisualManager2003::DrawCustomizeButtonFace(CDC* pDC, CRect rect, BOOL bHorz, int state,
                                                     BOOL bHasHiddenButtons, BOOL bCanCustomize)
{
    // The gradient runs across the bar, as the toolbar's own does.
    const ZAVP2003Colors& c = m_colors2003;
    if (state == ButtonsIsPressed)
        OrientedGradient(pDC, rect, c.highlightDnGradientDark, c.highlightDnGradientLight, bHorz);
    else if (state == ButtonsIsHighlighted)
        OrientedGradient(pDC, rect, c.highlightGradientDark, c.highlightGradientLight, bHorz);
    else
        OrientedGradient(pDC, rect, c.customizeButtonGradientDark, c.customizeButtonGradientLight,
                         bHorz);
    // Rounded corners at the toolbar's far end: the right end of a horizontal bar, the bottom
    // end of a vertical one.
    if (bHorz) {
        pDC->SetPixel(rect.right - 1, rect.top, globalData.clrBarFace);
        pDC->SetPixel(rect.right - 1, rect.bottom - 1, globalData.clrBarFace);
    } else {
        pDC->SetPixel(rect.left, rect.bottom - 1, globalData.clrBarFace);
        pDC->SetPixel(rect.right - 1, rect.bottom - 1, globalData.clrBarFace);
    }
    // "More buttons" at the start of the button (top, or right when vertical), the customise
    // arrow at its end (bottom, or left), each in white and then in black one pixel up-left.
    const CSize glyph = CZAVPMenuGlyphs::GetSize();
    auto drawTwice = [&](int nGlyph, CPoint pt) {
        CZAVPMenuGlyphs::Draw(pDC, nGlyph, CPoint(pt.x + 1, pt.y + 1), CZAVPMenuGlyphs::StateWhite);
        CZAVPMenuGlyphs::Draw(pDC, nGlyph, pt, CZAVPMenuGlyphs::StateBlack);
    };
    const int x = rect.left + (rect.Width() - glyph.cx) / 2,
              y = rect.top + (rect.Height() - glyph.cy) / 2;
    if (bHasHiddenButtons)
        drawTwice(bHorz ? CZAVPMenuGlyphs::IdMoreButtonsHorz : CZAVPMenuGlyphs::IdMoreButtonsVert,
                  bHorz ? CPoint(x, rect.top + kCustomizeGlyphInset)
                        : CPoint(rect.right - kCustomizeGlyphInset - glyph.cx - 1, y));
    if (bCanCustomize)
        drawTwice(bHorz ? CZAVPMenuGlyphs::IdCustomizeHorz : CZAVPMenuGlyphs::IdCustomizeVert,
                  bHorz ? CPoint(x, rect.bottom - kCustomizeGlyphInset - glyph.cy - 1)
                        : CPoint(rect.left + kCustomizeGlyphInset, y));
}

void CZAVPVisualManager2003::OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                                  int state)
{
    if (UsesGradients() && ZAVPIsKindOf(pButton, RUNTIME_CLASS(CCustomizeButton))) {
        OnDrawCustomizeButton(pDC, rect, static_cast<CCustomizeButton*>(pButton), pButton->m_bHorz,
                              state);
        return;
    }
    CZAVPVisualManagerXP::OnFillButtonInterior(pDC, pButton, rect, state);
}

void CZAVPVisualManager2003::OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                                int state)
{
    if (!ZAVPIsKindOf(pButton, RUNTIME_CLASS(CCustomizeButton)))
        CZAVPVisualManagerXP::OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CZAVPVisualManager2003::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                                   CZAVPToolbarButton* pButton)
{
    const BOOL bMenuItem = ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton)) &&
                           ZAVPIsKindOf(static_cast<CZAVPToolbarMenuButton*>(pButton)->m_pWndParent,
                                        RUNTIME_CLASS(CZAVPPopupMenuBar));
    if (!FillHighlightedArea(pDC, rect, pBrush, pButton ? pButton->m_bHorz : TRUE, bMenuItem,
                             pButton && pButton->IsDroppedDown()))
        CZAVPVisualManagerXP::OnFillHighlightedArea(pDC, rect, pBrush, pButton);
}

BOOL CZAVPVisualManager2003::FillHighlightedArea(CDC* pDC, const CRect& rect, CBrush* pBrush,
                                                 BOOL bHorz, BOOL bMenuItem, BOOL bDroppedDown)
{
    if (!m_bIsStandardWinXPTheme || !UsesGradients()) return FALSE;
    const ZAVP2003Colors& c = m_colors2003;
    if (bMenuItem && pBrush == &m_brHighlight && c.highlightMenuItem != kNone) {
        pDC->FillSolidRect(rect, c.highlightMenuItem);
        return TRUE;
    }
    if (bDroppedDown) {
        OrientedGradient(pDC, rect, c.toolBarGradientDark, c.toolBarGradientLight, bHorz);
        return TRUE;
    }
    COLORREF dark, light;
    if (pBrush == &m_brHighlight)
        dark = c.highlightGradientDark, light = c.highlightGradientLight;
    else if (pBrush == &m_brHighlightDn)
        dark = c.highlightDnGradientDark, light = c.highlightDnGradientLight;
    else if (pBrush == &m_brHighlightChecked)
        dark = c.highlightCheckedGradientDark, light = c.highlightCheckedGradientLight;
    else
        return FALSE;
    if (bMenuItem)
        pDC->FillSolidRect(rect, pBrush == &m_brHighlight ? dark : light);
    else
        OrientedGradient(pDC, rect, dark, light, bHorz);
    return TRUE;
}

void CZAVPVisualManager2003::OrientedGradient(CDC* pDC, const CRect& rect, COLORREF dark,
                                              COLORREF light, BOOL bHorz)
{
    // Across the button: dark at the bottom of a horizontal bar's button, at the right of a
    // vertical one's, as the toolbars themselves run.
    if (bHorz)
        Gradient(pDC, rect, dark, light, TRUE);
    else
        Gradient(pDC, rect, light, dark, FALSE);
}
