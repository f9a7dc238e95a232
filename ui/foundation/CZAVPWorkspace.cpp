// The workspace (see CZAVPWorkspace.h).
#include "ui/foundation/CZAVPWorkspace.h"

#include "framework/CDockState.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include "ui/docking/CZAVPFrameImpl.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPSerialClasses.h"
#include "ui/foundation/ZAVPRebarState.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/foundation/ZAVPUiThread.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
// Set and read on the UI thread only (ZAVPUiThread.h), as the managers the workspace makes.
CZAVPWorkspace* g_pWorkspace = nullptr;

// Calls visit for every toolbar whose window is still a permanent window of the framework.
template <class Visit>
void ForEachLiveToolbar(Visit visit)
{
    CObList& toolbars = ZAVPSharedBarData::AllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolBar* pToolBar = static_cast<CZAVPToolBar*>(toolbars.GetNext(pos));
        if (pToolBar != nullptr && CWnd::FromHandlePermanent(pToolBar->GetSafeHwnd()) != nullptr)
            visit(pToolBar);
    }
}
}  // namespace

CFrameWnd* g_pTopLevelFrame = nullptr;

CZAVPWorkspace* GetWorkspace()
{
    ZAVP_ASSERT_UI_THREAD();
    return g_pWorkspace;
}

CFrameWnd* GetTopLevelFrameOf(CWnd* pWnd)
{
    if (g_pTopLevelFrame != nullptr) return g_pTopLevelFrame;
    return pWnd != nullptr ? pWnd->GetTopLevelFrame() : nullptr;
}

CZAVPWorkspace::CZAVPWorkspace(BOOL bResourceSmartUpdate)
    : m_bForceDockStateLoad(FALSE), m_bLoadSaveFrameBarsOnly(FALSE), m_bSaveState(TRUE),
      m_bForceImageReset(FALSE), m_strRegSection(ZAVPLibraryNames::kWorkspaceSection),
      m_bKeyboardManagerAutocreated(FALSE), m_bContextMenuManagerAutocreated(FALSE),
      m_bMouseManagerAutocreated(FALSE), m_bUserToolsManagerAutoCreated(FALSE),
      m_bTearOffManagerAutoCreated(FALSE), m_iSavedVersionMajor(kNoVersion),
      m_iSavedVersionMinor(kNoVersion), m_bResourceSmartUpdate(bResourceSmartUpdate)
{
    ZAVP_ASSERT_UI_THREAD();
    g_pWorkspace = this;
    // Stored states may name any of the library's classes from now on.
    ZAVPSerialClasses::RegisterAll();
}

CZAVPWorkspace::~CZAVPWorkspace()
{
    ZAVP_ASSERT_UI_THREAD();
    if (g_pWorkspace == this) g_pWorkspace = nullptr;
    if (m_bKeyboardManagerAutocreated) delete g_pKeyboardManager;
    if (m_bContextMenuManagerAutocreated) delete g_pContextMenuManager;
    if (m_bMouseManagerAutocreated) delete g_pMouseManager;
    if (m_bUserToolsManagerAutoCreated) delete g_pUserToolsManager;
    if (m_bTearOffManagerAutoCreated) delete g_pTearOffManager;
    // Each manager's destructor clears its own global.
}

LPCSTR CZAVPWorkspace::SetRegistrySection(LPCSTR lpszSectionName)
{
    m_strRegSection = lpszSectionName != nullptr ? lpszSectionName : "";
    return m_strRegSection;
}

CString CZAVPWorkspace::GetRegSectionPath(LPCSTR lpszSectionAdd) const
{
    CString strPath = BuildRegistryPath(m_strRegSection, "");
    if (lpszSectionAdd != nullptr && *lpszSectionAdd != '\0') {
        strPath += lpszSectionAdd;
        strPath += "\\";
    }
    return strPath;
}

BOOL CZAVPWorkspace::IsStateVersionAtLeast(int nMajor, int nMinor) const
{
    if (m_iSavedVersionMajor == kNoVersion && m_iSavedVersionMinor == kNoVersion) return TRUE;
    return m_iSavedVersionMajor > nMajor ||
           (m_iSavedVersionMajor == nMajor && m_iSavedVersionMinor >= nMinor);
}

BOOL CZAVPWorkspace::InitMouseManager()
{
    if (g_pMouseManager != nullptr) return FALSE;
    new CZAVPMouseManager;  // publishes itself in the global
    m_bMouseManagerAutocreated = TRUE;
    return TRUE;
}

BOOL CZAVPWorkspace::InitContextMenuManager()
{
    if (g_pContextMenuManager != nullptr) return FALSE;
    new CZAVPContextMenuManager;
    m_bContextMenuManagerAutocreated = TRUE;
    return TRUE;
}

BOOL CZAVPWorkspace::InitKeyboardManager()
{
    if (g_pKeyboardManager != nullptr) return FALSE;
    new CZAVPKeyboardManager;
    m_bKeyboardManagerAutocreated = TRUE;
    return TRUE;
}

