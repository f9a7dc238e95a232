// What the catalogue asks of the application shell: its message boxes, the loading splash and
// the modal dialogs that run while a catalogue worker thread works. The application installs its
// implementation once at start-up; tests install small fakes. So the catalogue never links the
// shell's window classes.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include "catalog/LoadingSplashStatus.h"
#include "catalog/SearchResultList.h"

class CTarnimelDoc;

// The save dialog ("Сохранение БД..."): runs modally until the save thread has called SetDone.
class SaveWaitDialog
{
public:
    virtual ~SaveWaitDialog() = default;
    virtual INT_PTR DoModal() = 0;
    virtual void SetDone() = 0;  // any thread
};

// The add-disc progress dialog: counts WM_USER+2 (wParam 0 folder, 1 file) and shows the end on
// WM_USER+1. Its window exists while DoModal runs.
class ScanProgressDialog
{
public:
    virtual ~ScanProgressDialog() = default;
    virtual INT_PTR DoModal() = 0;
    virtual HWND GetSafeHwnd() const = 0;
};

// The values the settings dialog shows and changes.
struct SettingsDialogValues
{
    std::string selectedRoot;  // the CD-ROM drive list's selected root
    int limitEnabled = 0;  // check box "Ограничение вложенности папок:"
    int limit = 8;
};

class CatalogShell
{
public:
    virtual ~CatalogShell() = default;

    // A message box over the application (AfxMessageBox); returns the button pressed.
    virtual int ShowMessage(const std::string& text, UINT type) = 0;
    // The loading splash: made and shown by the caller, destroyed through the shell.
    virtual LoadingSplashStatus* CreateLoadingSplash() = 0;
    virtual void DestroyLoadingSplash(LoadingSplashStatus* splash) = 0;
    virtual std::unique_ptr<SaveWaitDialog> CreateSaveDialog() = 0;
    virtual std::unique_ptr<ScanProgressDialog> CreateAddDiscProgressDialog() = 0;
    // The search dialog's result list, drawing with the document's images.
    virtual std::unique_ptr<SearchResultList> CreateSearchResultList(CTarnimelDoc* document) = 0;
    // Runs the settings dialog on the values; IDOK or IDCANCEL.
    virtual INT_PTR RunSettingsDialog(SettingsDialogValues& values) = 0;
    // Closes the application's single-instance mutex.
    virtual void CloseInstanceMutex() = 0;

    static CatalogShell* Get();
    static void Set(CatalogShell* shell);
};
