// What every library frame holds (see CZAVPFrameImpl.h).
#include "ui/docking/CZAVPFrameImpl.h"

#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CFrameWnd.h"
#include "framework/CMemFile.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/layout/DockSiteMath.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/toolbars/CZAVPToolBar.h"

CZAVPFrameImpl::CZAVPFrameImpl(CFrameWnd* pFrame)
    : m_uiUserToolbarFirst((UINT)-1), m_uiUserToolbarLast((UINT)-1), m_pMenuBar(nullptr),
      m_hDefaultMenu(nullptr), m_pFrame(pFrame), m_pDockManager(nullptr), m_nIDDefaultResource(0),
      m_bLoadDockState(TRUE)
{
}

CZAVPFrameImpl::~CZAVPFrameImpl()
{
    // The toolbars the user made and the torn-off menus belong to the frame.
    for (CObList* pList : {&m_listUserDefinedToolbars, &m_listTearOffToolbars})
        while (!pList->IsEmpty()) delete pList->RemoveHead();
}

// ---- user toolbars

void CZAVPFrameImpl::InitUserToobars(LPCSTR lpszRegEntry, UINT uiUserToolbarFirst,
                                     UINT uiUserToolbarLast)
{
    m_strControlBarRegEntry = lpszRegEntry ? lpszRegEntry : "";
    m_uiUserToolbarFirst = uiUserToolbarFirst;
    m_uiUserToolbarLast = uiUserToolbarLast;
}

BOOL CZAVPFrameImpl::IsUserToolbarId(UINT uiID) const
{
    return m_uiUserToolbarFirst != (UINT)-1 && uiID >= m_uiUserToolbarFirst &&
           uiID <= m_uiUserToolbarLast;
}

UINT CZAVPFrameImpl::GetFreeCtrlBarID(UINT uiFirstID, UINT uiLastID,
                                      const CObList& lstCtrlBars) const
{
    std::vector<UINT> used;
    for (POSITION pos = lstCtrlBars.GetHeadPosition(); pos != nullptr;) {
        CWnd* pBar = static_cast<CWnd*>(lstCtrlBars.GetNext(pos));
        used.push_back(pBar->GetSafeHwnd() ? (UINT)pBar->GetDlgCtrlID() : 0);
    }
    return DockLayout::GetFreeToolbarId(uiFirstID, uiLastID, used);
}

UINT CZAVPFrameImpl::GetUserToolbarRangeSize() const
{
    if (m_uiUserToolbarFirst == (UINT)-1 || m_uiUserToolbarLast == (UINT)-1 ||
        m_uiUserToolbarFirst > m_uiUserToolbarLast)
        return 0;
    return m_uiUserToolbarLast - m_uiUserToolbarFirst + 1;
}

void CZAVPFrameImpl::LoadUserToolbars(LPCSTR lpszProfileName)
{
    if (GetUserToolbarRangeSize() == 0 || m_pFrame == nullptr || m_pDockManager == nullptr) return;
    for (UINT uiID = m_uiUserToolbarFirst; uiID <= m_uiUserToolbarLast; ++uiID) {
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(
            RUNTIME_CLASS(CZAVPToolBar)->CreateObject());
        if (pBar == nullptr) return;
        if (!pBar->Create(m_pFrame, kUserToolbarStyle, uiID)) {
            delete pBar;
            continue;
        }
        if (!pBar->LoadState(lpszProfileName, -1, (UINT)-1)) {
            pBar->DestroyWindow();
            delete pBar;
            continue;
        }
        pBar->SetBarStyle(pBar->GetBarStyle() | kUserToolbarBarStyle);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pDockManager->DockControlBar(pBar, 0, nullptr);
        m_listUserDefinedToolbars.AddTail(pBar);
        if (uiID == m_uiUserToolbarLast) break;
    }
}

