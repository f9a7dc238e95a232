// The mouse manager (see CZAVPMouseManager.h).
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/foundation/ZAVPUiThread.h"

#include <utility>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CStringList.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"

IMPLEMENT_SERIAL(CZAVPMouseManager, CObject, 1)

CZAVPMouseManager* g_pMouseManager = nullptr;

namespace
{
const UINT kMouseHashSize = 17;
const INT_PTR kMouseBlockSize = 10;
}  // namespace

CZAVPMouseManager::CZAVPMouseManager()
    : m_ViewsNames(kMouseBlockSize), m_ViewsToCommands(kMouseBlockSize),
      m_ViewsToIcons(kMouseBlockSize)
{
    m_ViewsNames.InitHashTable(kMouseHashSize);
    m_ViewsToCommands.InitHashTable(kMouseHashSize);
    m_ViewsToIcons.InitHashTable(kMouseHashSize);
    ZAVP_ASSERT_UI_THREAD();
    g_pMouseManager = this;
}

CZAVPMouseManager::~CZAVPMouseManager()
{
    ZAVP_ASSERT_UI_THREAD();
    if (g_pMouseManager == this) g_pMouseManager = nullptr;
}

void CZAVPMouseManager::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (DWORD)m_ViewsToCommands.GetCount();
        for (POSITION pos = m_ViewsToCommands.GetStartPosition(); pos != nullptr;) {
            int iViewId = 0;
            UINT uiCmd = 0;
            m_ViewsToCommands.GetNextAssoc(pos, iViewId, uiCmd);
            ar << (DWORD)iViewId << (DWORD)uiCmd;
        }
        return;
    }
    // Every pair is read before any is applied; a pair is read from the bytes present, so a
    // forged count ends in the archive's end-of-data fault, not in a large allocation.
    DWORD dwCount = 0;
    ar >> dwCount;
    std::vector<std::pair<DWORD, DWORD>> bindings;
    for (DWORD i = 0; i < dwCount; ++i) {
        DWORD dwViewId = 0, dwCmd = 0;
        ar >> dwViewId >> dwCmd;
        bindings.emplace_back(dwViewId, dwCmd);
    }
    m_ViewsToCommands.RemoveAll();
    for (const auto& b : bindings) m_ViewsToCommands[(int)b.first] = (UINT)b.second;
}

int CZAVPMouseManager::GetViewIdByName(LPCSTR lpszName) const
{
    int iViewId = -1;
    return m_ViewsNames.Lookup(lpszName, iViewId) ? iViewId : -1;
}

UINT CZAVPMouseManager::GetViewDblClickCommand(int iViewId) const
{
    UINT uiCmd = 0;
    return m_ViewsToCommands.Lookup(iViewId, uiCmd) ? uiCmd : 0;
}

void CZAVPMouseManager::SetCommandForDblClick(int iViewId, UINT uiCmd)
{
    if (uiCmd == 0)
        m_ViewsToCommands.RemoveKey(iViewId);
    else
        m_ViewsToCommands[iViewId] = uiCmd;
}

UINT CZAVPMouseManager::GetViewIconId(int iViewId) const
{
    UINT uiIconId = 0;
    return m_ViewsToIcons.Lookup(iViewId, uiIconId) ? uiIconId : 0;
}

void CZAVPMouseManager::GetViewNames(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_ViewsNames.GetStartPosition(); pos != nullptr;) {
        CString strName;
        int iViewId = 0;
        m_ViewsNames.GetNextAssoc(pos, strName, iViewId);
        listOfNames.AddTail(strName);
    }
}

BOOL CZAVPMouseManager::LoadState(LPCSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kMouseSection, lpszProfileName);
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    return reg.ReadKey(strPath) && reg.Read(ZAVPLibraryNames::kMouseValue, *this);
}

BOOL CZAVPMouseManager::SaveState(LPCSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kMouseSection, lpszProfileName);
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    return reg.CreateKey(strPath) && reg.Write(ZAVPLibraryNames::kMouseValue, *this);
}
