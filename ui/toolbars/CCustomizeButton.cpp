// The toolbar's customise button (see CCustomizeButton.h).
#include "ui/toolbars/CCustomizeButton.h"

#include "framework/CDC.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/toolbars/CZAVPCustomizeMenuButton.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarComboBoxButton.h"
#include "ui/toolbars/ZAVPCustomizeMenu.h"

IMPLEMENT_SERIAL(CCustomizeButton, CZAVPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace
{
// The single item of a toolbar's placeholder sub-menu: the frame recognises it and puts the
// toolbar's per-button list in its place as the sub-menu opens.
const UINT kPlaceholderCmd = 1;
// The rows switch of a pair of toolbars that can share one row.
const UINT kRowsSwitchCmd = (UINT)-20;

CString LoadText(UINT uiId)
{
    CString str;
    str.LoadString(uiId);
    return str;
}
}  // namespace

CCustomizeButton::CCustomizeButton()
    : m_bHasHiddenButtons(FALSE), m_bCanCustomize(FALSE), m_iCustomizeCmdId(0),
      m_pWndParentToolbar(nullptr), m_bIsEmpty(FALSE), m_sizeExtra(0, 0)
{
}

CCustomizeButton::CCustomizeButton(UINT uiCustomizeCmdId, const CString& strCustomizeText)
    : CCustomizeButton()
{
    SetCustomizeCommand(uiCustomizeCmdId, strCustomizeText);
}

void CCustomizeButton::SetCustomizeCommand(UINT uiCmdId, const CString& strText)
{
    m_iCustomizeCmdId = (int)uiCmdId > 0 ? (int)uiCmdId : 0;
    m_strCustomizeText = strText;
    m_bCanCustomize = m_iCustomizeCmdId > 0;
}

void CCustomizeButton::CopyFrom(const CZAVPToolbarButton& src)
{
    CZAVPToolbarMenuButton::CopyFrom(src);
    const CCustomizeButton* pSrc = dynamic_cast<const CCustomizeButton*>(&src);
    if (pSrc == nullptr || pSrc == this) return;
    m_iCustomizeCmdId = pSrc->m_iCustomizeCmdId;
    m_strCustomizeText = pSrc->m_strCustomizeText;
    m_bIsEmpty = pSrc->m_bIsEmpty;
    m_bCanCustomize = pSrc->m_bCanCustomize;
}

void CCustomizeButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarMenuButton::OnChangeParentWnd(pWndParent);
    m_pWndParentToolbar = dynamic_cast<CZAVPToolBar*>(pWndParent);
    m_bIsEmpty = FALSE;
}

void CCustomizeButton::OnCancelMode()
{
    CZAVPToolbarMenuButton::OnCancelMode();
    if (m_sizeExtra == CSize(0, 0) || m_pWndParentToolbar == nullptr ||
        m_pWndParentToolbar->GetSafeHwnd() == nullptr)
        return;
    const int iIndex = m_pWndParentToolbar->ButtonToIndex(this);
    if (iIndex >= 0) m_pWndParentToolbar->InvalidateButton(iIndex);
}

SIZE CCustomizeButton::OnCalculateSize(CDC*, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    if (m_bIsEmpty) return CSize(0, 0);
    if (m_strText.IsEmpty()) m_strText = LoadText(IDS_ZAVP_MORE_BUTTONS);
    // A floating toolbar shows no customize button.
    if (m_pWndParentToolbar != nullptr && !m_pWndParentToolbar->IsDocked()) return CSize(0, 0);
    return ZAVPCustomizeMenu::CustomizeButtonSize(
        bHorz, CZAVPVisualManager::GetInstance()->GetCustomizeButtonMargin(),
        CZAVPMenuGlyphs::GetSize(), sizeDefault);
}

void CCustomizeButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip*, BOOL bHorz,
                              BOOL bCustomizeMode, BOOL bHighlight, BOOL, BOOL)
{
    if (m_bMenuMode) return;
    m_bHorz = bHorz;
    CZAVPVisualManager* pVM = CZAVPVisualManager::GetInstance();
    const BOOL bDropped = IsDroppedDown();
    const BOOL bPressed = bHighlight || bDropped;
    FillInterior(pDC, rect, bPressed);

    const int nMargin = pVM->GetCustomizeButtonMargin();
    const CSize sizeGlyph = CZAVPMenuGlyphs::GetSize();
    const BOOL bOffset = (bPressed || (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) || bDropped) &&
                         pVM->IsOffsetPressedButton();
    const int nState = (m_nStyle & TBBS_DISABLED) ? CZAVPMenuGlyphs::StateGray
                                                  : CZAVPMenuGlyphs::StateBlack;
    using namespace ZAVPCustomizeMenu;
    if (m_iCustomizeCmdId > 0) {
        const CRect rectCell = CustomizeCell(rect, bHorz, nMargin, sizeGlyph);
        CZAVPMenuGlyphs::Draw(pDC, CustomizeGlyph(bHorz), GlyphOrigin(rectCell, sizeGlyph, bOffset),
                              nState);
    }
    if (!m_lstInvisibleButtons.IsEmpty()) {
        const CRect rectCell = HiddenButtonsCell(rect, bHorz, nMargin, sizeGlyph);
        CZAVPMenuGlyphs::Draw(pDC, HiddenButtonsGlyph(bHorz),
                              GlyphOrigin(rectCell, sizeGlyph, bOffset), nState);
    }
    if (bCustomizeMode) return;
    if ((m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) || bDropped)
        pVM->OnDrawButtonBorder(pDC, this, rect, CZAVPVisualManager::ButtonsIsPressed);
    else if (bHighlight && !(m_nStyle & TBBS_DISABLED))
        pVM->OnDrawButtonBorder(pDC, this, rect, CZAVPVisualManager::ButtonsIsHighlighted);
}

CString CCustomizeButton::HiddenItemText(const CZAVPToolbarButton& button)
{
    const bool bCombo = dynamic_cast<const CZAVPToolbarComboBoxButton*>(&button) != nullptr;
    if (!button.m_strText.IsEmpty() && !bCombo) return button.m_strText;
    CString strPrompt;
    if (!strPrompt.LoadString(button.m_nID)) return button.m_strText;
    const int iFirst = strPrompt.Find('\n');
    if (iFirst < 0) return strPrompt;
    CString strTip = strPrompt.Mid(iFirst + 1);
    const int iNext = strTip.Find('\n');
    return iNext >= 0 ? strTip.Left(iNext) : strTip;
}

