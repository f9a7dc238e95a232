// What a frame does for its menus: the menu bar taking over the frame's menu, keys and clicks
// offered to the open popup menu and to the toolbars before the frame sees them, menu
// characters, and the bookkeeping of the active popup menu.
#include "ui/docking/CZAVPFrameImpl.h"

#include <set>
#include <vector>

#include "framework/CFrameWnd.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPOleDocIPFrameWnd.h"
#include "ui/docking/CZAVPOleIPFrameWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPCustomizeMenuButton.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
const UINT kKeyCtrl = FCONTROL;  // 8
const UINT kKeyAlt = FALT;       // 16
const UINT kKeyShift = FSHIFT;   // 4
const LPARAM kRepeatBit = 0x40000000;

// Where a screen point lies on a popup menu (see CZAVPPopupMenu::HitTest).
const int kHitItems = 0;
const int kHitShadowRight = 1;
const int kHitShadowBottom = 2;
const int kHitLogo = 3;
const int kHitOutside = 4;
const int kHitTearOff = 5;

BOOL IsKeyDown(int nVirtKey) { return (::GetAsyncKeyState(nVirtKey) & 0x8000) != 0; }

// Every toolbar of the process whose window exists, in creation order.
template <class Visit>
void ForEachLiveToolBar(Visit visit)
{
    CObList& toolbars = CZAVPToolBar::GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(toolbars.GetNext(pos));
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) && !visit(pBar)) return;
    }
}

BOOL IsOpenPopup(CZAVPPopupMenu* pPopup)
{
    return pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd());
}

// The command id of list entries that stand for no command of their own.
const UINT kNoCommandEntry = (UINT)-20;
// The commands of the toolbar buttons the last list was built from.
std::set<UINT> g_presentCommands;

// The toolbar a popup chain was opened for: the toolbar of a customise button up the chain, else
// the bar inside the floating mini frame whose options menu the chain starts with.
CZAVPToolBar* CustomizedToolBarOf(CZAVPPopupMenu* pPopup)
{
    CZAVPPopupMenu* pTop = pPopup;
    for (CZAVPPopupMenu* p = pPopup; p != nullptr; p = p->GetParentPopupMenu()) {
        pTop = p;
        if (CCustomizeButton* pCustomize = dynamic_cast<CCustomizeButton*>(p->m_pParentBtn))
            return dynamic_cast<CZAVPToolBar*>(pCustomize->m_pWndParent);
    }
    CZAVPMiniFrameWnd* pMiniFrame = dynamic_cast<CZAVPMiniFrameWnd*>(pTop->m_pMessageWnd);
    if (pMiniFrame == nullptr || pMiniFrame->GetSafeHwnd() == nullptr) return nullptr;
    return dynamic_cast<CZAVPToolBar*>(pMiniFrame->GetControlBar());
}

// A command's name as the list shows it: the tooltip part of its string resource (after the
// first newline, the whole string when it has none), else its item in one of the frame's menus.
CString CommandName(UINT uiCmd, const std::vector<HMENU>& menus)
{
    CString strText;
    if (uiCmd == 0 || uiCmd == (UINT)-1) return strText;
    if (strText.LoadString(uiCmd)) {
        const int iFirst = strText.Find('\n');
        if (iFirst < 0) return strText;
        strText = strText.Mid(iFirst + 1);
        const int iNext = strText.Find('\n');
        return iNext >= 0 ? strText.Left(iNext) : strText;
    }
    for (HMENU hMenu : menus) {
        char szText[256] = {};
        // By command, the search goes into the sub-menus too.
        if (hMenu != nullptr &&
            ::GetMenuStringA(hMenu, uiCmd, szText, sizeof szText, MF_BYCOMMAND) > 0) {
            strText = szText;
            const int iTab = strText.Find('\t');
            return iTab >= 0 ? strText.Left(iTab) : strText;
        }
    }
    return strText;
}

// What the list entry for a toolbar button shows and stands for.
struct EntryFacts
{
    EntryFacts(const CZAVPToolbarButton& button, const std::vector<HMENU>& menus)
        : strText(button.m_strText),
          uiCmd(button.m_nID == 0 || button.m_nID == (UINT)-1 ||
                        button.IsKindOf(RUNTIME_CLASS(CZAVPToolbarMenuButton))
                    ? kNoCommandEntry
                    : button.m_nID),
          iImage(button.GetImage()), bUserImage(button.m_bUserButton)
    {
        if (strText.IsEmpty()) strText = CommandName(button.m_nID, menus);
    }
    CString strText;
    UINT uiCmd;
    int iImage;
    BOOL bUserImage;
};
}  // namespace

