// The toolbar's state in the registry: its archive ("Buttons"), its name, the reset layout, and
// the way back to the layout of its toolbar resource. A stored image is untrusted: it is read
// whole (ZAVPButtonListArchive) before anything of the bar changes.
#include "ui/toolbars/CZAVPToolBar.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CMemFile.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/ZAVPButtonListArchive.h"

namespace
{
const UINT kToolBarArchiveBuffer = 4096;
const UINT kToolBarGrowBytes = 1024;
const int kMRUWidthMajor = 6;  // the MRU width is stored after 6.1
const int kMRUWidthMinor = 2;
const char kNameValue[] = "Name";
const char kButtonsValue[] = "Buttons";
const char kOrigResetValue[] = "OrigResetItems";
const char kOriginalItemsValue[] = "OriginalItems";
const UINT kNotKeptOnLoad = TBBS_CHECKED | TBBS_PRESSED;

// Written and read under the same rule: no workspace, an unknown version, or after 6.1.
bool HasMRUWidth()
{
    const CZAVPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace == nullptr ||
           pWorkspace->IsStateVersionAtLeast(kMRUWidthMajor, kMRUWidthMinor);
}

void DeleteAll(CObList& list)
{
    while (!list.IsEmpty()) delete list.RemoveHead();
}

// TRUE when the workspace keeps each bar's resource layout with its state.
bool KeepsOriginalItems()
{
    const CZAVPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr && pWorkspace->IsResourceSmartUpdate();
}

// TRUE when some button of the list compares equal to the button.
bool HasMatch(const CObList& list, const CZAVPToolbarButton& button)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        if (static_cast<const CZAVPToolbarButton*>(list.GetNext(pos))->CompareWith(button))
            return true;
    return false;
}

}  // namespace

void CZAVPToolBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CZAVPBaseToolBar::Serialize(ar);
        if (m_bLocked) return;
        CObList storable;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
            CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
            if (pButton->IsStorable()) storable.AddTail(pButton);
        }
        storable.Serialize(ar);
        CString strName;
        if (m_hWnd != nullptr) {
            const int nLength = ::GetWindowTextLengthA(m_hWnd);
            ::GetWindowTextA(m_hWnd, strName.GetBuffer(nLength + 1), nLength + 1);
            strName.ReleaseBuffer();
        }
        ar << (DWORD)m_bTextLabels << strName;
        if (HasMRUWidth()) ar << (DWORD)m_nMRUWidth;
        return;
    }

    // Loading: everything is read into scratch values first.
    DWORD dwAlignment = 0, dwVisible = 0;
    ar >> dwAlignment >> dwVisible;
    CObList loaded;
    DWORD dwTextLabels = m_bTextLabels;
    CString strName;
    DWORD dwMRUWidth = (DWORD)m_nMRUWidth;
    if (!m_bLocked) {
        try {
            ZAVPButtonListArchive::Read(ar, loaded);
            ar >> dwTextLabels >> strName;
            if (HasMRUWidth()) ar >> dwMRUWidth;
        } catch (CException*) {
            DeleteAll(loaded);
            throw;
        }
    }

    // The control-bar part takes its two words as it always does.
    {
        BYTE bytes[2 * sizeof(DWORD)];
        memcpy(bytes, &dwAlignment, sizeof(DWORD));
        memcpy(bytes + sizeof(DWORD), &dwVisible, sizeof(DWORD));
        CMemFile file(bytes, sizeof bytes);
        CArchive arBase(&file, CArchive::load);
        CZAVPBaseToolBar::Serialize(arBase);
    }
    if (m_bLocked) return;

    CZAVPToolbarButton* pCustomizeCopy = nullptr;
    if (m_pCustomizeBtn != nullptr) {
        CZAVPToolbarButton* pOld = m_pCustomizeBtn;
        pCustomizeCopy = static_cast<CZAVPToolbarButton*>(pOld->GetRuntimeClass()->CreateObject());
        if (pCustomizeCopy != nullptr) pCustomizeCopy->CopyFrom(*pOld);
    }
    RemoveAllButtons();
    while (!loaded.IsEmpty()) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(loaded.RemoveHead());
        pButton->m_nStyle &= ~kNotKeptOnLoad;
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
    }
    if (CanChangeTextLabels()) m_bTextLabels = (BOOL)dwTextLabels;
    if (pCustomizeCopy != nullptr) {
        m_Buttons.AddTail(pCustomizeCopy);
        pCustomizeCopy->OnChangeParentWnd(this);
        m_pCustomizeBtn = static_cast<CCustomizeButton*>(pCustomizeCopy);
    }
    if (m_hWnd != nullptr) ::SetWindowTextA(m_hWnd, strName);
    // Every button of a command that may not be on a bar goes, not only the first.
    for (POSITION pos = m_lstUnpermittedCommands.GetHeadPosition(); pos != nullptr;) {
        const UINT uiCmd = m_lstUnpermittedCommands.GetNext(pos);
        for (int i = CommandToIndex(uiCmd); i >= 0; i = CommandToIndex(uiCmd, i))
            if (!RemoveButton(i)) break;
    }
    m_nMRUWidth = (int)dwMRUWidth;
    UpdateMnemonics();
}

