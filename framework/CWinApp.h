// The application object: the main thread's loop plus what the whole program shares: instance,
// command line, names, the registry key of the profile functions, document templates, the wait
// cursor. There is one, constructed as a global; AfxWinMain runs it.
#pragma once

#include <string>
#include <vector>
#include "framework/CWinThread.h"
#include "framework/CString.h"
#include "framework/AfxResourceHandle.h"

class CDocTemplate;
class CDocument;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName null: the string AFX_IDS_APP_TITLE, else the executable's name, at start-up.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();

    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszAppName = nullptr;  // owned (malloc'd) copies, like every string below
    LPCSTR m_pszExeName = nullptr;  // executable name without extension
    LPCSTR m_pszHelpFilePath = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;  // null: profile functions use the .INI file
    LPCSTR m_pszProfileName = nullptr;  // registry: the application's key name; else the .INI path

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;

    // ---- profile: HKCU\Software\<registry key>\<profile name>\<section>\<entry>
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();                // created when missing; the caller closes it
    HKEY GetSectionKey(LPCSTR lpszSection);  // created when missing; the caller closes it
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // *ppData gets a new[] copy the caller deletes; FALSE (and null) when there is no such value.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    // lpszEntry null deletes the section; lpszValue null deletes the entry.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // ---- resources
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const
    {
        return ::LoadCursorA(nullptr, lpszCursorName);
    }
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
    HICON LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }

    // ---- documents
    void AddDocTemplate(CDocTemplate* pTemplate);  // the application deletes it at the end
    std::vector<CDocTemplate*> m_templateList;
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    void OnFileNew();
    void OnAppExit();

    // ---- recent files
    // The recent-file list the menus offer in place of their "Recent File" item, in list order
    // (an empty entry is a free slot); FALSE when the application keeps no such list.
    virtual BOOL GetRecentFileList(std::vector<std::string>& files) const
    {
        files.clear();
        return FALSE;
    }

    // ---- user interaction
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void DoWaitCursor(int nCode);  // +1 begin, -1 end, 0 restore
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE hInstance);
// The module holding a resource: the resource module (one program, one module here).
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
LPCSTR AfxGetAppName();
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
void AfxWinTerm();
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// The wait cursor: +1 shows it (counted), -1 takes one back, 0 shows it again.
void AfxDoWaitCursor(int nCode);
// Registers the common-control classes the wrappers create (once per process).
void AfxInitCommonControls();

// The platform's ids for the application title string and the standard commands.
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_APP_EXIT 0xE141
#define ID_APP_ABOUT 0xE140
#define ID_HELP 0xE146
#define ID_CONTEXT_HELP 0xE145
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801
// The status bar's lock-key panes; the frame keeps them enabled while the key's lock is on.
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
#define ID_SEPARATOR 0