BOOL CZAVPWorkspace::LoadState(CZAVPFrameWnd* pFrame, LPCSTR lpszSectionName)
{
    return LoadState(lpszSectionName, pFrame != nullptr ? &pFrame->m_Impl : nullptr);
}

BOOL CZAVPWorkspace::LoadState(CZAVPMDIFrameWnd* pFrame, LPCSTR lpszSectionName)
{
    return LoadState(lpszSectionName, pFrame != nullptr ? &pFrame->m_Impl : nullptr);
}

BOOL CZAVPWorkspace::LoadState(LPCSTR lpszSectionName, CZAVPFrameImpl* pFrameImpl)
{
    if (lpszSectionName != nullptr) m_strRegSection = lpszSectionName;
    const CString strSection = GetRegSectionPath("");
    OnBeforeLoadState();

    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        if (reg.ReadKey(GetRegSectionPath(ZAVPLibraryNames::kVersionSection))) {
            reg.Read(ZAVPLibraryNames::kVersionMajor, m_iSavedVersionMajor);
            reg.Read(ZAVPLibraryNames::kVersionMinor, m_iSavedVersionMinor);
        }
    }

    CZAVPToolBar::LoadParameters(strSection);
    GetCommandManager()->LoadState(strSection);

    BOOL bToolbarsChanged = FALSE;
    CFrameWnd* pFrame = pFrameImpl != nullptr ? pFrameImpl->m_pFrame : nullptr;
    {
        // With smart update, buttons keep their images while the bars load; the flag comes back
        // however the load ends.
        ScopedValue<BOOL> imageUpdate(
            ZAVPSharedBarData::g_bButtonImageUpdate,
            m_bResourceSmartUpdate ? FALSE : ZAVPSharedBarData::g_bButtonImageUpdate);
        if (pFrameImpl != nullptr) {
            ZAVPRebarState::LoadRebarState(strSection, pFrame);
            ForEachLiveToolbar([&](CZAVPToolBar* pToolBar) {
                if (m_bLoadSaveFrameBarsOnly && pToolBar->GetTopLevelFrame() != pFrame) return;
                if (pToolBar->IsFloating()) return;
                pToolBar->LoadState(strSection, -1, (UINT)-1);
                if (pToolBar->HasAddedMissingButtons()) bToolbarsChanged = TRUE;
            });
            pFrameImpl->LoadUserToolbars(strSection);
            pFrameImpl->LoadTearOffBars(strSection);
            CDockState dockState;
            dockState.LoadState(strSection + ZAVPLibraryNames::kDockStateSuffix);
            // Only a stored version of 0 blocks the docking layout; (-1, -1) reads as current. The
            // frame accepts every platform dock record, so only the versions decide here.
            if (m_iSavedVersionMajor != 0 && m_iSavedVersionMinor != 0) {
                pFrameImpl->LoadDockState(strSection);
                pFrameImpl->SetDockState(dockState);
            }
        }

        if (g_pMouseManager != nullptr) g_pMouseManager->LoadState(strSection);
        if (g_pContextMenuManager != nullptr) g_pContextMenuManager->LoadState(strSection);
        if (g_pKeyboardManager != nullptr) g_pKeyboardManager->LoadState(strSection, pFrame);
        if (g_pUserToolsManager != nullptr) g_pUserToolsManager->LoadState(strSection);
    }

    if (m_bForceImageReset || (m_bResourceSmartUpdate && bToolbarsChanged)) {
        ForEachLiveToolbar([](CZAVPToolBar* pToolBar) { pToolBar->ResetAllImages(); });
        if (pFrame != nullptr) pFrame->RecalcLayout(TRUE);
    }

    OnAfterLoadState();
    m_iSavedVersionMajor = kVersionMajor;
    m_iSavedVersionMinor = kVersionMinor;
    return TRUE;
}

BOOL CZAVPWorkspace::CleanState(LPCSTR lpszSectionName)
{
    if (lpszSectionName != nullptr) m_strRegSection = lpszSectionName;
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    return reg.DeleteKey(GetRegSectionPath(""));
}

BOOL CZAVPWorkspace::SaveState(CZAVPFrameImpl* pFrameImpl)
{
    return SaveState(nullptr, pFrameImpl);
}

