// The shell's dialogs and windows, handed to the catalogue through its CatalogShell interface.
#include "app/AppCatalogShell.h"

#include <utility>

#include "framework/CWinApp.h"

#include "app/AddDiscProgressDialog.h"
#include "app/DLG_SaveDatabase.h"
#include "app/LoadingSplashWnd.h"
#include "app/SearchResultsListBox.h"
#include "app/SettingsDialog.h"

AppCatalogShell::AppCatalogShell(std::function<void()> closeInstanceMutex)
    : m_closeInstanceMutex(std::move(closeInstanceMutex))
{
}

int AppCatalogShell::ShowMessage(const std::string& text, UINT type)
{
    return AfxMessageBox(text.c_str(), type);
}

LoadingSplashStatus* AppCatalogShell::CreateLoadingSplash() { return new LoadingSplashWnd; }

void AppCatalogShell::DestroyLoadingSplash(LoadingSplashStatus* splash)
{
    // Every splash this shell hands out is a LoadingSplashWnd.
    delete static_cast<LoadingSplashWnd*>(splash);
}

std::unique_ptr<SaveWaitDialog> AppCatalogShell::CreateSaveDialog()
{
    return std::make_unique<DLG_SaveDatabase>(nullptr);
}

std::unique_ptr<ScanProgressDialog> AppCatalogShell::CreateAddDiscProgressDialog()
{
    return std::make_unique<AddDiscProgressDialog>(nullptr);
}

std::unique_ptr<SearchResultList> AppCatalogShell::CreateSearchResultList(CTarnimelDoc* document)
{
    return std::make_unique<SearchResultsListBox>(document);
}

INT_PTR AppCatalogShell::RunSettingsDialog(SettingsDialogValues& values)
{
    SettingsDialog dialog(nullptr);
    dialog.m_cdromDrives.SetSelectedRoot(values.selectedRoot.c_str());
    dialog.m_limitEnabled = values.limitEnabled;
    dialog.m_recursionLimit = values.limit;
    const INT_PTR result = dialog.DoModal();
    if (result != IDCANCEL) {
        values.selectedRoot = dialog.m_cdromDrives.GetSelectedRoot();
        values.limitEnabled = dialog.m_limitEnabled;
        values.limit = dialog.m_recursionLimit;
    }
    return result;
}

void AppCatalogShell::CloseInstanceMutex()
{
    if (m_closeInstanceMutex) m_closeInstanceMutex();
}
