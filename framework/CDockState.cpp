// The platform's dock-state record in the profile.
#include "framework/CDockState.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDockState, CObject)

void CDockState::LoadState(LPCSTR lpszProfileName)
{
    Clear();
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    CString section = CString(lpszProfileName) + "-Summary";
    m_nBars = (int)pApp->GetProfileInt(section, "Bars", 0);
    m_sizeScreen = CSize((int)pApp->GetProfileInt(section, "ScreenCX", 0),
                         (int)pApp->GetProfileInt(section, "ScreenCY", 0));
}

void CDockState::SaveState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    CString section = CString(lpszProfileName) + "-Summary";
    pApp->WriteProfileString(section, nullptr, nullptr);  // the old record goes first
    m_nBars = 0;                                          // the platform docks no bar here
    m_sizeScreen = CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    pApp->WriteProfileInt(section, "Bars", m_nBars);
    pApp->WriteProfileInt(section, "ScreenCX", m_sizeScreen.cx);
    pApp->WriteProfileInt(section, "ScreenCY", m_sizeScreen.cy);
}
