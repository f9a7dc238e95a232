// The toolbar's layout: measuring its buttons, wrapping them for a length, its size, placing the
// buttons, hit testing, mnemonics and the tooltip tools. The arithmetic is ZAVPToolBarLayout's.
#include "ui/toolbars/CZAVPToolBar.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CToolTipCtrl.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "framework/CControlBar.h"

namespace
{
const DWORD kModeMRUWidth = 4;   // LM_MRUWIDTH
const DWORD kModeHorzDock = 8;   // LM_HORZDOCK
const DWORD kModeVertDock = 16;  // LM_VERTDOCK
const DWORD kModeLengthY = 32;   // LM_LENGTHY
const DWORD kModeCommit = 64;    // LM_COMMIT

// Selects the bar font for an orientation into a DC for as long as it lives.
class BarFont
{
public:
    BarFont(CDC* pDC, BOOL bHorz) : m_pDC(pDC)
    {
        CFont& font = bHorz ? globalData.fontRegular : globalData.fontVert;
        m_hOld = ::SelectObject(pDC->GetSafeHdc(), font.GetSafeHandle() != nullptr
                                                       ? font.GetSafeHandle()
                                                       : ::GetStockObject(DEFAULT_GUI_FONT));
    }
    ~BarFont() { ::SelectObject(m_pDC->GetSafeHdc(), m_hOld); }

private:
    CDC* m_pDC;
    HGDIOBJ m_hOld;
};

// A screen DC for measuring, released at the end of the scope.
class MeasureDC
{
public:
    MeasureDC() : m_hdc(::GetDC(nullptr)) { m_dc.Attach(m_hdc); }
    ~MeasureDC()
    {
        m_dc.Detach();
        ::ReleaseDC(nullptr, m_hdc);
    }
    CDC* get() { return &m_dc; }

private:
    HDC m_hdc;
    CDC m_dc;
};
}  // namespace

CSize CZAVPToolBar::GetButtonSize() const
{
    if (m_pLookSource != nullptr) return m_pLookSource->GetButtonSize();
    CSize size = m_bLocked
                     ? m_sizeOwnButton
                     : (m_bLargeIconsAreEnbaled ? CSize(m_sizeCurButton) : CSize(m_sizeButton));
    if (m_bLocked && m_bLargeIcons && m_bLargeIconsAreEnbaled)
        size = CSize(size.cx * 2, size.cy * 2);
    if (HasButtonExtraSize()) size += CZAVPVisualManager::GetInstance()->GetButtonExtraBorder();
    return size;
}

CSize CZAVPToolBar::GetImageSize() const
{
    if (m_pLookSource != nullptr) return m_pLookSource->GetImageSize();
    if (m_bLocked) return m_sizeOwnImage;
    return m_bLargeIconsAreEnbaled ? CSize(m_sizeCurImage) : CSize(m_sizeImage);
}

int CZAVPToolBar::GetRowHeight() const
{
    int nHeight = 0;
    if (m_bTextLabelsTaller)
        nHeight = m_nMaxBtnHeight;
    else if (m_bMenuMode)
        nHeight = m_sizeMenuButton.cy > 0 ? m_sizeMenuButton.cy : m_sizeButton.cy;
    else
        nHeight = GetButtonSize().cy;
    const BOOL bHorz = (GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    return std::max(nHeight, bHorz ? m_nMinRowHeightHorz : m_nMinRowHeightVert);
}

int CZAVPToolBar::GetColumnWidth() const
{
    if (m_bMenuMode) return m_sizeMenuButton.cx > 0 ? m_sizeMenuButton.cx : m_sizeButton.cx;
    return GetButtonSize().cx;
}

int CZAVPToolBar::CalcMaxButtonHeight()
{
    m_bTextLabelsTaller = FALSE;
    m_nMaxBtnHeight = 0;
    if (!IsHorizontal() || !m_bTextLabels) return 0;
    MeasureDC dc;
    BarFont font(dc.get(), TRUE);
    const CSize sizeButton = GetButtonSize();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if (pButton->IsSeparator() || pButton->m_strText.IsEmpty()) continue;
        m_nMaxBtnHeight = std::max<int>(m_nMaxBtnHeight,
                                        pButton->OnCalculateSize(dc.get(), sizeButton, TRUE).cy);
    }
    m_bTextLabelsTaller = m_nMaxBtnHeight > sizeButton.cy;
    return m_nMaxBtnHeight;
}

