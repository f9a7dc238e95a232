// The menu button: its item list and archive, the conversion to and from menu handles, clicks
// and the opening of its popup menu. Its drawing is in CZAVPToolbarMenuButtonDraw.cpp.
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

#include "ui/toolbars/ZAVPButtonRecordRules.h"

#include <memory>

#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CWnd.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPButtonListArchive.h"
#include "ui/toolbars/ZAVPMenuButtonGeometry.h"
#include "ui/toolbars/ZAVPMenuModel.h"
#include "ui/toolbars/ZAVPPopupPlacement.h"
#include "ui/foundation/ZAVPWindowChecks.h"

IMPLEMENT_SERIAL(CZAVPToolbarMenuButton, CZAVPToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace
{
const int kPaletteFieldsMajor = 6;  // the palette fields are stored from 6.52 on
const int kPaletteFieldsMinor = 52;
const UINT kCommandsMenuBreak = 0x20000000;
const UINT kMenuSysCommandFirst = 0xF000;
const UINT kMenuSysCommandEnd = 0xF1F0;

// Palette fields are stored by a workspace whose state version is 6.52 or later (or unknown).
bool HasPaletteFields()
{
    return ButtonRecordsFromVersion(kPaletteFieldsMajor, kPaletteFieldsMinor);
}

void DeleteAllCommands(CObList& list)
{
    while (!list.IsEmpty()) delete list.RemoveHead();
}

// The menu-button item for one model item (sub-menus recursively).
CZAVPToolbarMenuButton* ButtonFromItem(const ZAVPMenuItem& item)
{
    CZAVPToolbarMenuButton* pButton = new CZAVPToolbarMenuButton;
    pButton->m_nID = item.nID;
    pButton->m_strText = item.strText.c_str();
    if (item.IsSeparator()) pButton->m_nStyle |= TBBS_SEPARATOR;
    pButton->m_bDefault = item.bDefault;
    if (item.bMenuBreak) pButton->m_nStyle |= kCommandsMenuBreak;
    if (item.IsSubMenu()) {
        if (g_pTearOffManager != nullptr)
            pButton->SetTearOffId(CZAVPTearOffManager::ParseTearOffName(pButton->m_strText));
        pButton->CreateFromItems(item.subItems);
    }
    return pButton;
}
}  // namespace

void CZAVPToolbarMenuButton::CreateFromItems(const std::vector<ZAVPMenuItem>& items)
{
    RemoveAllSubItems();
    for (const ZAVPMenuItem& item : items) m_listCommands.AddTail(ButtonFromItem(item));
}

ZAVPMenuItem CZAVPToolbarMenuButton::ItemOf(const CZAVPToolbarButton& button)
{
    ZAVPMenuItem item;
    item.nID = button.IsSeparator() ? ZAVPMenuItem::kSeparator : button.m_nID;
    if (item.IsSeparator()) return item;
    item.strText = (LPCSTR)button.m_strText;
    item.bDisabled = (button.m_nStyle & TBBS_DISABLED) != 0;
    item.bChecked = (button.m_nStyle & TBBS_CHECKED) != 0;
    item.bMenuBreak = (button.m_nStyle & kCommandsMenuBreak) != 0;
    const CZAVPToolbarMenuButton* pMenuButton = dynamic_cast<const CZAVPToolbarMenuButton*>(
        &button);
    if (pMenuButton == nullptr) return item;
    item.bDefault = pMenuButton->m_bDefault;
    if (item.IsSubMenu()) {
        if (pMenuButton->m_uiTearOffBarID != 0 && g_pTearOffManager != nullptr) {
            CString strText = button.m_strText;
            CZAVPTearOffManager::BuildTearOffName(pMenuButton->m_uiTearOffBarID, strText);
            item.strText = (LPCSTR)strText;
        }
        for (POSITION pos = pMenuButton->m_listCommands.GetHeadPosition(); pos != nullptr;)
            item.subItems.push_back(ItemOf(
                *static_cast<const CZAVPToolbarButton*>(pMenuButton->m_listCommands.GetNext(pos))));
    }
    return item;
}

CZAVPToolbarMenuButton::CZAVPToolbarMenuButton()
    : m_pWndParent(nullptr), m_pPopupMenu(nullptr), m_nDropDirection(0), m_bDrawDownArrow(FALSE),
      m_bMenuMode(FALSE), m_bDefault(FALSE), m_bClickedOnMenu(FALSE), m_bToBeClosed(FALSE),
      m_bMenuOnly(FALSE), m_bIsRadio(FALSE), m_bOpenLeft(FALSE), m_pWndMessage(nullptr),
      m_bMenuPaletteMode(FALSE), m_nPaletteRows(1), m_iDownArrow(0), m_listCommands(10),
      m_uiTearOffBarID(0)
{
}

CZAVPToolbarMenuButton::CZAVPToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCSTR lpszText,
                                               BOOL bUserButton)
    : CZAVPToolbarMenuButton()
{
    m_bUserButton = bUserButton;
    m_nID = uiID;
    SetImage(iImage);
    m_strText = lpszText != nullptr ? lpszText : "";
    CreateFromMenu(hMenu);
}