CZAVPPopupMenu* CCustomizeButton::CreatePopupMenu()
{
    CZAVPPopupMenu* pPopup = CZAVPToolbarMenuButton::CreatePopupMenu();
    if (pPopup == nullptr) return nullptr;
    // The frame fills the per-button list of the toolbar below this drop-down as it opens.
    pPopup->m_iCustomizeMark = 1;
    CZAVPToolBar* pToolBar = m_pWndParentToolbar;
    // A locked toolbar keeps its own images, which the menus cannot show.
    const BOOL bImages = pToolBar != nullptr && !pToolBar->IsLocked();

    std::vector<const CZAVPToolbarButton*> hidden;
    std::vector<ZAVPCustomizeMenu::Hidden> facts;
    for (POSITION pos = m_lstInvisibleButtons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pButton = static_cast<const CZAVPToolbarButton*>(
            m_lstInvisibleButtons.GetNext(pos));
        hidden.push_back(pButton);
        facts.push_back({pButton->IsSeparator() != FALSE,
                         dynamic_cast<const CZAVPToolbarMenuButton*>(pButton) != nullptr,
                         pButton->m_nID});
    }
    for (const ZAVPCustomizeMenu::Item& item : ZAVPCustomizeMenu::HiddenItems(facts)) {
        const CZAVPToolbarButton& button = *hidden[(size_t)item.iHidden];
        switch (item.kind) {
        case ZAVPCustomizeMenu::kItemSeparator: pPopup->InsertSeparator(); break;
        case ZAVPCustomizeMenu::kItemMenuCopy: {
            CZAVPToolbarMenuButton copy;
            copy.CopyFrom(button);
            if (copy.m_strText.IsEmpty()) copy.m_strText = HiddenItemText(button);
            copy.m_bText = TRUE;
            pPopup->InsertItem(copy);
            break;
        }
        case ZAVPCustomizeMenu::kItemCommand: {
            const int iImage = !bImages ? -1 : button.GetImage();
            CZAVPToolbarMenuButton entry(button.m_nID, nullptr, iImage, HiddenItemText(button),
                                         bImages && button.m_bUserButton);
            entry.m_bText = TRUE;
            pPopup->InsertItem(entry);
            break;
        }
        }
    }

    if (m_iCustomizeCmdId > 0) {
        if (!m_lstInvisibleButtons.IsEmpty()) pPopup->InsertSeparator();
        if (pToolBar == nullptr || !pToolBar->IsAddRemoveQuickCustomize()) {
            CZAVPToolbarMenuButton item((UINT)m_iCustomizeCmdId, nullptr, -1, m_strCustomizeText);
            item.m_bText = TRUE;
            pPopup->InsertItem(item);
        } else {
            // One placeholder per toolbar of the row; the frame lists a toolbar's buttons when
            // its sub-menu opens.
            HMENU hAddRemove = ::CreatePopupMenu();
            std::vector<CZAVPToolBar*> rowBars;
            if (CZAVPDockBarRow* pRow = pToolBar->GetDockBarRow()) {
                const CObList& bars = pRow->GetControlBars();
                for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
                    CZAVPToolBar* pBar = dynamic_cast<CZAVPToolBar*>(bars.GetNext(pos));
                    if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr &&
                        pBar->IsWindowVisible())
                        rowBars.push_back(pBar);
                }
            }
            if (rowBars.empty()) rowBars.push_back(pToolBar);
            for (CZAVPToolBar* pBar : rowBars) {
                CString strName;
                pBar->GetWindowText(strName);
                if (strName.IsEmpty()) strName = LoadText(IDS_ZAVP_UNNAMED_TOOLBAR);
                CString strId;
                strId.Format("%d", pBar->GetDlgCtrlID());
                HMENU hList = ::CreatePopupMenu();
                ::AppendMenuA(hList, MF_STRING, kPlaceholderCmd, strId);
                ::AppendMenuA(hAddRemove, MF_POPUP, (UINT_PTR)hList, strName);
            }
            ::AppendMenuA(hAddRemove, MF_STRING, (UINT)m_iCustomizeCmdId, m_strCustomizeText);

            CZAVPToolBar* pPartner = pToolBar->GetSiblingToolBar();
            if (pPartner != nullptr && pPartner->GetParentDockBar() != nullptr &&
                pPartner->GetParentDockBar() == pToolBar->GetParentDockBar())
            {
                const BOOL bSameRow = pPartner->GetDockBarRow() == pToolBar->GetDockBarRow();
                CZAVPCustomizeMenuButton rows(
                    kRowsSwitchCmd, nullptr, -1,
                    LoadText(bSameRow ? IDS_ZAVP_SHOW_TWO_ROWS : IDS_ZAVP_SHOW_ONE_ROW));
                rows.m_bRowsSwitch = TRUE;
                rows.m_bText = TRUE;
                CZAVPCustomizeMenuButton::SetCustomizedToolBar(pToolBar);
                pPopup->InsertItem(rows);
            }
            CZAVPToolbarMenuButton addRemove((UINT)-1, hAddRemove, -1,
                                             LoadText(IDS_ZAVP_ADD_REMOVE_BUTTONS));
            addRemove.m_bText = TRUE;
            addRemove.m_bImage = FALSE;
            pPopup->InsertItem(addRemove);
            ::DestroyMenu(hAddRemove);
        }
        pPopup->DisableAnimation();
    }
    if (pToolBar != nullptr) {
        CWnd* pOwner = pToolBar->GetOwner();
        m_pWndMessage = pOwner != nullptr ? pOwner : pToolBar->GetParent();
    }
    return pPopup;
}
