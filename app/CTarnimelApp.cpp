// The application object: start-up in a fixed order, the quit thread, and the end.
#include "app/CTarnimelApp.h"

#include <objbase.h>

#include "app/AboutDialog.h"
#include "app/CTarnimelFrame.h"
#include "app/QuitNudger.h"
#include "app/TreeDragOperation.h"
#include "app/VIEW_ItemsList.h"
#include "catalog/CTarnimelDoc.h"
#include "resources/AppResource.h"

BEGIN_MESSAGE_MAP(CTarnimelApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CTarnimelApp::OnAppAbout)
END_MESSAGE_MAP()

const char CTarnimelApp::UiRegistrySection[] = "Settings\\1.16";

CTarnimelApp* GetTarnimelApp() { return dynamic_cast<CTarnimelApp*>(AfxGetApp()); }

CTarnimelApp::CTarnimelApp()
    : m_shutdownEvent(FALSE, FALSE),
      m_docTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTarnimelDoc), RUNTIME_CLASS(CTarnimelFrame),
                    RUNTIME_CLASS(VIEW_ItemsList)),
      m_shell([this] { CloseInstanceMutex(); })
{
}

CTarnimelApp::~CTarnimelApp()
{
    DeleteDragOperation();
    if (CatalogShell::Get() == &m_shell) CatalogShell::Set(nullptr);
}

void CTarnimelApp::DeleteDragOperation()
{
    delete m_pDragOperation;
    m_pDragOperation = nullptr;
}

BOOL CTarnimelApp::InitInstance()
{
    // A second copy (or a mutex that cannot be made) ends here without a word.
    if (!m_instanceMutex.Acquire(m_mutexName.empty() ? InstanceMutex::DefaultName
                                                     : m_mutexName.c_str()))
        return FALSE;
    ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (m_registryKey.empty())
        SetRegistryKey(IDS_REGISTRY_KEY);
    else
        SetRegistryKey(m_registryKey.c_str());
    SetRegistrySection(UiRegistrySection);
    InitMouseManager();
    InitContextMenuManager();
    InitKeyboardManager();

    // The catalogue reaches its dialogs and messages through the shell from its first moment.
    CatalogShell::Set(&m_shell);
    m_docTemplate.OpenDocumentFile(nullptr, TRUE);

    m_pMainFrame = dynamic_cast<CTarnimelFrame*>(m_pMainWnd);
    // Without a main window (the database could not be read, or the frame failed) there is
    // nothing to run.
    if (m_pMainWnd == nullptr) return FALSE;
    ::SetForegroundWindow(m_pMainWnd->GetSafeHwnd());
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CTarnimelApp::ExitInstance()
{
    m_shutdownEvent.SetEvent();
    m_instanceMutex.Close();
    ::CoUninitialize();
    CleanUpUILibrary();
    m_pMainFrame = nullptr;
    return CWinApp::ExitInstance();
}

bool CTarnimelApp::StartQuitNudger()
{
    return QuitNudger::Start(m_nThreadID != 0 ? m_nThreadID : ::GetCurrentThreadId(),
                             m_shutdownEvent.m_hObject);
}

void CTarnimelApp::OnAppAbout()
{
    AboutDialog about(m_pMainWnd);
    about.DoModal();
}