BOOL CZAVPFrameImpl::m_bMenuTakesFocus = TRUE;

void CZAVPFrameImpl::SetMenuBar(CZAVPMenuBar* pMenuBar)
{
    m_pMenuBar = pMenuBar;
    if (pMenuBar == nullptr || m_pFrame == nullptr || m_pFrame->GetSafeHwnd() == nullptr) return;
    m_hDefaultMenu = ::GetMenu(m_pFrame->GetSafeHwnd());
    pMenuBar->SetDefaultMenu(m_hDefaultMenu);
    pMenuBar->CreateFromMenu(m_hDefaultMenu, TRUE, FALSE);
    ::SetMenu(m_pFrame->GetSafeHwnd(), nullptr);
    pMenuBar->SetDefaultMenuResId(m_nIDDefaultResource);
}

BOOL CZAVPFrameImpl::IsPlainF1(const MSG* pMsg)
{
    return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 &&
           (pMsg->lParam & kRepeatBit) == 0 && !IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_CONTROL) &&
           !IsKeyDown(VK_MENU);
}

BOOL CZAVPFrameImpl::OnMenuChar(UINT nChar)
{
    if (m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd()) &&
        (m_pMenuBar->GetStyle() & WS_VISIBLE) && m_pMenuBar->TranslateChar(nChar))
        return TRUE;
    BOOL bTaken = FALSE;
    ForEachLiveToolBar([&](CZAVPToolBar* pBar) {
        if (pBar == m_pMenuBar || (pBar->GetStyle() & WS_VISIBLE) == 0 ||
            pBar->GetTopLevelFrame() != m_pFrame)
            return true;
        bTaken = pBar->TranslateChar(nChar);
        return !bTaken;
    });
    return bTaken;
}

BOOL CZAVPFrameImpl::ProcessKeyboard(int nKey, BOOL* pbProcessAccel)
{
    if (pbProcessAccel != nullptr) *pbProcessAccel = TRUE;
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    if (IsOpenPopup(pPopup)) {
        pPopup->SendMessage(WM_KEYDOWN, (WPARAM)nKey, 0);
        return TRUE;
    }
    if (m_pFrame == nullptr || ::IsIconic(m_pFrame->GetSafeHwnd())) return TRUE;
    if (ZAVPSharedBarData::g_bCustomizeMode) return FALSE;

    BOOL bButtonHasFocus = FALSE;
    ForEachLiveToolBar([&](CZAVPToolBar* pBar) {
        for (int i = 0; i < pBar->GetCount() && !bButtonHasFocus; ++i)
            bButtonHasFocus = pBar->GetButton(i)->HasFocus();
        return !bButtonHasFocus;
    });

    UINT fVirt = 0;
    if (IsKeyDown(VK_CONTROL)) fVirt |= kKeyCtrl;
    if (IsKeyDown(VK_MENU)) fVirt |= kKeyAlt;
    if (IsKeyDown(VK_SHIFT)) fVirt |= kKeyShift;

    if (!bButtonHasFocus) {
        // An accelerator of the frame, or of its active frame, is left to work.
        const BYTE fAccel = (BYTE)(fVirt | FVIRTKEY);
        CFrameWnd* pActive = m_pFrame->GetActiveFrame();
        if (CZAVPKeyboardManager::IsKeyHandled((WORD)nKey, fAccel, m_pFrame, TRUE) ||
            (pActive != nullptr && pActive != m_pFrame &&
             CZAVPKeyboardManager::IsKeyHandled((WORD)nKey, fAccel, pActive, FALSE)))
            return FALSE;
    }
    if (fVirt == kKeyAlt && OnMenuChar((UINT)nKey)) return TRUE;
    if (bButtonHasFocus && pbProcessAccel != nullptr) *pbProcessAccel = FALSE;
    return FALSE;
}

