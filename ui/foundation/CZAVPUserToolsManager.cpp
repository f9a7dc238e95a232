// The user-tools manager (see CZAVPUserToolsManager.h).
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/ZAVPUiThread.h"

#include <set>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPListRange.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPUserTool.h"

CZAVPUserToolsManager* g_pUserToolsManager = nullptr;

namespace
{
void DeleteTools(CObList& list)
{
    while (!list.IsEmpty()) delete list.RemoveHead();
}

// One stored tool. It is created here from its class record rather than by the framework's
// object reading, so that no entry can be an object met before: a list that named one tool twice
// would hold it twice and delete it twice.
CObject* ReadTool(CArchive& ar, const CRuntimeClass* pToolClass)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    // A class that is no tool is refused here, before anything of it is created.
    CRuntimeClass* pClass = ar.ReadClass(pToolClass, &nSchema, &obTag);
    if (pClass == nullptr)  // a null entry, or a reference to an object met before
        AfxThrowArchiveException(obTag == 0 ? CArchiveException::badClass
                                            : CArchiveException::badIndex);
    CObject* pOb = pClass->CreateObject();
    if (pOb == nullptr) AfxThrowArchiveException(CArchiveException::badClass);
    // The tool takes its index in the image, so later class references keep their numbers, but
    // nothing stands behind it: a later reference to it is refused too.
    try {
        ar.MapObject(nullptr);
        ar.SetObjectSchema(nSchema);
        pOb->Serialize(ar);
    } catch (...) {
        delete pOb;
        throw;
    }
    return pOb;
}

// The stored tool list read as the list's archive form, with every element required to be of
// the tool class and no more elements than the range has ids. The list gains the tools only
// once the whole list has read back; a refused image leaves it as it was.
class ToolListImage : public CObject
{
public:
    ToolListImage(CObList& list, const CRuntimeClass* pToolClass, int nMaxTools)
        : m_list(list), m_pToolClass(pToolClass), m_nMaxTools(nMaxTools)
    {
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            m_list.Serialize(ar);
            return;
        }
        const DWORD_PTR nCount = ar.ReadCount();
        if (nCount > (DWORD_PTR)m_nMaxTools) AfxThrowArchiveException(CArchiveException::badIndex);
        CObList read;
        try {
            for (DWORD_PTR n = nCount; n > 0; --n) read.AddTail(ReadTool(ar, m_pToolClass));
        } catch (...) {
            DeleteTools(read);
            throw;
        }
        m_list.AddTail(&read);
    }

private:
    CObList& m_list;
    const CRuntimeClass* m_pToolClass;
    int m_nMaxTools;  // the command range's size: each tool needs an id of its own
};
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
    for (CZAVPUserTool* pTool : ListOf<CZAVPUserTool>(m_lstUserTools))
        if (pTool->m_uiCmdId == uiCmdId) return pTool;
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
    ToolListImage image(loaded, m_pToolRTC, GetMaxTools());
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
