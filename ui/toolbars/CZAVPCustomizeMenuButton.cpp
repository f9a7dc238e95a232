// An entry of a toolbar's button list (see CZAVPCustomizeMenuButton.h).
#include "ui/toolbars/CZAVPCustomizeMenuButton.h"

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPVisualManagerXP.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPCustomizeMenu.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_SERIAL(CZAVPCustomizeMenuButton, CZAVPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

HWND CZAVPCustomizeMenuButton::s_hwndToolBar = nullptr;

CZAVPCustomizeMenuButton::CZAVPCustomizeMenuButton()
    : m_bSeparator(FALSE), m_bEnabled(TRUE), m_bRowsSwitch(FALSE), m_iIndex(-1), m_bChecked(FALSE),
      m_bExist(FALSE), m_bAddSpr(FALSE)
{
}

CZAVPCustomizeMenuButton::CZAVPCustomizeMenuButton(UINT uiID, HMENU hMenu, int iImage,
                                                   LPCSTR lpszText, BOOL bUserButton)
    : CZAVPToolbarMenuButton(uiID, hMenu, iImage, lpszText, bUserButton), m_bSeparator(FALSE),
      m_bEnabled(TRUE), m_bRowsSwitch(FALSE), m_iIndex(-1), m_bChecked(FALSE), m_bExist(FALSE),
      m_bAddSpr(FALSE)
{
}

void CZAVPCustomizeMenuButton::CopyFrom(const CZAVPToolbarButton& src)
{
    CZAVPToolbarMenuButton::CopyFrom(src);
    const CZAVPCustomizeMenuButton* pSrc = dynamic_cast<const CZAVPCustomizeMenuButton*>(&src);
    if (pSrc == nullptr) return;
    m_iIndex = pSrc->m_iIndex;
    m_bChecked = pSrc->m_bChecked;
    m_bSeparator = pSrc->m_bSeparator;
    m_bExist = pSrc->m_bExist;
    m_bAddSpr = pSrc->m_bAddSpr;
    m_bEnabled = pSrc->m_bEnabled;
    m_bRowsSwitch = pSrc->m_bRowsSwitch;
    SetChecked(m_bChecked);
}

CZAVPToolBar* CZAVPCustomizeMenuButton::GetCustomizedToolBar()
{
    if (s_hwndToolBar == nullptr || !::IsWindow(s_hwndToolBar)) return nullptr;
    return dynamic_cast<CZAVPToolBar*>(CWnd::FromHandlePermanent(s_hwndToolBar));
}

void CZAVPCustomizeMenuButton::SetCustomizedToolBar(CZAVPToolBar* pToolBar)
{
    s_hwndToolBar = pToolBar != nullptr ? pToolBar->GetSafeHwnd() : nullptr;
}

void CZAVPCustomizeMenuButton::SetChecked(BOOL bChecked)
{
    m_bChecked = bChecked;
    // The item's own drawing shows the check: a framed image, or the check glyph.
    if (bChecked)
        m_nStyle |= TBBS_CHECKED;
    else
        m_nStyle &= ~TBBS_CHECKED;
}

void CZAVPCustomizeMenuButton::SetItemIndex(int iIndex, BOOL bExist, BOOL bAddSeparator)
{
    m_iIndex = iIndex;
    m_bExist = bExist;
    m_bAddSpr = bAddSeparator;
    BOOL bChecked = FALSE;
    if (iIndex != kResetItemIndex && !m_bSeparator && bExist) {
        CZAVPToolBar* pToolBar = GetCustomizedToolBar();
        const CZAVPToolbarButton* pButton = pToolBar != nullptr ? pToolBar->GetButton(iIndex)
                                                                : nullptr;
        bChecked = pButton != nullptr && pButton->IsVisible();
    }
    SetChecked(bChecked);
}

void CZAVPCustomizeMenuButton::RefreshToolBar(CZAVPToolBar* pToolBar)
{
    pToolBar->AdjustLayout();
    if (CFrameWnd* pFrame = pToolBar->GetTopLevelFrame()) pFrame->RecalcLayout();
    pToolBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CZAVPCustomizeMenuButton::OnClickMenuItem()
{
    if (m_bSeparator || !m_bEnabled) return TRUE;
    CZAVPPopupMenuBar* pMenuBar = dynamic_cast<CZAVPPopupMenuBar*>(m_pWndParent);
    if (pMenuBar != nullptr && pMenuBar->GetSafeHwnd() != nullptr) {
        // (Setting the hot item it already has would clear it.)
        const int iThis = pMenuBar->ButtonToIndex(this);
        if (pMenuBar->GetHotButton() != iThis) pMenuBar->SetHot(iThis);
        pMenuBar->InvalidateRect(m_rect);
    }
    CZAVPToolBar* pToolBar = GetCustomizedToolBar();
    if (pToolBar == nullptr) return FALSE;

    if (m_bRowsSwitch) {
        SwitchRows(pToolBar);
        return FALSE;
    }
    if (m_iIndex == kResetItemIndex) {
        // The toolbar asks whether to go back to its defaults, once the menu is gone.
        pToolBar->PostMessage(ZAVPToolBarMessages::ResetPrompt);
        return FALSE;
    }

    if (m_bExist) {
        CZAVPToolbarButton* pButton = pToolBar->GetButton(m_iIndex);
        if (pButton == nullptr) return TRUE;
        const BOOL bShow = !pButton->IsVisible();
        pButton->SetVisible(bShow);
        SetChecked(bShow);
        // A group loses its separator with its last button.
        CZAVPToolbarButton* pNext = pToolBar->GetButton(m_iIndex + 1);
        if (pNext != nullptr && (pNext->m_nStyle & TBBS_SEPARATOR)) pNext->SetVisible(bShow);
    } else {
        // A default button the toolbar no longer has comes back where it was.
        const CZAVPToolbarButton* pDefault = nullptr;
        for (POSITION pos = pToolBar->GetOriginalButtons().GetHeadPosition(); pos != nullptr;) {
            const CZAVPToolbarButton* p = static_cast<const CZAVPToolbarButton*>(
                pToolBar->GetOriginalButtons().GetNext(pos));
            if (p->m_nID == m_nID && !(p->m_nStyle & TBBS_SEPARATOR)) {
                pDefault = p;
                break;
            }
        }
        if (pDefault == nullptr) return TRUE;
        int iNew = pToolBar->InsertButtonCopy(*pDefault, m_iIndex);
        if (iNew < 0) iNew = pToolBar->InsertButtonCopy(*pDefault);
        if (iNew < 0) return TRUE;
        // The entries of the buttons after it follow their buttons.
        if (pMenuBar != nullptr) {
            for (int i = 0; i < pMenuBar->GetCount(); ++i) {
                CZAVPCustomizeMenuButton* pEntry = dynamic_cast<CZAVPCustomizeMenuButton*>(
                    pMenuBar->GetButton(i));
                if (pEntry != nullptr && pEntry != this)
                    pEntry->m_iIndex = ZAVPCustomizeMenu::ShiftedEntryIndex(
                        pEntry->m_iIndex, pEntry->m_bExist, iNew, kResetItemIndex);
            }
        }
        m_iIndex = iNew;
        const int nLast = pToolBar->GetCount() - (pToolBar->GetCustomizeButton() ? 2 : 1);
        if (m_bAddSpr) {
            const CZAVPToolbarButton* pNext = pToolBar->GetButton(iNew + 1);
            if (iNew >= nLast || (pNext != nullptr && !(pNext->m_nStyle & TBBS_SEPARATOR)))
                pToolBar->InsertSeparator(iNew >= nLast ? -1 : iNew + 1);
        }
        m_bExist = TRUE;
        SetChecked(TRUE);
    }
    RefreshToolBar(pToolBar);
    if (pMenuBar != nullptr && pMenuBar->GetSafeHwnd() != nullptr) pMenuBar->Invalidate();
    return TRUE;
}

void CZAVPCustomizeMenuButton::SwitchRows(CZAVPToolBar* pToolBar)
{
    CZAVPToolBar* pPartner = pToolBar->GetSiblingToolBar();
    CZAVPDockBar* pDockBar = pToolBar->GetParentDockBar();
    CZAVPFrameWnd* pFrame = dynamic_cast<CZAVPFrameWnd*>(pToolBar->GetDockSiteFrame());
    if (pPartner == nullptr || pDockBar == nullptr || pFrame == nullptr ||
        pPartner->GetParentDockBar() != pDockBar)
        return;
    const UINT nDockBarId = (UINT)pDockBar->GetDlgCtrlID();
    if (pPartner->GetDockBarRow() != pToolBar->GetDockBarRow()) {
        // The partner joins the bar's row, right after it.
        CRect rectBar, rectPartner;
        pToolBar->GetWindowRect(rectBar);
        pPartner->GetWindowRect(rectPartner);
        const BOOL bHorz = pToolBar->IsHorizontal();
        const CRect rect = bHorz ? CRect(rectBar.right, rectBar.top,
                                         rectBar.right + rectPartner.Width(), rectBar.bottom)
                                 : CRect(rectBar.left, rectBar.bottom, rectBar.right,
                                         rectBar.bottom + rectPartner.Height());
        pFrame->DockControlBar(pPartner, nDockBarId, rect);
    } else {
        // A row of its own.
        pFrame->DockControlBar(pPartner, nDockBarId);
    }
    pFrame->RecalcLayout();
}

SIZE CZAVPCustomizeMenuButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (m_bSeparator) return CSize(0, kSeparatorHeight);
    if (m_bRowsSwitch) return CZAVPToolbarMenuButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    m_bHorz = bHorz;
    CString strPrompt;
    if (m_strText.IsEmpty() && m_nID != 0 && m_nID != (UINT)-1) strPrompt.LoadString(m_nID);
    CString strText = ZAVPCustomizeMenu::EntryText(m_strText, strPrompt);
    CZAVPVisualManager* pVM = CZAVPVisualManager::GetInstance();
    const int nMargin = pVM->GetMenuImageMargin();
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(pDC->GetSafeHdc(), &tm);
    const CSize sizeMenuButton = CZAVPToolBar::GetMenuButtonSize();
    return CSize(ZAVPCustomizeMenu::EntryWidth(nMargin, tm.tmAveCharWidth, strText.GetLength(),
                                               sizeMenuButton.cx),
                 ZAVPCustomizeMenu::EntryHeight(sizeMenuButton.cy, nMargin, m_bMenuMode));
}

void CZAVPCustomizeMenuButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                                      BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                                      BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    CZAVPVisualManager* pVM = CZAVPVisualManager::GetInstance();
    if (m_bSeparator) {
        CRect rectSep = rect;
        rectSep.left += pVM->GetMenuImageMargin() + 2 * CZAVPToolBar::GetMenuImageSize().cx;
        pVM->OnDrawSeparator(pDC, nullptr, rectSep, TRUE);
        return;
    }
    if (m_bRowsSwitch) {
        CZAVPToolbarMenuButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight,
                                       bDrawBorder, bGrayDisabledButtons);
        return;
    }
    // The check column: a square at the item's left.
    const CRect rectCheck(rect.left + 2, rect.top, rect.left + rect.Height(), rect.bottom - 2);
    const UINT nStyleSaved = m_nStyle;
    BOOL bGray = bGrayDisabledButtons;
    if (!m_bEnabled) {
        m_nStyle = TBBS_DISABLED;
        bHighlight = FALSE;
        bGray = TRUE;
    } else {
        m_nStyle = m_bChecked && bHighlight ? TBBS_CHECKED : 0;
    }
    if (bHighlight) {
        CRect rectFill(rect.left + 2, rect.top, rect.right, rect.bottom - 2);
        if ((m_nStyle & TBBS_CHECKED) && !ZAVPIsKindOf(pVM, RUNTIME_CLASS(CZAVPVisualManagerXP)))
            rectFill.left = rect.left + 2 + 3 * pVM->GetMenuImageMargin() +
                            CZAVPToolBar::GetMenuImageSize().cx;
        COLORREF clrText = globalData.clrBtnText;
        pVM->OnHighlightMenuItem(pDC, this, rectFill, clrText);
    }
    if (m_bChecked) DrawCheckBox(pDC, rectCheck, bHighlight);
    if (bHighlight) m_nStyle &= TBBS_DISABLED;
    CRect rectItem = rect;
    rectItem.left = rectCheck.right;
    rectItem.bottom -= 2;
    DrawMenuItem(pDC, rectItem, pImages, bCustomizeMode, bHighlight, bGray);
    m_nStyle = nStyleSaved;
}

