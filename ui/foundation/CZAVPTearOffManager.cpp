// Tear-off menu ids and their markers (see CZAVPTearOffManager.h).
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/ZAVPUiThread.h"

#include <vector>

#include "framework/CArchive.h"

CZAVPTearOffManager* g_pTearOffManager = nullptr;

namespace
{
const int kMaxItemText = 1024;  // longest item text read back from a menu

CString MenuItemText(HMENU hMenu, int iItem)
{
    char szText[kMaxItemText + 1] = {};
    ::GetMenuStringA(hMenu, iItem, szText, kMaxItemText, MF_BYPOSITION);
    return szText;
}
}  // namespace

CZAVPTearOffManager::CZAVPTearOffManager() : m_uiTearOffMenuFirst(0), m_uiTearOffMenuLast(0) {}

CZAVPTearOffManager::~CZAVPTearOffManager()
{
    ZAVP_ASSERT_UI_THREAD();
    if (g_pTearOffManager == this) g_pTearOffManager = nullptr;
}

BOOL CZAVPTearOffManager::Initialize(UINT uiTearOffMenuFirst, UINT uiTearOffMenuLast)
{
    if (uiTearOffMenuFirst == 0 || uiTearOffMenuLast < uiTearOffMenuFirst) return FALSE;
    m_uiTearOffMenuFirst = uiTearOffMenuFirst;
    m_uiTearOffMenuLast = uiTearOffMenuLast;
    m_arTearOffIDsUsage.SetSize(0);
    m_arTearOffIDsUsage.SetSize((INT_PTR)(uiTearOffMenuLast - uiTearOffMenuFirst) + 1);
    for (INT_PTR i = 0; i < m_arTearOffIDsUsage.GetSize(); ++i) m_arTearOffIDsUsage[i] = 0;
    return TRUE;
}

UINT CZAVPTearOffManager::GetFreeTearOffID()
{
    if (m_uiTearOffMenuFirst == 0 || m_uiTearOffMenuLast < m_uiTearOffMenuFirst) return 0;
    for (INT_PTR i = 0; i < m_arTearOffIDsUsage.GetSize(); ++i)
        if (m_arTearOffIDsUsage[i] == 0) {
            m_arTearOffIDsUsage[i] = 1;
            return m_uiTearOffMenuFirst + (UINT)i;
        }
    return 0;
}

void CZAVPTearOffManager::SetInUse(UINT uiCmdId, BOOL bUse)
{
    if (m_uiTearOffMenuFirst == 0 || uiCmdId < m_uiTearOffMenuFirst ||
        uiCmdId > m_uiTearOffMenuLast)
        return;
    int& nCount = m_arTearOffIDsUsage[(INT_PTR)(uiCmdId - m_uiTearOffMenuFirst)];
    if (bUse)
        ++nCount;
    else if (nCount > 0)
        --nCount;
}

int CZAVPTearOffManager::GetUseCount(UINT uiCmdId) const
{
    if (m_uiTearOffMenuFirst == 0 || uiCmdId < m_uiTearOffMenuFirst ||
        uiCmdId > m_uiTearOffMenuLast)
        return 0;
    return m_arTearOffIDsUsage[(INT_PTR)(uiCmdId - m_uiTearOffMenuFirst)];
}

UINT CZAVPTearOffManager::ParseTearOffName(CString& strName)
{
    if (strName.IsEmpty() || strName[0] != kMarker) return 0;
    const int iEnd = strName.Find(kMarker, 1);
    if (iEnd < 2) return 0;
    // Only plain decimal digits that fit an id count as a marker.
    unsigned long long ullId = 0;
    for (int i = 1; i < iEnd; ++i) {
        const char ch = strName[i];
        if (ch < '0' || ch > '9') return 0;
        ullId = ullId * 10 + (unsigned)(ch - '0');
        if (ullId > 0xFFFFFFFFull) return 0;
    }
    if (ullId == 0) return 0;
    strName = strName.Mid(iEnd + 1);
    return (UINT)ullId;
}

void CZAVPTearOffManager::BuildTearOffName(UINT uiId, CString& strName)
{
    CString strMarked;
    strMarked.Format("%c%u%c%s", kMarker, uiId, kMarker, (LPCSTR)strName);
    strName = strMarked;
}

void CZAVPTearOffManager::ResetUseCounts(HMENU hMenu)
{
    if (hMenu == nullptr) {
        for (INT_PTR i = 0; i < m_arTearOffIDsUsage.GetSize(); ++i) m_arTearOffIDsUsage[i] = 0;
        return;
    }
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        CString strText = MenuItemText(hMenu, i);
        const UINT uiId = ParseTearOffName(strText);
        if (uiId >= m_uiTearOffMenuFirst && uiId <= m_uiTearOffMenuLast &&
            m_uiTearOffMenuFirst != 0)
            m_arTearOffIDsUsage[(INT_PTR)(uiId - m_uiTearOffMenuFirst)] = 0;
        if (HMENU hSubMenu = ::GetSubMenu(hMenu, i)) ResetUseCounts(hSubMenu);
    }
}

void CZAVPTearOffManager::MarkTearOffMenus(HMENU hMenu)
{
    if (hMenu != nullptr) MarkItems(hMenu);
}

BOOL CZAVPTearOffManager::MarkItems(HMENU hMenu)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        if (hSubMenu == nullptr) continue;
        const UINT uiState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        CString strText = MenuItemText(hMenu, i);
        if ((uiState & MF_MENUBARBREAK) != 0 && ParseTearOffName(strText) == 0) {
            const UINT uiId = GetFreeTearOffID();
            if (uiId == 0) return FALSE;
            BuildTearOffName(uiId, strText);
            // Only the text changes: the item keeps its sub-menu, id and state.
            MENUITEMINFOA mii = {};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_STRING;
            mii.dwTypeData = const_cast<LPSTR>((LPCSTR)strText);
            ::SetMenuItemInfoA(hMenu, i, TRUE, &mii);
        }
        if (!MarkItems(hSubMenu)) return FALSE;
    }
    return TRUE;
}

void CZAVPTearOffManager::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)m_arTearOffIDsUsage.GetSize());
        for (INT_PTR i = 0; i < m_arTearOffIDsUsage.GetSize(); ++i) ar << m_arTearOffIDsUsage[i];
        return;
    }
    // Read the whole array before any of it is applied; each element is read from the bytes
    // present, so a forged count cannot make a large allocation.
    const DWORD_PTR nCount = ar.ReadCount();
    std::vector<int> counts;
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        int nUse = 0;
        ar >> nUse;
        counts.push_back(nUse < 0 ? 0 : nUse);
    }
    if ((INT_PTR)counts.size() != m_arTearOffIDsUsage.GetSize()) return;
    for (INT_PTR i = 0; i < m_arTearOffIDsUsage.GetSize(); ++i)
        m_arTearOffIDsUsage[i] = counts[(size_t)i];
}
