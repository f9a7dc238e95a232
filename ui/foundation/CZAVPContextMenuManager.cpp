// The context-menu manager (see CZAVPContextMenuManager.h).
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/ZAVPUiThread.h"

#include "framework/CStringList.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/ScopedValue.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/toolbars/CZAVPDialog.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPPropertyPage.h"

CZAVPContextMenuManager* g_pContextMenuManager = nullptr;

namespace
{
const UINT kHashSize = 17;
const INT_PTR kBlockSize = 10;
const int kDefaultOffset = 5;  // a menu opened for a window without a point sits this far inside

BOOL IsDialogOrPage(CWnd* pWnd)
{
    return ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPDialog)) ||
           ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPPropertyPage));
}

// Tells an owning dialog or property page which popup takes its keys (null: none).
void SetActiveMenuOf(CWnd* pWnd, CZAVPPopupMenu* pPopup)
{
    if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPDialog)))
        static_cast<CZAVPDialog*>(pWnd)->SetActiveMenu(pPopup);
    else if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPPropertyPage)))
        static_cast<CZAVPPropertyPage*>(pWnd)->SetActiveMenu(pPopup);
}

// A hidden popup-menu bar for loading or saving one menu's buttons; null when it cannot be made.
CZAVPPopupMenuBar* CreateStateBar()
{
    CZAVPPopupMenuBar* pBar = new CZAVPPopupMenuBar;
    if (!pBar->Create(CWnd::GetDesktopWindow(), CZAVPContextMenuManager::kStateBarStyle,
                      CZAVPContextMenuManager::kStateBarId))
    {
        delete pBar;
        return nullptr;
    }
    return pBar;
}

void DestroyStateBar(CZAVPPopupMenuBar* pBar)
{
    pBar->DestroyWindow();
    delete pBar;
}
}  // namespace

CZAVPContextMenuManager::CZAVPContextMenuManager()
    : m_Menus(kBlockSize), m_MenuNames(kBlockSize), m_nLastCommandID(0), m_bTrackMode(FALSE)
{
    m_Menus.InitHashTable(kHashSize);
    m_MenuNames.InitHashTable(kHashSize);
    ZAVP_ASSERT_UI_THREAD();
    g_pContextMenuManager = this;
}

CZAVPContextMenuManager::~CZAVPContextMenuManager()
{
    for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;) {
        UINT uiResId = 0;
        HMENU hMenu = nullptr;
        m_Menus.GetNextAssoc(pos, uiResId, hMenu);
        ::DestroyMenu(hMenu);
    }
    ZAVP_ASSERT_UI_THREAD();
    if (g_pContextMenuManager == this) g_pContextMenuManager = nullptr;
    m_Menus.RemoveAll();
    m_MenuNames.RemoveAll();
}

HMENU CZAVPContextMenuManager::GetMenuByName(LPCSTR lpszName, UINT* puiOrigResID) const
{
    HMENU hMenu = nullptr;
    if (!m_MenuNames.Lookup(lpszName, hMenu)) return nullptr;
    if (puiOrigResID != nullptr) {
        *puiOrigResID = 0;
        for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;) {
            UINT uiResId = 0;
            HMENU hMenuById = nullptr;
            m_Menus.GetNextAssoc(pos, uiResId, hMenuById);
            if (hMenuById == hMenu) {
                *puiOrigResID = uiResId;
                break;
            }
        }
    }
    return hMenu;
}

void CZAVPContextMenuManager::GetMenuNames(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_MenuNames.GetStartPosition(); pos != nullptr;) {
        CString strName;
        HMENU hMenu = nullptr;
        m_MenuNames.GetNextAssoc(pos, strName, hMenu);
        listOfNames.AddTail(strName);
    }
}