void CZAVPCustomizeMenuButton::DrawCheckBox(CDC* pDC, const CRect& rectCheck, BOOL bHighlight)
{
    CZAVPVisualManager* pVM = CZAVPVisualManager::GetInstance();
    CRect rect = rectCheck;
    if (m_bEnabled) {
        rect.DeflateRect(1, 1);
        pVM->OnFillButtonInterior(pDC, this, rect, CZAVPVisualManager::ButtonsIsPressed);
        const CPoint ptCentre = rectCheck.CenterPoint();
        CZAVPMenuGlyphs::Draw(pDC, CZAVPMenuGlyphs::IdCheck, CPoint(ptCentre.x - 5, ptCentre.y - 5),
                              CZAVPMenuGlyphs::StateBlack);
    } else {
        rect.DeflateRect(0, 1);
        pVM->OnFillButtonInterior(pDC, this, rect, CZAVPVisualManager::ButtonsIsHighlighted);
        CZAVPMenuGlyphs::Draw(
            pDC, CZAVPMenuGlyphs::IdCheck,
            CPoint(rectCheck.left + rectCheck.Width() / 4, rectCheck.top + rectCheck.Height() / 4),
            CZAVPMenuGlyphs::StateGray);
    }
    (void)bHighlight;
    pVM->OnDrawButtonBorder(pDC, this, rectCheck, CZAVPVisualManager::ButtonsIsPressed);
}

