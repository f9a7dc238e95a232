// The application object: one copy of the program per user, the registry key of every setting,
// the catalogue document with its frame and item list, the About box, and a clean end. It also
// holds the category tree's drag in progress and the main frame pointer.
#pragma once
#include <windows.h>
#include <string>

#include "app/AppCatalogShell.h"
#include "app/InstanceMutex.h"
#include "framework/CEvent.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPWorkspace.h"

class CTarnimelFrame;
class TreeDragOperation;

class CTarnimelApp : public CWinApp, public CZAVPWorkspace
{
public:
    static const char UiRegistrySection[];  // "Settings\1.16"

    CTarnimelApp();
    ~CTarnimelApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    CTarnimelFrame* GetMainFrame() const { return m_pMainFrame; }

    TreeDragOperation* GetDragOperation() const { return m_pDragOperation; }
    // Stores the operation without deleting the one held before.
    void SetDragOperation(TreeDragOperation* operation) { m_pDragOperation = operation; }
    void DeleteDragOperation();

    // Lets a new copy start while this one still saves (the document calls it when it closes).
    void CloseInstanceMutex() { m_instanceMutex.Close(); }
    bool HoldsInstanceMutex() const { return m_instanceMutex.Held(); }

    // Starts the quit thread: WM_QUIT to the main thread every 100 ms until ExitInstance ran.
    bool StartQuitNudger();
    HANDLE ShutdownEvent() const { return m_shutdownEvent.m_hObject; }

    void OnAppAbout();

protected:
    // Names a test run may change, so that it neither meets a running program's mutex nor
    // writes into the program's own registry key. Empty: the program's own.
    std::string m_mutexName;
    std::string m_registryKey;

private:
    TreeDragOperation* m_pDragOperation = nullptr;
    CTarnimelFrame* m_pMainFrame = nullptr;
    CEvent m_shutdownEvent;  // auto-reset, unsignalled: set by ExitInstance
    CSingleDocTemplate m_docTemplate;
    InstanceMutex m_instanceMutex;
    AppCatalogShell m_shell;

    DECLARE_MESSAGE_MAP()
};

// The one application object of Lornival.exe (the test programs make their own).
CTarnimelApp* GetTarnimelApp();
