// The docking pane that hosts another window (see CZAVPDockingCBWrapper.h).
#include "ui/docking/CZAVPDockingCBWrapper.h"

#include "framework/CArchive.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPRegistryPath.h"

IMPLEMENT_SERIAL(CZAVPDockingCBWrapper, CZAVPDockingControlBar, VERSIONABLE_SCHEMA | 2)

BEGIN_MESSAGE_MAP(CZAVPDockingCBWrapper, CZAVPDockingControlBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const char kWrapperSection[] = "ZAVControlBars";
const char kBarName[] = "BarName";
}  // namespace

CZAVPDockingCBWrapper::CZAVPDockingCBWrapper()
    : m_rectDefault(30, 30, 180, 180), m_dwEnabledAlign(CBRS_ALIGN_ANY), m_pWnd(nullptr)
{
}

CZAVPDockingCBWrapper::~CZAVPDockingCBWrapper() {}

CString CZAVPDockingCBWrapper::WrapperKey(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strSection = BuildRegistryPath(kWrapperSection, lpszProfileName);
    CString strKey;
    if (uiID != (UINT)-1)
        strKey.Format("%sZAVPDockingCBWrapper-%d%x", (LPCSTR)strSection, nIndex, uiID);
    else
        strKey.Format("%sZAVPDockingCBWrapper-%d", (LPCSTR)strSection, nIndex);
    return strKey;
}

BOOL CZAVPDockingCBWrapper::SetWrappedWnd(CWnd* pWnd)
{
    if (pWnd == nullptr) return FALSE;
    pWnd->SetParent(this);
    m_pWnd = pWnd;
    if (!pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))) {
        EnableDocking(m_dwEnabledAlign);
    } else {
        CZAVPBaseControlBar* pBar = static_cast<CZAVPBaseControlBar*>(pWnd);
        EnableDocking(pBar->GetEnabledAlignment());
        m_bRecentVisibleState = pBar->GetRecentVisibleState();
        SetRestoredFromRegistry(pBar->IsRestoredFromRegistry());
        if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)))
            m_recentDockInfo.m_rectDockedRect =
                static_cast<CZAVPControlBar*>(pWnd)->GetRecentDockInfo().m_rectDockedRect;
    }
    if (m_hWnd != nullptr) {
        CRect rect;
        GetClientRect(rect);
        m_pWnd->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

void CZAVPDockingCBWrapper::OnSize(UINT nType, int cx, int cy)
{
    CZAVPDockingControlBar::OnSize(nType, cx, cy);
    if (m_pWnd != nullptr && m_pWnd->GetSafeHwnd() != nullptr)
        m_pWnd->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CZAVPDockingCBWrapper::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        if (reg.CreateKey(WrapperKey(lpszProfileName, nIndex, uiID))) {
            CString strText;
            GetWindowText(strText);
            reg.Write(kBarName, (LPCSTR)strText);
        }
    }
    return CZAVPDockingControlBar::SaveState(lpszProfileName, nIndex, uiID);
}

BOOL CZAVPDockingCBWrapper::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        // Without its own key nothing of the wrapper is loaded, the bar's state included.
        if (!reg.ReadKey(WrapperKey(lpszProfileName, nIndex, uiID))) return FALSE;
        CString strName;
        if (reg.Read(kBarName, strName) && !strName.IsEmpty()) SetWindowText(strName);
    }
    return CZAVPDockingControlBar::LoadState(lpszProfileName, nIndex, uiID);
}
