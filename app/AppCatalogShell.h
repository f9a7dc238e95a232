// The application shell's side of what the catalogue asks of it: message boxes, the loading
// splash, and the dialogs and result list that run while the catalogue's worker threads work.
// The application object installs one at start-up (CatalogShell::Set).
#pragma once
#include <functional>

#include "catalog/CatalogShell.h"

class AppCatalogShell : public CatalogShell
{
public:
    // `closeInstanceMutex` closes the application's single-instance mutex; it may be empty.
    explicit AppCatalogShell(std::function<void()> closeInstanceMutex = {});

    int ShowMessage(const std::string& text, UINT type) override;
    LoadingSplashStatus* CreateLoadingSplash() override;
    void DestroyLoadingSplash(LoadingSplashStatus* splash) override;
    std::unique_ptr<SaveWaitDialog> CreateSaveDialog() override;
    std::unique_ptr<ScanProgressDialog> CreateAddDiscProgressDialog() override;
    std::unique_ptr<SearchResultList> CreateSearchResultList(CTarnimelDoc* document) override;
    INT_PTR RunSettingsDialog(SettingsDialogValues& values) override;
    void CloseInstanceMutex() override;

private:
    std::function<void()> m_closeInstanceMutex;
};