void CZAVPFrameImpl::SaveUserToolbars(LPCSTR lpszProfileName, BOOL bFrameBarsOnly)
{
    for (POSITION pos = m_listUserDefinedToolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(m_listUserDefinedToolbars.GetNext(pos));
        if (bFrameBarsOnly && pBar->GetTopLevelFrame() != m_pFrame) continue;
        pBar->SaveState(lpszProfileName, -1, (UINT)-1);
    }
}

CZAVPToolBar* CZAVPFrameImpl::CreateNewToolbar(LPCSTR lpszName)
{
    if (m_pFrame == nullptr || m_pFrame->GetSafeHwnd() == nullptr) return nullptr;
    const UINT uiID = GetFreeCtrlBarID(m_uiUserToolbarFirst, m_uiUserToolbarLast,
                                       m_listUserDefinedToolbars);
    if (uiID == 0) {
        CString strFormat;
        strFormat.LoadString(IDS_ZAVP_TOO_MANY_TOOLBARS);
        CString strMessage;
        strMessage.Format((LPCSTR)strFormat, (int)GetUserToolbarRangeSize());
        AfxMessageBox(strMessage, MB_ICONINFORMATION);
        return nullptr;
    }
    CZAVPToolBar* pBar = new CZAVPToolBar;
    if (!pBar->Create(m_pFrame, kUserToolbarStyle, uiID)) {
        delete pBar;
        return nullptr;
    }
    pBar->SetWindowText(lpszName != nullptr ? lpszName : "");
    pBar->SetBarStyle(pBar->GetBarStyle() | kUserToolbarBarStyle);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    // A new toolbar floats in the middle of the screen at its own size.
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    const CPoint pt(::GetSystemMetrics(SM_CXFULLSCREEN) / 2,
                    ::GetSystemMetrics(SM_CYFULLSCREEN) / 2);
    pBar->FloatControlBar(CRect(pt, rectBar.Size()), ZAVP_DM_UNKNOWN, TRUE);
    pBar->SetMaxStretchLength(kUserToolbarMaxStretch);
    m_pFrame->RecalcLayout(TRUE);
    m_listUserDefinedToolbars.AddTail(pBar);
    return pBar;
}

BOOL CZAVPFrameImpl::DeleteToolbar(CZAVPToolBar* pBar)
{
    POSITION pos = pBar != nullptr ? m_listUserDefinedToolbars.Find(pBar) : nullptr;
    if (pos == nullptr) return FALSE;
    m_listUserDefinedToolbars.RemoveAt(pos);
    pBar->RemoveStateFromRegistry(m_strControlBarRegEntry, -1, (UINT)-1);
    if (pBar->GetSafeHwnd() != nullptr) {
        if (pBar->GetParentDockBar() != nullptr)
            pBar->UndockControlBar(TRUE);
        else if (CZAVPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame(TRUE))
            pMiniFrame->RemoveControlBar(pBar);
        pBar->DestroyWindow();
    }
    delete pBar;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr) m_pFrame->RecalcLayout(TRUE);
    return TRUE;
}

BOOL CZAVPFrameImpl::LoadLargeIconsState()
{
    CZAVPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr) return FALSE;
    return CZAVPToolBar::LoadLargeIconsState(pWorkspace->GetRegSectionPath(""));
}

// ---- tear-off bars

void CZAVPFrameImpl::AddTearOffToolbar(CObject* pBar)
{
    if (m_listTearOffToolbars.Find(pBar) == nullptr) m_listTearOffToolbars.AddTail(pBar);
}

void CZAVPFrameImpl::RemoveTearOffToolbar(CObject* pBar)
{
    if (POSITION pos = m_listTearOffToolbars.Find(pBar)) m_listTearOffToolbars.RemoveAt(pos);
}

CString CZAVPFrameImpl::TearOffSection() const
{
    return GetWorkspace()->GetRegSectionPath("") + ZAVPLibraryNames::kTearOffBarsSection;
}