void CZAVPToolBar::MeasureButtons(CDC* pDC, BOOL bHorz, std::vector<ZAVPToolBarLayout::Item>& items,
                                  BOOL bWithCustomize) const
{
    items.clear();
    const CSize sizeDefault(GetColumnWidth(), GetRowHeight());
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if (pButton == (CZAVPToolbarButton*)m_pCustomizeBtn && !bWithCustomize) continue;
        ZAVPToolBarLayout::Item item;
        item.size = pButton->OnCalculateSize(pDC, sizeDefault, bHorz);
        if (m_bTextLabels && pButton->m_bText && bHorz) item.size.cy = GetRowHeight();
        item.bSeparator = pButton->IsSeparator() != FALSE;
        item.bWrap = pButton->IsWrapped() != FALSE;
        items.push_back(item);
    }
}

void CZAVPToolBar::ApplyWrap(const std::vector<ZAVPToolBarLayout::Item>& items)
{
    size_t i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr && i < items.size();) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if (pButton == (CZAVPToolbarButton*)m_pCustomizeBtn) continue;
        if (items[i++].bWrap)
            pButton->m_nStyle |= TBBS_WRAPPED;
        else
            pButton->m_nStyle &= ~TBBS_WRAPPED;
    }
}

void CZAVPToolBar::SizeToolBar(int nLength, BOOL bVert)
{
    MeasureDC dc;
    BarFont font(dc.get(), IsHorizontal());
    std::vector<ZAVPToolBarLayout::Item> items;
    MeasureButtons(dc.get(), TRUE, items, FALSE);
    if (m_nColumns > 0)
        ZAVPToolBarLayout::WrapColumns(items, m_nColumns);
    else
        ZAVPToolBarLayout::SizeToolBar(items, nLength, bVert != FALSE, GetRowHeight(),
                                       GetButtonSize());
    ApplyWrap(items);
}

CSize CZAVPToolBar::CalcSize(BOOL bVertDock)
{
    const bool bRows = ZAVPToolBarLayout::RunsInRows(bVertDock == FALSE, m_nColumns);
    MeasureDC dc;
    BarFont font(dc.get(), bRows);
    std::vector<ZAVPToolBarLayout::Item> items;
    // The customize button takes its room at the end when it has something to offer.
    MeasureButtons(dc.get(), bRows, items, NeedsCustomizeButton());
    return ZAVPToolBarLayout::CalcSize(items, !bRows, GetRowHeight(), GetButtonSize());
}

CSize CZAVPToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
}

BOOL CZAVPToolBar::NeedsCustomizeButton() const
{
    // A floating bar shows no customize button.
    return m_pCustomizeBtn != nullptr && !IsFloating() &&
           (m_pCustomizeBtn->m_bHasHiddenButtons || m_pCustomizeBtn->m_bCanCustomize);
}

CSize CZAVPToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    // Whether buttons will be hidden is the placing's to find out, after this size.
    if (m_pCustomizeBtn != nullptr) m_pCustomizeBtn->m_bHasHiddenButtons = FALSE;
    CalcMaxButtonHeight();
    const BOOL bHorz = (dwMode & LM_HORZ) != 0;
    const DWORD dwStyle = GetBarStyle();
    CRect rectBorders(0, 0, 0, 0);
    CalcInsideRect(rectBorders, bHorz);  // negative insets
    if ((dwStyle & CBRS_SIZE_FIXED) == 0) {
        int nWrap = 0;
        if ((dwStyle & CBRS_SIZE_DYNAMIC) == 0)
            nWrap = bHorz ? ZAVPToolBarLayout::kUnlimited : 0;
        else if (dwMode & kModeMRUWidth)
            nWrap = m_nMRUWidth;
        else if (dwMode & kModeHorzDock)
            nWrap = ZAVPToolBarLayout::kUnlimited;
        else if (dwMode & kModeVertDock)
            nWrap = 0;
        else if (nLength != -1)
            nWrap = nLength +
                    ((dwMode & kModeLengthY) ? rectBorders.Height() : rectBorders.Width());
        else if (IsFloating())
            nWrap = m_nMRUWidth;
        else
            nWrap = bHorz ? ZAVPToolBarLayout::kUnlimited : 0;
        SizeToolBar(nWrap, (dwMode & kModeLengthY) != 0);
    }

    CSize size = CalcSize(!bHorz);
    if ((dwMode & kModeCommit) && IsFloating() && (dwStyle & CBRS_SIZE_DYNAMIC) && bHorz)
        m_nMRUWidth = size.cx;

    size.cx -= rectBorders.Width();
    size.cy -= rectBorders.Height();
    size = ZAVPToolBarLayout::FixedSize(size, (dwMode & LM_STRETCH) != 0, bHorz != FALSE,
                                        m_nMaxStretchLength);
    UpdateMnemonics();
    return size;
}