BOOL CZAVPFrameImpl::ProcessMouseClick(UINT uiMsg, POINT pt, HWND hwnd)
{
    if (uiMsg == WM_LBUTTONDOWN && (ZAVPSharedBarData::g_bCustomizeMode || IsKeyDown(VK_MENU))) {
        // A click on a control a button hosts drags the button, as a click on the button would.
        BOOL bTaken = FALSE;
        ForEachLiveToolBar([&](CZAVPToolBar* pBar) {
            CPoint ptClient = pt;
            pBar->ScreenToClient(&ptClient);
            const int iHit = pBar->HitTest(ptClient);
            if (iHit < 0) return true;
            CZAVPToolbarButton* pButton = pBar->GetButton(iHit);
            if (pButton != nullptr && pButton->GetHwnd() != nullptr && pButton->GetHwnd() == hwnd &&
                pButton->GetRect().PtInRect(ptClient))
            {
                pBar->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(ptClient.x, ptClient.y));
                bTaken = TRUE;
            }
            return false;
        });
        if (bTaken) return TRUE;
    }

    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    if (ZAVPSharedBarData::g_bCustomizeMode || !IsOpenPopup(pPopup)) return FALSE;

    switch (pPopup->HitTest(pt)) {
    case kHitShadowRight:
    case kHitShadowBottom:
        pPopup->SendMessage(WM_CLOSE);
        m_pFrame->SetFocus();
        return TRUE;
    case kHitOutside: break;
    default: return FALSE;  // the items, the logo strip, the tear-off strip
    }

    if (CZAVPToolbarMenuButton* pParentButton = pPopup->m_pParentBtn) {
        CWnd* pOwner = pParentButton->m_pWndParent;
        CPoint ptOwner = pt;
        if (pOwner != nullptr) pOwner->ScreenToClient(&ptOwner);
        const BOOL bOwnerIsPopupBar = pOwner != nullptr &&
                                      pOwner->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar));
        if (pParentButton->GetRect().PtInRect(ptOwner)) {
            // On the button that opened the menu: its own click closes it.
            if (bOwnerIsPopupBar || pPopup->IsInCommand()) return TRUE;
            pPopup->SendMessage(WM_CLOSE);
            return TRUE;
        }
        if (bOwnerIsPopupBar) {
            static_cast<CZAVPPopupMenuBar*>(pOwner)->CloseDelayedSubMenu();
            CZAVPPopupMenu* pOwnerPopup = static_cast<CZAVPPopupMenu*>(pOwner->GetParent());
            if (IsOpenPopup(pOwnerPopup)) {
                switch (pOwnerPopup->HitTest(pt)) {
                case kHitItems:
                case kHitLogo:
                case kHitTearOff: return FALSE;
                case kHitShadowRight:
                case kHitShadowBottom:
                    pOwnerPopup->SendMessage(WM_CLOSE);
                    m_pFrame->SetFocus();
                    return TRUE;
                default: break;
                }
            }
        }
    }

    if (pPopup->IsInCommand()) return FALSE;
    pPopup->SendMessage(WM_CLOSE);
    // A toolbar that took the focus for its menu gives it back to the frame.
    CWnd* pFocus = CWnd::FromHandlePermanent(::GetFocus());
    if (pFocus != nullptr && pFocus->IsKindOf(RUNTIME_CLASS(CZAVPToolBar))) m_pFrame->SetFocus();
    return FALSE;
}

BOOL CZAVPFrameImpl::OnShowPopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    CZAVPPopupMenu::m_pActivePopupMenu = pMenuPopup;
    if (pMenuPopup == nullptr) return TRUE;
    // The list under a toolbar options menu is built as it opens (not again when it becomes
    // the active popup once more).
    CZAVPPopupMenu* pParent = pMenuPopup->GetParentPopupMenu();
    CZAVPPopupMenu* pGrandParent = pParent != nullptr ? pParent->GetParentPopupMenu() : nullptr;
    if (pGrandParent != nullptr && pGrandParent->m_iCustomizeMark == 1 &&
        !pMenuPopup->IsWindowVisible())
        BuildToolbarButtonsMenu(pMenuPopup);
    if (ZAVPSharedBarData::g_bCustomizeMode) return TRUE;

    // The bar at the top of the popup chain takes the focus, so the keys reach the menus.
    CZAVPPopupMenu* pTop = pMenuPopup;
    while (CZAVPPopupMenu* pParent = pTop->GetParentPopupMenu()) pTop = pParent;
    CZAVPToolBar* pBar = pTop->GetParentToolBar();
    if (pBar != nullptr && !pBar->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar)) && pBar->IsDocked() &&
        ::GetFocus() != pBar->GetSafeHwnd() && m_bMenuTakesFocus)
        pBar->SetFocus();
    return TRUE;
}

void CZAVPFrameImpl::OnDeactivate()
{
    if (ZAVPSharedBarData::g_bCustomizeMode || m_pMenuBar == nullptr) return;
    if (IsOpenPopup(CZAVPPopupMenu::GetActiveMenu())) m_pMenuBar->ClearHighlight();
}