namespace
{
CString ToolBarKey(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strPath = BuildRegistryPath(CZAVPToolBar::m_strSection, lpszProfileName);
    CString strKey;
    if (uiID == (UINT)-1)
        strKey.Format("%sZAVToolBar-%d", (LPCSTR)strPath, nIndex);
    else
        strKey.Format("%sZAVToolBar-%d%x", (LPCSTR)strPath, nIndex, uiID);
    return strKey;
}
}  // namespace

BOOL CZAVPToolBar::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = (int)GetDlgCtrlID();
    std::vector<BYTE> bytes;
    try {
        CMemFile file(kToolBarGrowBytes);
        {
            CArchive ar(&file, CArchive::store, kToolBarArchiveBuffer);
            Serialize(ar);
            ar.Close();
        }
        const UINT nLength = (UINT)file.GetLength();
        BYTE* pData = file.Detach();
        bytes.assign(pData, pData + nLength);
        std::free(pData);
    } catch (CException* e) {
        e->Delete();
        bytes.clear();  // the bar's own values are skipped; the control-bar part still saves
    }

    if (!bytes.empty()) {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        if (reg.CreateKey(ToolBarKey(lpszProfileName, nIndex, uiID))) {
            if (m_hWnd != nullptr) {
                CString strName;
                const int nLength = ::GetWindowTextLengthA(m_hWnd);
                ::GetWindowTextA(m_hWnd, strName.GetBuffer(nLength + 1), nLength + 1);
                strName.ReleaseBuffer();
                reg.Write(kNameValue, strName);
            }
            if (reg.WriteBinary(kButtonsValue, bytes.data(), (UINT)bytes.size()) &&
                KeepsOriginalItems())
                SaveOriginalItems(reg);
            if (!m_OrigResetButtons.IsEmpty()) reg.Write(kOrigResetValue, m_OrigResetButtons);
        }
    }
    return CZAVPBaseToolBar::SaveState(lpszProfileName, nIndex, uiID);
}

BOOL CZAVPToolBar::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = (int)GetDlgCtrlID();
    m_bButtonsLoaded = FALSE;
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.ReadKey(ToolBarKey(lpszProfileName, nIndex, uiID))) return FALSE;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.ReadBinary(kButtonsValue, pData, nBytes)) return FALSE;

    BOOL bSerialized = FALSE;
    try {
        CMemFile file(pData, nBytes);
        CArchive ar(&file, CArchive::load, kToolBarArchiveBuffer);
        Serialize(ar);
        bSerialized = TRUE;
    } catch (CException* e) {
        // Nothing of a damaged image was taken. The bar goes back to its resource layout when it
        // has one (a menu bar rebuilds from its menu itself), else it keeps the buttons it has.
        e->Delete();
        if (!m_bLocked && m_uiOriginalResID != 0) LoadToolBar(m_uiOriginalResID, 0, 0, FALSE);
    }
    delete[] pData;
    m_bButtonsLoaded = bSerialized;
    if (bSerialized && KeepsOriginalItems()) LoadOriginalItems(reg);

    CObList resetItems;
    if (ZAVPButtonListArchive::ReadValue(reg, kOrigResetValue, resetItems) && !resetItems.IsEmpty())
    {
        DeleteAll(m_OrigResetButtons);
        m_OrigResetButtons.AddTail(&resetItems);
        resetItems.RemoveAll();
    }
    DeleteAll(resetItems);

    const BOOL bResult = CZAVPBaseToolBar::LoadState(lpszProfileName, nIndex, uiID);
    AdjustLayout();
    return bResult;
}