void CZAVPToolBar::AdjustLocations()
{
    if (m_hWnd == nullptr || m_Buttons.IsEmpty()) return;
    // A palette's grid is rows of buttons, measured and placed as in a horizontal bar.
    const BOOL bHorz = LaysOutInRows();
    // The borders and the gripper lie outside the client area (WM_NCCALCSIZE).
    CRect rectInside;
    GetClientRect(rectInside);

    MeasureDC dc;
    BarFont font(dc.get(), bHorz);
    std::vector<ZAVPToolBarLayout::Item> items;
    MeasureButtons(dc.get(), bHorz, items, FALSE);
    CSize sizeCustomize(0, 0);
    if (m_pCustomizeBtn != nullptr)
        sizeCustomize = ((CZAVPToolbarButton*)m_pCustomizeBtn)
                            ->OnCalculateSize(dc.get(), CSize(GetColumnWidth(), GetRowHeight()),
                                              bHorz);
    const bool bHasExtraItems = m_pCustomizeBtn != nullptr && m_pCustomizeBtn->m_bCanCustomize;
    const ZAVPToolBarLayout::Placement placement = ZAVPToolBarLayout::Place(
        items, rectInside, bHorz != FALSE, GetRowHeight(), !IsFloating(), IsCustomizeMode(),
        sizeCustomize, bHasExtraItems);
    // The customize button offers what did not fit, in bar order.
    if (m_pCustomizeBtn != nullptr) {
        m_pCustomizeBtn->m_lstInvisibleButtons.RemoveAll();
        m_pCustomizeBtn->m_bHasHiddenButtons = !placement.hidden.empty();
    }

    size_t i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if (pButton == (CZAVPToolbarButton*)m_pCustomizeBtn) {
            pButton->SetVisible(placement.bCustomizeVisible);
            pButton->SetRect(placement.rectCustomize);
            continue;
        }
        const bool bVisible = placement.visible[i];
        if (m_pCustomizeBtn != nullptr &&
            std::find(placement.hidden.begin(), placement.hidden.end(), (int)i) !=
                placement.hidden.end())
            m_pCustomizeBtn->m_lstInvisibleButtons.AddTail(pButton);
        if ((pButton->m_nStyle & TBBS_HIDDEN) == 0 && !bVisible != !pButton->IsVisible())
            pButton->OnShow(bVisible);
        pButton->m_nStyle = bVisible ? (pButton->m_nStyle & ~TBBS_HIDDEN)
                                     : (pButton->m_nStyle | TBBS_HIDDEN);
        pButton->SetRect(placement.rects[i]);
        ++i;
    }
    UpdateTooltips();
}

void CZAVPToolBar::AdjustLayout()
{
    if (m_hWnd == nullptr) return;
    const BOOL bHorz = IsHorizontal();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        pButton->m_bTextBelow = !pButton->IsSeparator() && bHorz && m_bTextLabels;
    }
    if (!UpdateRebarBand()) {
        CZAVPBaseToolBar::AdjustLayout();
        // The orientation may have moved the gripper: the non-client area is computed again.
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    AdjustLocations();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void CZAVPToolBar::EnableTextLabels(BOOL bEnable)
{
    if (m_bMenuMode) return;
    m_bTextLabels = bEnable;
    AdjustLayout();
}

int CZAVPToolBar::HitTest(CPoint point)
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr; ++i) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if ((pButton->m_nStyle & TBBS_HIDDEN) || !pButton->IsVisible()) continue;
        if (CRect(pButton->m_rect).PtInRect(point)) return pButton->IsSeparator() ? -1 : i;
    }
    return -1;
}

void CZAVPToolBar::UpdateMnemonics()
{
    m_AccelKeys.RemoveAll();
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr; ++i) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if (pButton->IsSeparator()) continue;
        const int iAmp = pButton->m_strText.Find('&');
        if (iAmp < 0 || iAmp == pButton->m_strText.GetLength() - 1) continue;
        const UINT ch = (UINT)(BYTE)pButton->m_strText[iAmp + 1];
        m_AccelKeys[(UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)ch)] = i;
    }
}

void CZAVPToolBar::UpdateTooltips()
{
    if (m_pToolTip == nullptr || m_pToolTip->GetSafeHwnd() == nullptr) return;
    for (int i = 1; i <= m_nTooltipsCount; ++i) m_pToolTip->DelTool(this, (UINT_PTR)i);
    m_nTooltipsCount = 0;
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr; ++i) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if (pButton->m_nStyle == TBBS_SEPARATOR) continue;
        CString strText;
        if (pButton->OnUpdateToolTip(this, i, *m_pToolTip, strText)) continue;
        CRect rect = pButton->m_rect;
        if (rect.IsRectEmpty()) continue;
        m_pToolTip->AddTool(this, LPSTR_TEXTCALLBACKA, rect, (UINT_PTR)(i + 1));
        m_nTooltipsCount = i + 1;
    }
}
