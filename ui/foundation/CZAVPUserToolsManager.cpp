// The user-tools manager (see CZAVPUserToolsManager.h).
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/ZAVPUiThread.h"

#include <set>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPUserTool.h"

CZAVPUserToolsManager* g_pUserToolsManager = nullptr;

namespace
{
// The stored tool list read as the list's archive form, with every element required to be of
// the tool class; the objects stay here until the whole list has read back.
class ToolListImage : public CObject
{
public:
    ToolListImage(CObList& list, const CRuntimeClass* pToolClass)
        : m_list(list), m_pToolClass(pToolClass)
    {
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            m_list.Serialize(ar);
            return;
        }
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
            CObject* pOb = ar.ReadObject(m_pToolClass);
            if (pOb == nullptr) AfxThrowArchiveException(CArchiveException::badClass);
            m_list.AddTail(pOb);
        }
    }

private:
    CObList& m_list;
    const CRuntimeClass* m_pToolClass;
};

void DeleteTools(CObList& list)
{
    while (!list.IsEmpty()) delete list.RemoveHead();
}
}  // namespace

CZAVPUserToolsManager::CZAVPUserToolsManager(UINT uiCmdToolsDummy, UINT uiCmdFirst, UINT uiCmdLast,
                                             CRuntimeClass* pToolRTC, UINT uArgMenuID,
                                             UINT uInitDirMenuID)
    : m_uiCmdToolsDummy(uiCmdToolsDummy), m_uiCmdFirst(uiCmdFirst), m_uiCmdLast(uiCmdLast),
      m_pToolRTC(pToolRTC), m_uiArgumentsMenu(uArgMenuID), m_uiInitialDirMenu(uInitDirMenuID)
{
    ZAVP_ASSERT_UI_THREAD();
    g_pUserToolsManager = this;
}

CZAVPUserToolsManager::~CZAVPUserToolsManager()
{
    DeleteAllTools();
    ZAVP_ASSERT_UI_THREAD();
    if (g_pUserToolsManager == this) g_pUserToolsManager = nullptr;
}

void CZAVPUserToolsManager::DeleteAllTools() { DeleteTools(m_lstUserTools); }

CZAVPUserTool* CZAVPUserToolsManager::CreateNewTool()
{
    if (m_pToolRTC == nullptr || m_lstUserTools.GetCount() >= GetMaxTools()) return nullptr;
    UINT uiCmdId = m_uiCmdFirst;
    for (; uiCmdId <= m_uiCmdLast; ++uiCmdId)
        if (FindTool(uiCmdId) == nullptr) break;
    if (uiCmdId > m_uiCmdLast) return nullptr;
    CObject* pOb = m_pToolRTC->CreateObject();
    if (pOb == nullptr) return nullptr;
    CZAVPUserTool* pTool = static_cast<CZAVPUserTool*>(pOb);
    pTool->m_uiCmdId = uiCmdId;
    m_lstUserTools.AddTail(pTool);
    return pTool;
}

BOOL CZAVPUserToolsManager::RemoveTool(CZAVPUserTool* pTool)
{
    POSITION pos = m_lstUserTools.Find(pTool);
    if (pos == nullptr) return FALSE;
    m_lstUserTools.RemoveAt(pos);
    const UINT uiCmdId = pTool->m_uiCmdId;
    delete pTool;

    CObList& toolbars = ZAVPSharedBarData::AllToolbars();
    for (POSITION posBar = toolbars.GetHeadPosition(); posBar != nullptr;) {
        CZAVPToolBar* pToolBar = static_cast<CZAVPToolBar*>(toolbars.GetNext(posBar));
        if (CWnd::FromHandlePermanent(pToolBar->GetSafeHwnd()) == nullptr) continue;
        BOOL bRemoved = FALSE;
        for (int iIndex = pToolBar->CommandToIndex(uiCmdId); iIndex >= 0;
             iIndex = pToolBar->CommandToIndex(uiCmdId))
        {
            pToolBar->RemoveButton(iIndex);
            bRemoved = TRUE;
        }
        if (bRemoved) pToolBar->AdjustLayout();
    }
    return TRUE;
}

BOOL CZAVPUserToolsManager::MoveTool(CZAVPUserTool* pTool, BOOL bUp)
{
    POSITION pos = m_lstUserTools.Find(pTool);
    if (pos == nullptr) return FALSE;
    POSITION posOther = pos;
    if (bUp)
        m_lstUserTools.GetPrev(posOther);
    else
        m_lstUserTools.GetNext(posOther);
    if (posOther == nullptr) return FALSE;
    m_lstUserTools.RemoveAt(pos);
    if (bUp)
        m_lstUserTools.InsertBefore(posOther, pTool);
    else
        m_lstUserTools.InsertAfter(posOther, pTool);
    return TRUE;
}

CZAVPUserTool* CZAVPUserToolsManager::FindTool(UINT uiCmdId) const
{
    if (!IsUserToolCmd(uiCmdId)) return nullptr;
    for (POSITION pos = m_lstUserTools.GetHeadPosition(); pos != nullptr;) {
        CZAVPUserTool* pTool = static_cast<CZAVPUserTool*>(m_lstUserTools.GetNext(pos));
        if (pTool->m_uiCmdId == uiCmdId) return pTool;
    }
    return nullptr;
}

BOOL CZAVPUserToolsManager::InvokeTool(UINT uiCmdId)
{
    CZAVPUserTool* pTool = FindTool(uiCmdId);
    return pTool != nullptr && pTool->Invoke();
}

BOOL CZAVPUserToolsManager::LoadState(LPCSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kUserToolsSection, lpszProfileName);
    DeleteAllTools();
    if (m_pToolRTC == nullptr) return FALSE;

    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    CObList loaded;
    ToolListImage image(loaded, m_pToolRTC);
    if (!reg.ReadKey(strPath) || !reg.Read(ZAVPLibraryNames::kUserToolsValue, image)) {
        DeleteTools(loaded);
        return FALSE;
    }
    // Every tool needs its own command id of the range, or the list is refused whole.
    std::set<UINT> ids;
    for (POSITION pos = loaded.GetHeadPosition(); pos != nullptr;) {
        const UINT uiCmdId = static_cast<CZAVPUserTool*>(loaded.GetNext(pos))->m_uiCmdId;
        if (!IsUserToolCmd(uiCmdId) || !ids.insert(uiCmdId).second) {
            DeleteTools(loaded);
            return FALSE;
        }
    }
    m_lstUserTools.AddTail(&loaded);
    return TRUE;
}

BOOL CZAVPUserToolsManager::SaveState(LPCSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kUserToolsSection, lpszProfileName);
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    return reg.CreateKey(strPath) && reg.Write(ZAVPLibraryNames::kUserToolsValue, m_lstUserTools);
}