BOOL CZAVPToolBar::RemoveStateFromRegistry(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = (int)GetDlgCtrlID();
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    return reg.DeleteKey(ToolBarKey(lpszProfileName, nIndex, uiID));
}

BOOL CZAVPToolBar::RestoreOriginalState()
{
    if (m_uiOriginalResID == 0) return FALSE;
    const BOOL bResult = LoadToolBar(m_uiOriginalResID, 0, 0, m_bLocked);
    AdjustLayout();
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    return bResult;
}

BOOL CZAVPToolBar::SaveOriginalItems(CZAVPRegistry& reg) const
{
    if (m_OrigButtons.IsEmpty()) return FALSE;
    return reg.Write(kOriginalItemsValue, const_cast<CObList&>(m_OrigButtons));
}

BOOL CZAVPToolBar::LoadOriginalItems(CZAVPRegistry& reg)
{
    CObList saved;
    const BOOL bRead = ZAVPButtonListArchive::ReadValue(reg, kOriginalItemsValue, saved);
    if (bRead) AddMissingButtons(saved);
    DeleteAll(saved);
    return bRead;
}

BOOL CZAVPToolBar::AddMissingButtons(const CObList& lstSavedOriginal)
{
    BOOL bChanged = FALSE;
    // What the resource no longer has leaves the bar (its first button of that command).
    for (POSITION pos = lstSavedOriginal.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pSaved = static_cast<const CZAVPToolbarButton*>(
            lstSavedOriginal.GetNext(pos));
        if (HasMatch(m_OrigButtons, *pSaved)) continue;
        bChanged = TRUE;
        const int iIndex = CommandToIndex(pSaved->m_nID);
        if (iIndex >= 0) RemoveButton(iIndex);
    }
    // What the resource gained comes in at its place in the resource.
    int k = 0;
    for (POSITION pos = m_OrigButtons.GetHeadPosition(); pos != nullptr; ++k) {
        const CZAVPToolbarButton* pOriginal = static_cast<const CZAVPToolbarButton*>(
            m_OrigButtons.GetNext(pos));
        if (HasMatch(lstSavedOriginal, *pOriginal)) continue;
        bChanged = TRUE;
        const int iAt = std::min(k, GetCount());
        if (pOriginal->m_nID == 0) {
            InsertSeparator(iAt);
            continue;
        }
        CZAVPToolbarButton* pButton = new CZAVPToolbarButton(
            pOriginal->m_nID, GetDefaultImage(pOriginal->m_nID), nullptr, FALSE, m_bLocked);
        if (InsertButton(pButton, iAt) < 0) delete pButton;
    }
    // A reordered resource counts as changed too.
    if (lstSavedOriginal.GetCount() != m_OrigButtons.GetCount()) {
        bChanged = TRUE;
    } else {
        POSITION posSaved = lstSavedOriginal.GetHeadPosition();
        for (POSITION pos = m_OrigButtons.GetHeadPosition(); pos != nullptr && !bChanged;) {
            const CZAVPToolbarButton* pOriginal = static_cast<const CZAVPToolbarButton*>(
                m_OrigButtons.GetNext(pos));
            const CZAVPToolbarButton* pSaved = static_cast<const CZAVPToolbarButton*>(
                lstSavedOriginal.GetNext(posSaved));
            if (!pOriginal->CompareWith(*pSaved)) bChanged = TRUE;
        }
    }
    m_bResourceWasChanged = bChanged;
    if (bChanged) UpdateMnemonics();
    return bChanged;
}