std::vector<HMENU> CZAVPFrameImpl::CommandMenus() const
{
    std::vector<HMENU> menus;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
        menus.push_back(::GetMenu(m_pFrame->GetSafeHwnd()));
    if (m_pMenuBar != nullptr) menus.push_back(m_pMenuBar->GetHMenu());
    menus.push_back(m_hDefaultMenu);
    return menus;
}

BOOL CZAVPFrameImpl::ShowCustomizeMenuOfFrame(CZAVPPopupMenu* pMenuPopup, UINT uiToolbarID)
{
    if (CZAVPMDIFrameWnd* pMDIFrame = dynamic_cast<CZAVPMDIFrameWnd*>(m_pFrame))
        return pMDIFrame->OnShowCustomizeMenu(pMenuPopup, uiToolbarID);
    if (CZAVPOleIPFrameWnd* pIPFrame = dynamic_cast<CZAVPOleIPFrameWnd*>(m_pFrame))
        return pIPFrame->OnShowCustomizeMenu(pMenuPopup, uiToolbarID);
    if (CZAVPOleDocIPFrameWnd* pDocIPFrame = dynamic_cast<CZAVPOleDocIPFrameWnd*>(m_pFrame))
        return pDocIPFrame->OnShowCustomizeMenu(pMenuPopup, uiToolbarID);
    CZAVPFrameWnd* pFrame = dynamic_cast<CZAVPFrameWnd*>(m_pFrame);
    return pFrame != nullptr ? pFrame->OnShowCustomizeMenu(pMenuPopup, uiToolbarID) : FALSE;
}

void CZAVPFrameImpl::BuildToolbarButtonsMenu(CZAVPPopupMenu* pMenuPopup)
{
    CZAVPToolBar* pToolBar = CustomizedToolBarOf(pMenuPopup);
    CZAVPCustomizeMenuButton::SetCustomizedToolBar(pToolBar);
    if (pToolBar == nullptr) return;
    pMenuPopup->RemoveAllItems();
    g_presentCommands.clear();
    int nAdded = 0;
    for (int i = 0; i < pToolBar->GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = pToolBar->GetButton(i);
        if ((pButton->m_nStyle & TBBS_SEPARATOR) ||
            pButton->IsKindOf(RUNTIME_CLASS(CCustomizeButton)))
            continue;
        g_presentCommands.insert(pButton->m_nID);
        const EntryFacts facts(*pButton, CommandMenus());
        CZAVPCustomizeMenuButton entry(facts.uiCmd, nullptr, facts.iImage, facts.strText,
                                       facts.bUserImage);
        entry.SetItemIndex(i, TRUE, FALSE);
        if (pMenuPopup->InsertItem(entry)) ++nAdded;
    }
    ShowCustomizeMenuOfFrame(pMenuPopup, pToolBar->GetResourceID());
    if (nAdded > 0) pMenuPopup->InsertSeparator();
    CString strReset;
    strReset.LoadString(IDS_ZAVP_RESET_TOOLBAR);
    CZAVPCustomizeMenuButton reset(kNoCommandEntry, nullptr, -1, strReset);
    reset.SetItemIndex(CZAVPCustomizeMenuButton::kResetItemIndex, TRUE, FALSE);
    pMenuPopup->InsertItem(reset);
}

void CZAVPFrameImpl::BuildCustomizeMenu(CZAVPPopupMenu* pMenuPopup)
{
    CZAVPToolBar* pToolBar = CZAVPCustomizeMenuButton::GetCustomizedToolBar();
    if (pToolBar == nullptr || pMenuPopup == nullptr) return;
    int iPosition = 0;
    const CObList& defaults = pToolBar->GetOriginalButtons();
    for (POSITION pos = defaults.GetHeadPosition(); pos != nullptr; ++iPosition) {
        const CZAVPToolbarButton* pButton = static_cast<const CZAVPToolbarButton*>(
            defaults.GetNext(pos));
        if ((pButton->m_nStyle & TBBS_SEPARATOR) ||
            pButton->IsKindOf(RUNTIME_CLASS(CCustomizeButton)) ||
            g_presentCommands.count(pButton->m_nID) != 0)
            continue;
        const EntryFacts facts(*pButton, CommandMenus());
        CZAVPCustomizeMenuButton entry(facts.uiCmd, nullptr, facts.iImage, facts.strText,
                                       facts.bUserImage);
        entry.SetItemIndex(iPosition, FALSE, FALSE);
        if (!pMenuPopup->InsertItem(entry, iPosition)) pMenuPopup->InsertItem(entry);
    }
}