CZAVPToolbarMenuButton::~CZAVPToolbarMenuButton()
{
    if (m_pPopupMenu != nullptr) {
        m_pPopupMenu->m_pParentBtn = nullptr;
        if (m_pPopupMenu->GetSafeHwnd() != nullptr) m_pPopupMenu->DestroyWindow();
        m_pPopupMenu = nullptr;
    }
    RemoveAllSubItems();
    if (m_uiTearOffBarID != 0 && g_pTearOffManager != nullptr)
        g_pTearOffManager->SetInUse(m_uiTearOffBarID, FALSE);
}

// ---- items and archive

void CZAVPToolbarMenuButton::RemoveAllSubItems() { DeleteAllCommands(m_listCommands); }

void CZAVPToolbarMenuButton::AddSubItem(const CZAVPToolbarButton& button)
{
    CZAVPToolbarButton* pCopy = static_cast<CZAVPToolbarButton*>(
        button.GetRuntimeClass()->CreateObject());
    if (pCopy == nullptr) return;
    pCopy->CopyFrom(button);
    m_listCommands.AddTail(pCopy);
}

void CZAVPToolbarMenuButton::Serialize(CArchive& ar)
{
    CZAVPToolbarButton::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (DWORD)m_uiTearOffBarID;
        if (HasPaletteFields()) ar << (DWORD)m_bMenuPaletteMode << (DWORD)m_nPaletteRows;
        m_listCommands.Serialize(ar);
        return;
    }

    DWORD dwTearOff = 0;
    ar >> dwTearOff;
    SetTearOffId(dwTearOff);
    if (HasPaletteFields()) {
        DWORD dwPalette = 0, dwRows = 1;
        ar >> dwPalette >> dwRows;
        m_bMenuPaletteMode = dwPalette != 0;
        m_nPaletteRows = (int)dwRows;
    }
    RemoveAllSubItems();
    // Only buttons may stand in a menu, each one new: what was read before a fault goes with it.
    ZAVPButtonListArchive::Read(ar, m_listCommands);
}

void CZAVPToolbarMenuButton::CopyFrom(const CZAVPToolbarButton& s)
{
    CZAVPToolbarButton::CopyFrom(s);
    const CZAVPToolbarMenuButton* pSrc = dynamic_cast<const CZAVPToolbarMenuButton*>(&s);
    if (pSrc == nullptr || pSrc == this) return;
    m_bDefault = pSrc->m_bDefault;
    m_bMenuOnly = pSrc->m_bMenuOnly;
    m_bIsRadio = pSrc->m_bIsRadio;
    m_pWndMessage = pSrc->m_pWndMessage;
    m_bMenuPaletteMode = pSrc->m_bMenuPaletteMode;
    m_nPaletteRows = pSrc->m_nPaletteRows;
    m_iDownArrow = pSrc->m_iDownArrow;
    SetTearOffId(pSrc->m_uiTearOffBarID);
    RemoveAllSubItems();
    for (POSITION pos = pSrc->m_listCommands.GetHeadPosition(); pos != nullptr;)
        AddSubItem(*static_cast<const CZAVPToolbarButton*>(pSrc->m_listCommands.GetNext(pos)));
}

