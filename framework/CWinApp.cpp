// The application object: start-up defaults, the main loop's idle hook, documents, message boxes,
// the wait cursor, and the process-wide Afx* accessors.
#include "framework/CWinApp.h"
#include "framework/AfxThreadState.h"
#include "framework/CDocTemplate.h"
#include "framework/CHandleMap.h"
#include "framework/CWnd.h"
#include <commctrl.h>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

namespace
{
// Constructed on first use: the application object is itself a global whose constructor runs
// in an order nobody controls.
struct ModuleState
{
    CWinApp* pApp = nullptr;
    HINSTANCE hInstance = nullptr;
};
ModuleState& Module()
{
    static ModuleState state;
    return state;
}

void ReplaceString(LPCSTR& target, LPCSTR value)
{
    free((void*)target);
    target = value ? _strdup(value) : nullptr;
}
}  // namespace

CWinApp* AfxGetApp() { return Module().pApp; }

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    HINSTANCE h = Module().hInstance;
    return h != nullptr ? h : ::GetModuleHandleA(nullptr);
}

void AfxSetInstanceHandle(HINSTANCE hInstance) { Module().hInstance = hInstance; }

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) { return AfxGetResourceHandle(); }

LPCSTR AfxGetAppName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_pszAppName != nullptr ? pApp->m_pszAppName : "";
}

void AfxInitCommonControls()
{
    static bool done = [] {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                     ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&icc);
        return true;
    }();
    (void)done;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(AfxGetSafeHwnd(CWnd::GetSafeOwner_(nullptr, nullptr)), lpszText, "",
                         nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    if (nIDHelp == (UINT)-1) nIDHelp = nIDPrompt;
    return AfxMessageBox(text, nType, nIDHelp);
}

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    Module().pApp = this;
    ReplaceString(m_pszAppName, lpszAppName);
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* p : m_templateList) delete p;
    m_templateList.clear();
    if (Module().pApp == this) Module().pApp = nullptr;
    ReplaceString(m_pszAppName, nullptr);
    ReplaceString(m_pszExeName, nullptr);
    ReplaceString(m_pszHelpFilePath, nullptr);
    ReplaceString(m_pszRegistryKey, nullptr);
    ReplaceString(m_pszProfileName, nullptr);
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    AfxInitCommonControls();
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr) {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
    }
    return TRUE;
}

void AfxWinTerm() { AfxDeleteTempMaps(); }

BOOL CWinApp::InitApplication()
{
    if (m_hInstance == nullptr) m_hInstance = AfxGetInstanceHandle();
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    char* name = strrchr(path, '\\');
    name = name ? name + 1 : path;
    if (char* dot = strrchr(name, '.')) *dot = '\0';
    if (m_pszExeName == nullptr) ReplaceString(m_pszExeName, name);
    if (m_pszAppName == nullptr) {
        CString title;
        ReplaceString(m_pszAppName,
                      title.LoadString(AFX_IDS_APP_TITLE) ? (LPCSTR)title : m_pszExeName);
    }
    if (m_pszProfileName == nullptr) {
        // Without a registry key the profile lives in <executable name>.INI beside the program.
        ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
        if (char* dot = strrchr(path, '.')) lstrcpyA(dot, ".INI");
        ReplaceString(m_pszProfileName, path);
    }
    return TRUE;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr) ::PostQuitMessage(0);  // nothing to run: leave at once
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    if (m_pszAppName == nullptr) InitApplication();
    ReplaceString(m_pszRegistryKey, lpszRegistryKey);
    ReplaceString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey((LPCSTR)key);
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR),
                         lpszResourceName);
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndTop = nullptr;
    CWnd* pOwner = CWnd::GetSafeOwner_(nullptr, &hWndTop);
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL: nType |= MB_ICONEXCLAMATION; break;
        case MB_YESNO:
        case MB_YESNOCANCEL: nType |= MB_ICONQUESTION; break;
        default: break;
        }
    }
    int nResult = ::MessageBoxA(AfxGetSafeHwnd(pOwner), lpszPrompt,
                                m_pszAppName ? m_pszAppName : "", nType);
    if (hWndTop != nullptr) ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

void AfxDoWaitCursor(int nCode)
{
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->DoWaitCursor(nCode);
        return;
    }
    // Without an application object there is no count to keep: show or restore the arrow.
    ::SetCursor(::LoadCursor(nullptr, nCode >= 0 ? IDC_WAIT : IDC_ARROW));
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1) m_hcurWaitCursorRestore = hcurPrev;
    } else {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pWnd = AfxGetMainWnd();
    if (m_pszHelpFilePath != nullptr && pWnd != nullptr)
        ::WinHelpA(AfxGetSafeHwnd(pWnd), m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

// ---- documents

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) { m_templateList.push_back(pTemplate); }

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    if (m_templateList.empty()) return nullptr;
    return m_templateList.front()->OpenDocumentFile(lpszFileName);
}

void CWinApp::OnFileNew()
{
    if (!m_templateList.empty()) m_templateList.front()->OpenDocumentFile(nullptr);
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* p : m_templateList)
        if (!p->SaveAllModified()) return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* p : m_templateList) p->CloseAllDocuments(bEndSession);
}
