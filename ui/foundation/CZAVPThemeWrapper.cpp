// Run-time access to the theme library (see CZAVPThemeWrapper.h).
#include "ui/foundation/CZAVPThemeWrapper.h"

#include "framework/CDC.h"
#include "framework/CString.h"
#include "framework/CWinThread.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPProgressMath.h"
#include "ui/toolbars/CZAVPButton.h"

namespace
{
const wchar_t* const kThemeClasses[CZAVPThemeWrapper::ThemeCount] = {
    L"TOOLBAR", L"REBAR",     L"BUTTON",      L"STATUS",   L"WINDOW",     L"COMBOBOX", L"PROGRESS",
    L"HEADER",  L"SCROLLBAR", L"EXPLORERBAR", L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR"};

// Parts and states of the theme library.
const int BP_PUSHBUTTON = 1;
const int PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4;
const int PP_BAR = 1, PP_CHUNK = 3;
const int kChunkInset = 3;

template <class Proc>
Proc Lookup(HMODULE hModule, const char* name)
{
    // Through void (*)(), the one function type every function pointer may be cast to and from.
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(hModule, name)));
}
}  // namespace

CZAVPThemeWrapper::CZAVPThemeWrapper() : CZAVPThemeWrapper(NoLibrary())
{
    m_bEntryPointsGiven = FALSE;
    m_hThemeDll = LoadLibraryA("UxTheme.dll");
    if (!m_hThemeDll) return;
    m_pfnOpenThemeData = Lookup<OpenThemeDataProc>(m_hThemeDll, "OpenThemeData");
    m_pfnCloseThemeData = Lookup<CloseThemeDataProc>(m_hThemeDll, "CloseThemeData");
    m_pfnDrawThemeBackground = Lookup<DrawThemeBackgroundProc>(m_hThemeDll, "DrawThemeBackground");
    m_pfnGetThemeColor = Lookup<GetThemeColorProc>(m_hThemeDll, "GetThemeColor");
    m_pfnGetThemeSysColor = Lookup<GetThemeSysColorProc>(m_hThemeDll, "GetThemeSysColor");
    m_pfnGetCurrentThemeName = Lookup<GetCurrentThemeNameProc>(m_hThemeDll, "GetCurrentThemeName");
    m_pfnGetWindowTheme = Lookup<GetWindowThemeProc>(m_hThemeDll, "GetWindowTheme");
    UpdateSystemColors();
}

CZAVPThemeWrapper::CZAVPThemeWrapper(NoLibrary)
    : m_hThemes{}, m_hThemeDll(nullptr), m_pfnOpenThemeData(nullptr), m_pfnCloseThemeData(nullptr),
      m_pfnDrawThemeBackground(nullptr), m_pfnGetThemeColor(nullptr),
      m_pfnGetThemeSysColor(nullptr), m_pfnGetCurrentThemeName(nullptr),
      m_pfnGetWindowTheme(nullptr), m_bEntryPointsGiven(TRUE)
{
}

CZAVPThemeWrapper::~CZAVPThemeWrapper()
{
    if (!m_hThemeDll) return;
    CleanUp();
    FreeLibrary(m_hThemeDll);
}

void CZAVPThemeWrapper::UpdateSystemColors()
{
    if (!m_hThemeDll && !m_bEntryPointsGiven) return;
    CleanUp();
    if (!m_pfnOpenThemeData || !m_pfnCloseThemeData || !m_pfnDrawThemeBackground) return;
    CWinThread* pThread = AfxGetThread();
    HWND hwnd = pThread && pThread->m_pMainWnd ? pThread->m_pMainWnd->GetSafeHwnd() : nullptr;
    for (int i = 0; i < ThemeCount; ++i) m_hThemes[i] = m_pfnOpenThemeData(hwnd, kThemeClasses[i]);
}

void CZAVPThemeWrapper::CleanUp()
{
    if (!m_pfnCloseThemeData) return;
    // The toolbar, rebar, status and button themes first, then the others in order.
    const int order[ThemeCount] = {ThemeToolbar,   ThemeRebar,       ThemeStatus,   ThemeButton,
                                   ThemeWindow,    ThemeComboBox,    ThemeProgress, ThemeHeader,
                                   ThemeScrollBar, ThemeExplorerBar, ThemeTreeView, ThemeStartPanel,
                                   ThemeTaskBand,  ThemeTaskBar};
    for (int i : order)
        if (m_hThemes[i]) {
            m_pfnCloseThemeData(m_hThemes[i]);
            m_hThemes[i] = nullptr;
        }
}

BOOL CZAVPThemeWrapper::DrawThemePart(ThemeClass nClass, CDC* pDC, int nPart, int nState,
                                      const RECT& rect)
{
    if (!m_hThemes[nClass] || !m_pfnDrawThemeBackground) return FALSE;
    return SUCCEEDED(m_pfnDrawThemeBackground(m_hThemes[nClass], pDC->GetSafeHdc(), nPart, nState,
                                              &rect, nullptr));
}

BOOL CZAVPThemeWrapper::DrawPushButton(CDC* pDC, CRect rect, CZAVPButton* pButton, UINT)
{
    if (!m_hThemes[ThemeButton]) return FALSE;
    int nState = PBS_NORMAL;
    HWND hwnd = pButton ? pButton->GetSafeHwnd() : nullptr;
    if (hwnd && !::IsWindowEnabled(hwnd))
        nState = PBS_DISABLED;
    else if (pButton && ((pButton->IsPushed() && pButton->IsHighlighted()) ||
                         (hwnd && ::SendMessageA(hwnd, BM_GETSTATE, 0, 0) != 0)))
        nState = PBS_PRESSED;
    else if (pButton && pButton->IsHighlighted())
        nState = PBS_HOT;
    if (pButton) globalData.DrawParentBackground(pButton, pDC, rect);
    DrawThemePart(ThemeButton, pDC, BP_PUSHBUTTON, nState, rect);
    return TRUE;
}

BOOL CZAVPThemeWrapper::DrawStatusBarProgress(CDC* pDC, CZAVPStatusBar*, CRect rectProgress,
                                              int nProgressTotal, int nProgressCurr, COLORREF,
                                              COLORREF, COLORREF, BOOL bProgressText)
{
    if (!m_hThemes[ThemeProgress]) return FALSE;
    DrawThemePart(ThemeProgress, pDC, PP_BAR, 0, rectProgress);
    if (nProgressTotal == 0) return TRUE;
    CRect rectChunk = rectProgress;
    rectChunk.DeflateRect(kChunkInset, kChunkInset);
    rectChunk.right = rectChunk.left + ZAVPProgressMath::FilledWidth(rectChunk.Width(),
                                                                     nProgressCurr, nProgressTotal);
    DrawThemePart(ThemeProgress, pDC, PP_CHUNK, 0, rectChunk);
    if (bProgressText) {
        CString strText;
        strText.Format("%d%%", ZAVPProgressMath::Percent(nProgressCurr, nProgressTotal));
        const COLORREF clrOld = pDC->SetTextColor(globalData.clrBtnText);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(strText, rectProgress, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }
    return TRUE;
}