BOOL CZAVPToolbarMenuButton::CompareWith(const CZAVPToolbarButton& other) const
{
    if (m_nID != other.m_nID) return FALSE;
    const CZAVPToolbarMenuButton* pOther = dynamic_cast<const CZAVPToolbarMenuButton*>(&other);
    if (pOther == nullptr) return m_listCommands.IsEmpty();
    if (m_listCommands.GetCount() != pOther->m_listCommands.GetCount()) return FALSE;
    POSITION posOther = pOther->m_listCommands.GetHeadPosition();
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pMine = static_cast<const CZAVPToolbarButton*>(
            m_listCommands.GetNext(pos));
        const CZAVPToolbarButton* pTheirs = static_cast<const CZAVPToolbarButton*>(
            pOther->m_listCommands.GetNext(posOther));
        if (!pMine->CompareWith(*pTheirs)) return FALSE;
    }
    return TRUE;
}

void CZAVPToolbarMenuButton::ResetImageToDefault()
{
    CZAVPToolbarButton::ResetImageToDefault();
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
        static_cast<CZAVPToolbarButton*>(m_listCommands.GetNext(pos))->ResetImageToDefault();
}

void CZAVPToolbarMenuButton::SetTearOffId(UINT uiBarID)
{
    if (m_uiTearOffBarID == uiBarID) return;
    if (g_pTearOffManager != nullptr) {
        if (m_uiTearOffBarID != 0) g_pTearOffManager->SetInUse(m_uiTearOffBarID, FALSE);
        if (uiBarID != 0) g_pTearOffManager->SetInUse(uiBarID, TRUE);
    }
    m_uiTearOffBarID = uiBarID;
}

// ---- menu handles

void CZAVPToolbarMenuButton::CreateFromMenu(HMENU hMenu)
{
    RemoveAllSubItems();
    ZAVPMenuModel::ImportResult result;
    if (hMenu == nullptr || !ZAVPMenuModel::Import(hMenu, ZAVPMenuModel::ImportOptions(), result))
        return;
    CreateFromItems(result.items);
}

HMENU CZAVPToolbarMenuButton::CreateMenu() const
{
    if (m_listCommands.IsEmpty() && IsRealCommand(m_nID) && !m_bMenuOnly) return nullptr;

    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr) return nullptr;
    UINT uiDefault = (UINT)-1;
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pItem = static_cast<const CZAVPToolbarButton*>(
            m_listCommands.GetNext(pos));
        const CZAVPToolbarMenuButton* pMenuItem = dynamic_cast<const CZAVPToolbarMenuButton*>(
            pItem);
        UINT uiFlags = (pItem->m_nStyle & kCommandsMenuBreak) ? MF_MENUBREAK : 0;
        if (pMenuItem != nullptr && pMenuItem->m_uiTearOffBarID != 0) uiFlags |= MF_MENUBARBREAK;

        BOOL bAppended = FALSE;
        if (pItem->m_nID == 0 || pItem->IsSeparator()) {
            bAppended = ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        } else if (pItem->m_nID != (UINT)-1) {
            bAppended = ::AppendMenuA(hMenu, uiFlags | MF_STRING, pItem->m_nID, pItem->m_strText);
            if (pMenuItem != nullptr && pMenuItem->m_bDefault) uiDefault = pItem->m_nID;
        } else {
            HMENU hSub = pMenuItem != nullptr ? pMenuItem->CreateMenu() : ::CreatePopupMenu();
            if (hSub == nullptr) hSub = ::CreatePopupMenu();
            CString strText = pItem->m_strText;
            if (pMenuItem != nullptr && pMenuItem->m_uiTearOffBarID != 0 &&
                g_pTearOffManager != nullptr)
                CZAVPTearOffManager::BuildTearOffName(pMenuItem->m_uiTearOffBarID, strText);
            bAppended = hSub != nullptr &&
                        ::AppendMenuA(hMenu, uiFlags | MF_POPUP, (UINT_PTR)hSub, strText);
            if (!bAppended && hSub != nullptr) ::DestroyMenu(hSub);
        }
        if (!bAppended) {
            ::DestroyMenu(hMenu);
            return nullptr;
        }
    }
    if (uiDefault != (UINT)-1) ::SetMenuDefaultItem(hMenu, uiDefault, FALSE);
    return hMenu;
}