BOOL CZAVPWorkspace::SaveState(LPCSTR lpszSectionName, CZAVPFrameImpl* pFrameImpl)
{
    if (!m_bSaveState) return FALSE;
    if (lpszSectionName != nullptr) m_strRegSection = lpszSectionName;
    const CString strSection = GetRegSectionPath("");
    OnBeforeSaveState();

    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        if (reg.CreateKey(GetRegSectionPath(ZAVPLibraryNames::kVersionSection))) {
            reg.Write(ZAVPLibraryNames::kVersionMajor, kVersionMajor);
            reg.Write(ZAVPLibraryNames::kVersionMinor, kVersionMinor);
        }
    }

    CZAVPToolBar::SaveParameters(strSection);
    GetCommandManager()->SaveState(strSection);

    if (pFrameImpl != nullptr) {
        CFrameWnd* pFrame = pFrameImpl->m_pFrame;
        if (pFrame != nullptr) {
            CDockState dockState;
            pFrame->GetDockState(dockState);
            dockState.SaveState(strSection + ZAVPLibraryNames::kDockStateSuffix);
        }
        pFrameImpl->SaveDockState(strSection);
        ForEachLiveToolbar([&](CZAVPToolBar* pToolBar) {
            if (m_bLoadSaveFrameBarsOnly && pToolBar->GetTopLevelFrame() != pFrame) return;
            pToolBar->SaveState(strSection, -1, (UINT)-1);  // floating toolbars too
        });
        pFrameImpl->SaveUserToolbars(strSection, m_bLoadSaveFrameBarsOnly);
        pFrameImpl->SaveTearOffBars(strSection, m_bLoadSaveFrameBarsOnly);
        ZAVPRebarState::SaveRebarState(strSection, pFrame);
    }

    if (ZAVPSharedBarData::g_pUserImages != nullptr) ZAVPSharedBarData::g_pUserImages->Save();

    if (g_pMouseManager != nullptr) g_pMouseManager->SaveState(strSection);
    if (g_pContextMenuManager != nullptr) g_pContextMenuManager->SaveState(strSection);
    if (g_pKeyboardManager != nullptr)
        g_pKeyboardManager->SaveState(strSection,
                                      pFrameImpl != nullptr ? pFrameImpl->m_pFrame : nullptr);
    if (g_pUserToolsManager != nullptr) g_pUserToolsManager->SaveState(strSection);

    OnAfterSaveState();
    return TRUE;
}

BOOL CZAVPWorkspace::OnViewDoubleClick(CWnd* pWnd, int iViewId)
{
    if (g_pMouseManager == nullptr) return FALSE;
    const UINT uiCmd = g_pMouseManager->GetViewDblClickCommand(iViewId);
    if (uiCmd == 0 || uiCmd == (UINT)-1) {
        ::MessageBeep((UINT)-1);
        return FALSE;
    }
    if (g_pUserToolsManager != nullptr && g_pUserToolsManager->InvokeTool(uiCmd)) return TRUE;
    CWnd* pTarget = pWnd != nullptr ? GetTopLevelFrameOf(pWnd) : AfxGetMainWnd();
    if (pTarget != nullptr) pTarget->SendMessage(WM_COMMAND, MAKEWPARAM(uiCmd, 0), 0);
    return TRUE;
}

BOOL CZAVPWorkspace::ShowPopupMenu(UINT uiMenuResId, const POINT& point, CWnd* pWnd)
{
    if (g_pContextMenuManager == nullptr) return FALSE;
    return g_pContextMenuManager->ShowPopupMenuById(uiMenuResId, point.x, point.y, pWnd, FALSE,
                                                    FALSE);
}

BOOL CZAVPWorkspace::OnContextHelp(CWnd* pWnd, const DWORD dwHelpIDArray[])
{
    CWinApp* pApp = AfxGetApp();
    return ::WinHelpA(AfxGetSafeHwnd(pWnd), pApp != nullptr ? pApp->m_pszHelpFilePath : nullptr,
                      HELP_CONTEXTMENU, (ULONG_PTR)dwHelpIDArray);
}

BOOL CZAVPWorkspace::LoadWindowPlacement(RECT& rectNormalPosition, int& nFlags, int& nShowCmd)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.ReadKey(GetRegSectionPath(ZAVPLibraryNames::kWindowPlacementSection))) return FALSE;
    return reg.Read(ZAVPLibraryNames::kMainWindowRect, rectNormalPosition) &&
           reg.Read(ZAVPLibraryNames::kPlacementFlags, nFlags) &&
           reg.Read(ZAVPLibraryNames::kPlacementShowCmd, nShowCmd);
}

BOOL CZAVPWorkspace::StoreWindowPlacement(const RECT& rectNormalPosition, int nFlags, int nShowCmd)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(GetRegSectionPath(ZAVPLibraryNames::kWindowPlacementSection))) return FALSE;
    return reg.Write(ZAVPLibraryNames::kMainWindowRect, rectNormalPosition) &&
           reg.Write(ZAVPLibraryNames::kPlacementFlags, nFlags) &&
           reg.Write(ZAVPLibraryNames::kPlacementShowCmd, nShowCmd);
}

void CleanUpUILibrary()
{
    globalData.CleanUp();
    g_menuHash.CleanUp();
    CZAVPToolBar::CleanUpImages();
    CZAVPMenuGlyphs::CleanUp();
    if (CZAVPCommandManager* pCommandManager = GetCommandManager()) pCommandManager->ClearAll();
    CZAVPKeyboardManager::CleanUp();
    CZAVPVisualManager::DestroyInstance();
}