BOOL CZAVPFrameImpl::IsToolbarClass(const CRuntimeClass* pClass)
{
    return pClass != nullptr && pClass->IsDerivedFrom(RUNTIME_CLASS(CZAVPToolBar));
}

BOOL CZAVPFrameImpl::IsTearOffBarClass(const CRuntimeClass* pClass)
{
    return pClass != nullptr && pClass->IsDerivedFrom(RUNTIME_CLASS(CZAVPControlBar));
}

BOOL CZAVPFrameImpl::CreateTearOffBar(CZAVPControlBar* pBar, UINT nID, const CString& strName)
{
    // Each kind of bar is made by its own creation: a toolbar as the torn-off menus are, a
    // docking pane with its caption, any other bar as a plain bar along the top.
    if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPToolBar))) {
        CZAVPToolBar* pToolBar = static_cast<CZAVPToolBar*>(pBar);
        if (!pToolBar->Create(m_pFrame, kUserToolbarStyle, nID)) return FALSE;
        pToolBar->SetWindowText(strName);
        pToolBar->SetBarStyle(pToolBar->GetBarStyle() | kUserToolbarBarStyle);
    } else if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))) {
        CZAVPDockingControlBar* pPane = static_cast<CZAVPDockingControlBar*>(pBar);
        if (!pPane->Create(strName, m_pFrame, CRect(0, 0, kTearOffPaneSize, kTearOffPaneSize), TRUE,
                           nID, kTearOffPaneStyle, ZAVP_CBRS_REGULAR_TABS,
                           ZAVP_CBRS_DOCKING_DEFAULT))
            return FALSE;
    } else {
        if (!pBar->Create(strName, kTearOffBarStyle, CRect(0, 0, 0, 0), m_pFrame, nID))
            return FALSE;
        return TRUE;
    }
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return TRUE;
}

void CZAVPFrameImpl::SaveTearOffBars(LPCSTR lpszProfileName, BOOL bFrameBarsOnly)
{
    // The bars live under the workspace's section; without one there is nowhere to keep them.
    if (GetWorkspace() == nullptr) return;
    const CString strSection = TearOffSection();
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        for (int i = 0;; ++i) {
            CString strKey;
            strKey.Format("%s-%d", (LPCSTR)strSection, i);
            if (!reg.DeleteKey(strKey)) break;
        }
    }
    // Saved bars are numbered one after another: a hidden bar leaves no gap that would stop the
    // loader before the bars after it.
    int nNumber = 0;
    for (POSITION pos = m_listTearOffToolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(m_listTearOffToolbars.GetNext(pos));
        if (bFrameBarsOnly && pBar->GetTopLevelFrame() != m_pFrame) continue;
        if (pBar->GetSafeHwnd() == nullptr || !(pBar->GetStyle() & WS_VISIBLE)) continue;
        CString strKey;
        strKey.Format("%s-%d", (LPCSTR)strSection, nNumber);
        CString strName;
        pBar->GetWindowText(strName);
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        if (!reg.CreateKey(strKey)) continue;
        reg.Write("ID", (int)pBar->GetDlgCtrlID());
        reg.Write("Name", (LPCSTR)strName);
        reg.Write("State", (CObject*)pBar);
        pBar->SaveState(lpszProfileName, nNumber, (UINT)-1);
        ++nNumber;
    }
}