void CZAVPCustomizeMenuButton::DrawMenuItem(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                                            BOOL bCustomizeMode, BOOL bHighlight,
                                            BOOL bGrayDisabledButtons)
{
    // The reset entry never shows an image.
    if (m_iIndex == kResetItemIndex) m_bImage = FALSE;
    const CString strSaved = m_strText;
    const BOOL bWholeSaved = m_bWholeText;
    if (!m_bWholeText) {
        // The label loses characters from its end until it fits; "..." only goes after a label
        // that was cut.
        const int iTab = m_strText.Find('\t');
        const CString strLabel = iTab >= 0 ? m_strText.Left(iTab) : m_strText;
        const CString strAccel = iTab >= 0 ? m_strText.Mid(iTab) : CString();
        const CSize sizeImage = CZAVPToolBar::GetMenuImageSize();
        const int nTextLeft = rect.left +
                              3 * CZAVPVisualManager::GetInstance()->GetMenuImageMargin() +
                              sizeImage.cx + 6;
        m_strText = ZAVPCustomizeMenu::FitLabel(
                        strLabel, rect.right - nTextLeft,
                        [pDC](const CString& str) {
                            return pDC->GetTextExtent(ZAVPButtonText::StripMnemonics(str)).cx;
                        }) +
                    strAccel;
        m_bWholeText = TRUE;
    }
    const CRect rectSaved = m_rect;
    m_rect = rect;
    CZAVPToolbarMenuButton::DrawMenuItem(pDC, rect, pImages, bCustomizeMode, bHighlight,
                                         bGrayDisabledButtons);
    m_rect = rectSaved;
    m_strText = strSaved;
    m_bWholeText = bWholeSaved;
}
