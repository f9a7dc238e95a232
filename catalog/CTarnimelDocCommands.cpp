// The document's longer commands: settings, saving, adding a disc and searching.
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogShell.h"
#include "catalog/CdromDrives.h"
#include "catalog/DiscNode.h"
#include "catalog/DiscScanner.h"
#include "catalog/SearchDialog.h"
#include "catalog/TextConversion.h"

void CTarnimelDoc::LoadSettings() { m_settings.Load(); }

void CTarnimelDoc::SetDefaultRoot(const char* root) { m_settings.SetDefaultRoot(root); }

void CTarnimelDoc::OnSettings()
{
    CatalogShell* shell = CatalogShell::Get();
    if (!shell) return;
    SettingsDialogValues values;
    values.selectedRoot = m_settings.m_defaultRoot;
    values.limitEnabled = m_settings.m_recursionLimitEnabled ? 1 : 0;
    values.limit = m_settings.m_recursionLimit;
    if (shell->RunSettingsDialog(values) == IDCANCEL) return;
    SetDefaultRoot(values.selectedRoot.c_str());
    m_settings.SetRecursionLimit(values.limit, values.limitEnabled == 1);
}

void CTarnimelDoc::OnSaveDatabase()
{
    SaveModifiedCollections(m_collections, DatabaseDirectory(), true, CatalogShell::Get());
}

bool CTarnimelDoc::OnAddDisc(CatalogNode* node)
{
    CatalogNode* target = node ? node : GetCurrentNode();
    while (target && (target->m_type == NodeDiscFolder || target->m_type == NodeDisc))
        target = target->m_parent;
    if (!target) return false;
    const std::string& root = m_settings.m_defaultRoot;
    if (root.empty() || GetDriveTypeA(root.c_str()) != DRIVE_CDROM)
        SetDefaultRoot(FindCdromDrives().c_str());
    CatalogShell* shell = CatalogShell::Get();
    if (m_settings.m_defaultRoot.empty()) {
        if (shell)
            shell->ShowMessage(ToAnsiString(L"Не найдено устройство типа CD-ROM!"),
                               MB_OK | MB_ICONWARNING);
        return false;
    }
    DiscNode* disc = AddDiscFromDrive(target, m_settings.m_defaultRoot,
                                      m_settings.m_recursionLimitEnabled,
                                      m_settings.m_recursionLimit, shell);
    if (!disc) return false;
    CatalogNodeHint hint(disc);
    UpdateAllViews(nullptr, HintNodeAdded, &hint);
    return true;
}

void CTarnimelDoc::OnSearch()
{
    // Nodes are heap addresses far above this; smaller results are the dialog's button ids.
    const INT_PTR smallestNode = 0x10000;
    if (!m_searchDialog) return;
    INT_PTR result = m_searchDialog->DoModal();
    if (result > smallestNode) NavigateTo(reinterpret_cast<CatalogNode*>(result), nullptr);
}