void CZAVPFrameImpl::LoadTearOffBars(LPCSTR lpszProfileName)
{
    while (!m_listTearOffToolbars.IsEmpty()) {
        CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(m_listTearOffToolbars.RemoveHead());
        if (pBar->GetSafeHwnd() != nullptr) {
            pBar->UndockControlBar(TRUE);
            pBar->DestroyWindow();
        }
        delete pBar;
    }
    if (m_pFrame == nullptr || GetWorkspace() == nullptr) return;
    const CString strSection = TearOffSection();
    for (int i = 0;; ++i) {
        CString strKey;
        strKey.Format("%s-%d", (LPCSTR)strSection, i);
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        if (!reg.ReadKey(strKey)) break;
        int nID = 0;
        CString strName;
        CObject* pObject = nullptr;
        // "State" creates an object of the stored class: only kinds of bar the frame knows how
        // to make are accepted.
        if (!reg.Read("ID", nID) || !reg.Read("Name", strName) ||
            !reg.Read("State", pObject, RUNTIME_CLASS(CZAVPControlBar)))
            break;
        if (pObject == nullptr || !IsTearOffBarClass(pObject->GetRuntimeClass())) {
            delete pObject;
            break;
        }
        CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(pObject);
        if (!CreateTearOffBar(pBar, (UINT)nID, strName)) {
            if (pBar->GetSafeHwnd() != nullptr) pBar->DestroyWindow();
            delete pBar;
            break;
        }
        m_listTearOffToolbars.AddTail(pBar);
        pBar->LoadState(lpszProfileName, i, (UINT)-1);
        if (m_pDockManager != nullptr) m_pDockManager->DockControlBar(pBar, 0, nullptr);
    }
}

// ---- docking layout and placement

BOOL CZAVPFrameImpl::LoadDockState(LPCSTR lpszProfileName)
{
    if (!m_bLoadDockState || m_pDockManager == nullptr) return FALSE;
    return m_pDockManager->LoadState(lpszProfileName, m_nIDDefaultResource);
}

BOOL CZAVPFrameImpl::SaveDockState(LPCSTR lpszProfileName)
{
    if (m_pDockManager == nullptr) return FALSE;
    return m_pDockManager->SaveState(lpszProfileName, m_nIDDefaultResource);
}

void CZAVPFrameImpl::SetDockState(const CDockState&)
{
    if (m_pDockManager != nullptr) m_pDockManager->SetDockState();
}

void CZAVPFrameImpl::OnPreCreateWindow(CREATESTRUCTA& cs)
{
    CZAVPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr) return;
    RECT rect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    int nFlags = 0;
    int nShowCmd = SW_SHOWNORMAL;
    if (!pWorkspace->LoadWindowPlacement(rect, nFlags, nShowCmd)) return;
    if (nShowCmd != SW_SHOWMAXIMIZED) nShowCmd = SW_SHOWNORMAL;
    if (CWinApp* pApp = AfxGetApp()) {
        const int nAppShow = pApp->m_nCmdShow;
        if (nAppShow != SW_SHOWMINIMIZED && nAppShow != SW_SHOWMAXIMIZED &&
            nAppShow != SW_MINIMIZE && nAppShow != SW_SHOWMINNOACTIVE)
            pApp->m_nCmdShow = nShowCmd;
    }
    const RECT rectWork = CZAVPDockingUtils::WorkAreaNear(POINT{rect.left, rect.top});
    RECT rectPlaced;
    if (DockLayout::ClipPlacementToWorkArea(rect, rectWork, rectPlaced)) {
        cs.x = rectPlaced.left;
        cs.y = rectPlaced.top;
        cs.cx = rectPlaced.right - rectPlaced.left;
        cs.cy = rectPlaced.bottom - rectPlaced.top;
    }
}

void CZAVPFrameImpl::OnCloseFrame()
{
    CZAVPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr) return;
    pWorkspace->SaveState(this);
    if (m_pFrame == nullptr || m_pFrame->GetSafeHwnd() == nullptr) return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!m_pFrame->GetWindowPlacement(&wp)) return;
    if (wp.showCmd != SW_SHOWMAXIMIZED) wp.showCmd = SW_SHOWNORMAL;
    // The normal position is in work-area coordinates; the stored one is on the screen.
    RECT rectWork = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    ::OffsetRect(&wp.rcNormalPosition, rectWork.left, rectWork.top);
    pWorkspace->StoreWindowPlacement(wp.rcNormalPosition, (int)wp.flags, (int)wp.showCmd);
}