CZAVPPopupMenu* CZAVPToolbarMenuButton::CreatePopupMenu() { return new CZAVPPopupMenu; }

// ---- parent and popup

void CZAVPToolbarMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    if (pWndParent != nullptr) {
        const BOOL bHasItems = !m_listCommands.IsEmpty();
        if (ZAVPIsKindOf(pWndParent, RUNTIME_CLASS(CZAVPMenuBar))) {
            m_bText = TRUE;
            m_bImage = FALSE;
            m_bDrawDownArrow = m_nID != 0 && bHasItems;
        } else {
            m_bDrawDownArrow = m_nID == 0 || bHasItems;
        }
        m_bMenuMode = pWndParent->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar));
        if (m_bMenuMode) {
            m_bText = TRUE;
            m_bImage = FALSE;
        }
    }
    m_pWndParent = pWndParent;
}

CZAVPPopupMenu* CZAVPToolbarMenuButton::GetParentPopup() const
{
    if (m_pWndParent == nullptr || !m_pWndParent->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar)))
        return nullptr;
    return static_cast<CZAVPPopupMenuBar*>(m_pWndParent)->GetPopupMenu();
}

void CZAVPToolbarMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != nullptr && m_pPopupMenu->GetSafeHwnd() != nullptr &&
        !m_pPopupMenu->IsInCommand())
    {
        CZAVPPopupMenuBar* pBar = m_pPopupMenu->GetMenuBar();
        for (int i = 0; i < pBar->GetCount(); ++i) pBar->GetButton(i)->OnCancelMode();
        // Closing destroys the popup at once; its destruction clears the pointer.
        m_pPopupMenu->CloseMenu();
    }
    m_pPopupMenu = nullptr;
    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr) {
        CRect rect = m_rect;
        const int nBorder = CZAVPVisualManager::GetInstance()->GetPopupMenuBorderSize();
        rect.InflateRect(nBorder, nBorder);
        m_pWndParent->InvalidateRect(rect);
        m_pWndParent->UpdateWindow();
    }
    m_bToBeClosed = FALSE;
}

BOOL CZAVPToolbarMenuButton::OnDragStart()
{
    OnCancelMode();
    return TRUE;
}

void CZAVPToolbarMenuButton::CloseParentMenus()
{
    CZAVPPopupMenu* pOuter = nullptr;
    for (CWnd* pWnd = m_pWndParent; pWnd != nullptr; pWnd = pWnd->GetParent())
        if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenu)))
            pOuter = static_cast<CZAVPPopupMenu*>(pWnd);
    if (pOuter != nullptr) pOuter->CloseMenu();
}

BOOL CZAVPToolbarMenuButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    m_bClickedOnMenu = FALSE;
    if (m_bDrawDownArrow && !bDelay && !m_bMenuMode) {
        if (IsRealCommand(m_nID)) {
            CPoint ptCursor;
            ::GetCursorPos(&ptCursor);
            if (pWnd != nullptr) pWnd->ScreenToClient(&ptCursor);
            const CSize sizeArrow = CSize(CZAVPMenuGlyphs::GetSize());
            const RECT rcPart = ZAVPMenuButtonGeometry::DropDownPart(
                m_rect, sizeArrow, CZAVPToolBar::IsLargeIcons(), m_bHorz, m_bExtraSize,
                CZAVPVisualManager::GetInstance()->GetButtonExtraBorder());
            m_bClickedOnMenu = ::PtInRect(&rcPart, ptCursor);
            if (!m_bClickedOnMenu) return FALSE;
        } else {
            m_bClickedOnMenu = TRUE;
        }
    }
    if (!m_bClickedOnMenu && IsRealCommand(m_nID) && !m_bDrawDownArrow && !m_bMenuOnly)
        return FALSE;

    const BOOL bOnMenuBar = ZAVPIsKindOf(m_pWndParent, RUNTIME_CLASS(CZAVPMenuBar));
    if (m_pPopupMenu != nullptr) {
        CZAVPPopupMenu* pPopup = m_pPopupMenu;
        m_pPopupMenu = nullptr;
        pPopup->m_pParentBtn = nullptr;
        if (pPopup->GetSafeHwnd() != nullptr) pPopup->DestroyWindow();
        m_bToBeClosed = FALSE;
    } else if (bDelay && m_bMenuMode && !CZAVPToolBar::IsCustomizeMode()) {
        static_cast<CZAVPPopupMenuBar*>(m_pWndParent)->StartPopupMenuTimer(this);
    } else {
        if (bOnMenuBar && m_pWndParent != nullptr) {
            // Any other open menu of the bar goes first.
            CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(m_pWndParent);
            for (int i = 0; i < pBar->GetCount(); ++i) {
                CZAVPToolbarButton* pOther = pBar->GetButton(i);
                if (pOther != this && pOther->IsDroppedDown()) pOther->OnCancelMode();
            }
        }
        if (!OpenPopupMenu(pWnd)) return FALSE;
    }

    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr) {
        CRect rect = m_rect;
        const int nBorder = CZAVPVisualManager::GetInstance()->GetPopupMenuBorderSize();
        rect.InflateRect(nBorder, nBorder);
        m_pWndParent->RedrawWindow(rect, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    return TRUE;
}

BOOL CZAVPToolbarMenuButton::OpenPopupMenu(CWnd* pWnd)
{
    if (m_pPopupMenu != nullptr) return FALSE;
    if (pWnd == nullptr) pWnd = m_pWndParent;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) return FALSE;

    HMENU hMenu = CreateMenu();
    if (hMenu == nullptr && !IsEmptyMenuAllowed()) return FALSE;

    CZAVPPopupMenu* pPopup = CreatePopupMenu();
    if (pPopup == nullptr) {
        if (hMenu != nullptr) ::DestroyMenu(hMenu);
        return FALSE;
    }
    if (pPopup->GetMenuItemCount() > 0 && hMenu != nullptr) {
        ::DestroyMenu(hMenu);
        hMenu = nullptr;
    }

    CRect rectButton = m_rect;
    pWnd->ClientToScreen(&rectButton);
    using namespace ZAVPPopupPlacement;
    ButtonKind kind = ButtonOnBar;
    int nBarWindowRight = 0;
    if (m_bMenuMode) {
        kind = ButtonInPopup;
        CRect rectBar;
        pWnd->GetWindowRect(rectBar);
        nBarWindowRight = rectBar.right;
        m_nDropDirection = 3;
    } else if (ZAVPIsKindOf(m_pWndParent, RUNTIME_CLASS(CZAVPMenuBar)) &&
               !static_cast<CZAVPToolBar*>(m_pWndParent)->IsHorizontal())
    {
        kind = ButtonOnVerticalMenuBar;
        m_nDropDirection = 3;
    } else {
        m_nDropDirection = 1;
    }
    const POINT pt = ButtonOrigin(kind, rectButton, nBarWindowRight, m_bOpenLeft);

    pPopup->m_pParentBtn = this;
    m_pPopupMenu = pPopup;
    if (!pPopup->Create(pWnd, pt.x, pt.y, hMenu, FALSE, FALSE)) {
        // A popup that failed to open has deleted itself.
        m_pPopupMenu = nullptr;
        return FALSE;
    }
    if (m_pPopupMenu == nullptr) return FALSE;  // it closed itself while opening

    CWnd* pTarget = m_pWndMessage;
    if (pTarget == nullptr) {
        for (CWnd* p = pWnd; p != nullptr; p = p->GetParent())
            if (p->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenu))) {
                pTarget = static_cast<CZAVPPopupMenu*>(p)->m_pMessageWnd;
                break;
            }
    }
    if (pTarget != nullptr) pPopup->m_pMessageWnd = pTarget;
    return TRUE;
}