CZAVPPopupMenu* CZAVPContextMenuManager::ShowPopupMenu(HMENU hmenuPopup, int x, int y,
                                                       CWnd* pWndOwner, BOOL bOwnMessage,
                                                       BOOL bAutoDestroy, BOOL bRightAlign)
{
    // A dialog or page must take the commands itself: they would not reach a frame.
    if (IsDialogOrPage(pWndOwner) && !bOwnMessage) return nullptr;
    if (g_pTearOffManager != nullptr) g_pTearOffManager->MarkTearOffMenus(hmenuPopup);

    if (m_bTrackMode) {
        bOwnMessage = TRUE;
    } else if (!bOwnMessage) {
        while (pWndOwner != nullptr && (pWndOwner->GetStyle() & WS_CHILD) != 0)
            pWndOwner = pWndOwner->GetParent();
    }

    CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
    if (!(globalData.bIsWindowsNT4 && !bAutoDestroy)) pPopup->m_bAutoDestroy = FALSE;
    pPopup->m_bTrackMode = m_bTrackMode;
    pPopup->m_bRightAlign = bRightAlign;

    if (CZAVPPopupMenu* pActive = CZAVPPopupMenu::GetActiveMenu())
        if (pActive->GetSafeHwnd() != nullptr) pActive->SendMessage(WM_CLOSE);

    // A popup that fails to open has deleted itself.
    if (!pPopup->Create(pWndOwner, x, y, hmenuPopup, FALSE, bOwnMessage)) return nullptr;
    return pPopup;
}

BOOL CZAVPContextMenuManager::ShowPopupMenuById(UINT uiMenuResId, int x, int y, CWnd* pWndOwner,
                                                BOOL bOwnMessage, BOOL bRightAlign)
{
    HMENU hMenu = nullptr;
    if (!m_Menus.Lookup(uiMenuResId, hMenu) || hMenu == nullptr) return FALSE;
    if (x == -1 && y == -1 && pWndOwner != nullptr) {
        POINT pt = {0, 0};
        pWndOwner->ClientToScreen(&pt);
        x = pt.x + kDefaultOffset;
        y = pt.y + kDefaultOffset;
    }
    HMENU hSubMenu = ::GetSubMenu(hMenu, 0);
    if (hSubMenu == nullptr) return FALSE;
    return ShowPopupMenu(hSubMenu, x, y, pWndOwner, bOwnMessage, TRUE, bRightAlign) != nullptr;
}

UINT CZAVPContextMenuManager::TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner,
                                             BOOL bRightAlign)
{
    m_nLastCommandID = 0;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return 0;

    CZAVPPopupMenu* pPopup = nullptr;
    CWnd* pDialogOwner = pWndOwner != nullptr ? pWndOwner->GetParent() : nullptr;
    {
        ScopedValue<BOOL> trackMode(m_bTrackMode, TRUE);
        pPopup = ShowPopupMenu(hmenuPopup, x, y, pWndOwner, FALSE, TRUE, bRightAlign);
        if (pPopup != nullptr && IsDialogOrPage(pDialogOwner))
            SetActiveMenuOf(pDialogOwner, pPopup);
    }

    if (pPopup != nullptr) {
        const HWND hWndPopup = pPopup->GetSafeHwnd();
        while (::IsWindow(hWndPopup)) {
            MSG msg;
            if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::WaitMessage();
                continue;
            }
            if (!pApp->PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            pApp->OnIdle(0);
        }
    }
    if (IsDialogOrPage(pDialogOwner)) SetActiveMenuOf(pDialogOwner, nullptr);
    return m_nLastCommandID;
}

template <class Visit>
BOOL CZAVPContextMenuManager::ForEachMenuBar(Visit visit)
{
    for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;) {
        UINT uiResId = 0;
        HMENU hMenu = nullptr;
        m_Menus.GetNextAssoc(pos, uiResId, hMenu);
        CZAVPPopupMenuBar* pBar = CreateStateBar();
        if (pBar == nullptr) continue;
        const BOOL bGoOn = visit(uiResId, ::GetSubMenu(hMenu, 0), pBar);
        DestroyStateBar(pBar);
        if (!bGoOn) return FALSE;
    }
    return TRUE;
}

BOOL CZAVPContextMenuManager::SaveState(LPCSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kContextMenuSection,
                                              lpszProfileName);
    return ForEachMenuBar([&](UINT uiResId, HMENU hSubMenu, CZAVPPopupMenuBar* pBar) {
        // Menus the user never customised have nothing to store.
        return !g_menuHash.LoadMenuBar(hSubMenu, pBar) || pBar->SaveState(strPath, 0, uiResId);
    });
}

BOOL CZAVPContextMenuManager::LoadState(LPCSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kContextMenuSection,
                                              lpszProfileName);
    ForEachMenuBar([&](UINT uiResId, HMENU hSubMenu, CZAVPPopupMenuBar* pBar) {
        pBar->ImportFromMenu(hSubMenu);
        if (pBar->LoadState(strPath, 0, uiResId)) g_menuHash.SaveMenuBar(hSubMenu, pBar);
        return TRUE;
    });
    return TRUE;
}
