// The toolbar's keyboard and menu navigation: mnemonics, the hot button, and moving between the
// menu buttons of a bar while one of their menus is open.
#include "ui/toolbars/CZAVPToolBar.h"

#include "framework/ScopedValue.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/CZAVPToolbarSystemMenuButton.h"
#include "ui/toolbars/ZAVPMenuSound.h"
#include "ui/foundation/ZAVPWindowChecks.h"

namespace
{
bool IsMenuButtonForKeys(const CZAVPToolbarButton* pButton)
{
    return ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton)) != FALSE;
}

bool IsSystemMenuButton(const CZAVPToolbarButton* pButton)
{
    return pButton != nullptr &&
           pButton->GetRuntimeClass() == RUNTIME_CLASS(CZAVPToolbarSystemMenuButton);
}

// The popup window a menu button has open, or null.
CWnd* OpenPopupOf(CZAVPToolbarButton* pButton)
{
    if (!IsMenuButtonForKeys(pButton)) return nullptr;
    CZAVPPopupMenu* pPopup = static_cast<CZAVPToolbarMenuButton*>(pButton)->m_pPopupMenu;
    return pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr ? pPopup : nullptr;
}

// A menu opened from the keyboard shows its first item selected.
void SelectFirstItem(CZAVPToolbarButton* pButton)
{
    if (CWnd* pPopup = OpenPopupOf(pButton)) pPopup->SendMessage(WM_KEYDOWN, VK_HOME, 0);
}
}  // namespace

CZAVPToolbarButton* CZAVPToolBar::GetDroppedDownButton(int* piIndex) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr; ++i) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        if (IsMenuButtonForKeys(pButton) && pButton->IsDroppedDown()) {
            if (piIndex != nullptr) *piIndex = i;
            return pButton;
        }
    }
    if (piIndex != nullptr) *piIndex = -1;
    return nullptr;
}

void CZAVPToolBar::SetHot(int iHot)
{
    if (iHot == m_iHighlighted && iHot >= 0) iHot = -1;  // the same button again clears it
    const int iOld = m_iHighlighted;
    m_iHighlighted = iHot;
    m_iHot = iHot;

    // While a menu of the bar is open, moving onto another menu button opens its menu instead. A
    // popup menu's own bar opens and closes its sub-menus after the show delay instead.
    int iDropped = -1;
    CZAVPToolbarButton* pDropped = m_bMenuMode ? nullptr : GetDroppedDownButton(&iDropped);
    CZAVPToolbarButton* pNew = GetButton(iHot);
    if (pDropped != nullptr && pNew != nullptr && iHot != iDropped && IsMenuButtonForKeys(pNew)) {
        pDropped->OnCancelMode();
        InvalidateButton(iDropped);
        if (!(IsCustomizeMode() && IsSystemMenuButton(pNew))) pNew->OnClick(this, FALSE);
    }

    if (IsCustomizeMode() && !m_bLocked && iHot >= 0 && pNew != nullptr && !pNew->IsSeparator()) {
        m_iSelected = iHot;
        m_pSelToolbar = this;
    }
    InvalidateButton(iOld);
    InvalidateButton(iHot);
}

BOOL CZAVPToolBar::TranslateChar(UINT nChar)
{
    BYTE keyState[256] = {};
    ::GetKeyboardState(keyState);
    const HKL hLayout = ::GetKeyboardLayout(
        ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr));
    WORD chars[2] = {};
    if (::ToAsciiEx(nChar, ::MapVirtualKeyExA(nChar, MAPVK_VK_TO_VSC, hLayout), keyState, chars, 0,
                    hLayout) < 1)
        return FALSE;
    const UINT uiUpper = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)chars[0]);
    int iButton = -1;
    if (!m_AccelKeys.Lookup(uiUpper, iButton)) return FALSE;
    CZAVPToolbarButton* pButton = GetButton(iButton);
    if (pButton == nullptr) return FALSE;

    if (IsMenuButtonForKeys(pButton)) {
        // Opened from the keyboard, a menu appears at once.
        ScopedValue<int> noAnimation(m_nMenuAnimation, 0);
        if (!pButton->IsDroppedDown()) pButton->OnClick(this, FALSE);
        SelectFirstItem(pButton);
        if (m_iHighlighted != iButton) {
            const int iOld = m_iHighlighted;
            m_iHighlighted = m_iHot = iButton;
            InvalidateButton(iOld);
            InvalidateButton(iButton);
        }
        return TRUE;
    }
    if (!IsRealCommand(pButton->m_nID)) return FALSE;
    PlayMenuSound(ZAVPMenuSound::kCommand);
    AddCommandUsage(pButton->m_nID);
    HWND hwndTarget = ::GetWindow(m_hWnd, GW_OWNER);
    if (hwndTarget == nullptr) hwndTarget = ::GetParent(m_hWnd);
    if (hwndTarget != nullptr) ::SendMessageA(hwndTarget, WM_COMMAND, pButton->m_nID, 0);
    return TRUE;
}

namespace
{
// The nearest enabled menu button from iFrom in the direction, wrapping; -1 when none other.
int NextMenuButton(const CZAVPToolBar& bar, int iFrom, int nStep)
{
    const int nCount = bar.GetCount();
    for (int n = 1; n < nCount; ++n) {
        const int i = ((iFrom + nStep * n) % nCount + nCount) % nCount;
        const CZAVPToolbarButton* pButton = bar.GetButton(i);
        if (IsMenuButtonForKeys(pButton) && (pButton->m_nStyle & TBBS_DISABLED) == 0) return i;
    }
    return -1;
}
}  // namespace

BOOL CZAVPToolBar::PrevMenu()
{
    int iDropped = -1;
    if (GetDroppedDownButton(&iDropped) == nullptr) return FALSE;
    const int iPrev = NextMenuButton(*this, iDropped, -1);
    if (iPrev < 0) return FALSE;
    ScopedValue<int> noAnimation(m_nMenuAnimation, 0);
    SetHot(iPrev);
    SelectFirstItem(GetButton(iPrev));
    return TRUE;
}

BOOL CZAVPToolBar::NextMenu()
{
    int iDropped = -1;
    if (GetDroppedDownButton(&iDropped) == nullptr) return FALSE;
    const int iNext = NextMenuButton(*this, iDropped, 1);
    if (iNext < 0) return FALSE;
    ScopedValue<int> noAnimation(m_nMenuAnimation, 0);
    SetHot(iNext);
    SelectFirstItem(GetButton(iNext));
    return TRUE;
}