// ---- size

SIZE CZAVPToolbarMenuButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    if (!IsVisible()) return CSize(0, 0);

    const CSize sizeGlyph = CSize(CZAVPMenuGlyphs::GetSize());
    const int nArrowRoom = ZAVPMenuButtonGeometry::ArrowRoom(bHorz ? sizeGlyph.cx : sizeGlyph.cy,
                                                             CZAVPToolBar::IsLargeIcons(),
                                                             m_bDrawDownArrow || m_bMenuMode);

    const CString strSaved = m_strText;
    if (m_bMenuMode && g_pKeyboardManager != nullptr &&
        !(m_nID >= kMenuSysCommandFirst && m_nID < kMenuSysCommandEnd))
    {
        const int iTab = m_strText.Find('\t');
        if (iTab >= 0) m_strText = m_strText.Left(iTab);
        CFrameWnd* pFrame = m_pWndParent != nullptr ? m_pWndParent->GetTopLevelFrame() : nullptr;
        CString strAccel;
        if (pFrame != nullptr && IsRealCommand(m_nID) &&
            (CZAVPKeyboardManager::FindAcceleratorText(m_nID, strAccel, pFrame, TRUE) ||
             CZAVPKeyboardManager::FindAcceleratorText(m_nID, strAccel, pFrame, FALSE)))
            m_strText += "\t" + strAccel;
    }

    CSize size = CZAVPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    if (bHorz)
        size.cx += nArrowRoom;
    else
        size.cy += nArrowRoom;

    if (m_bMenuMode) {
        // A menu item is as wide as its label and accelerator with the image column before.
        const int iTab = m_strText.Find('\t');
        const CString strLabel = ZAVPButtonText::StripMnemonics(iTab >= 0 ? m_strText.Left(iTab)
                                                                          : m_strText);
        int cxText = pDC->GetTextExtent(strLabel, strLabel.GetLength()).cx;
        if (iTab >= 0) {
            const CString strAccel = m_strText.Mid(iTab + 1);
            cxText += pDC->GetTextExtent(strAccel, strAccel.GetLength()).cx;
        }
        m_strText = strSaved;
        size.cx = ZAVPMenuButtonGeometry::PopupItemWidth(cxText, nArrowRoom, sizeDefault.cx);
        if (m_pWndParent != nullptr && m_pWndParent->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar)))
            size.cy = static_cast<CZAVPPopupMenuBar*>(m_pWndParent)->GetRowHeight();
        else
            size.cy = sizeDefault.cy;
    } else {
        const int nExtra = 2 * CZAVPVisualManager::GetInstance()->GetMenuImageMargin() + 3;
        if (bHorz)
            size.cx += nExtra;
        else
            size.cy += nExtra;
    }
    return size;
}

int CZAVPToolbarMenuButton::OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const int nWidth = CZAVPToolbarButton::OnDrawOnList(pDC, rect, bSelected);
    if ((m_nID != 0 && !m_listCommands.IsEmpty()) || m_nID == 0)
        CZAVPVisualManager::GetInstance()->OnDrawMenuArrowOnCustomizeList(pDC, rect, bSelected);
    return nWidth;
}

void CZAVPToolbarMenuButton::SetRadio()
{
    m_bIsRadio = TRUE;
    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr) {
        CRect rect;
        GetImageColumnRect(rect);
        m_pWndParent->InvalidateRect(rect);
    }
}
