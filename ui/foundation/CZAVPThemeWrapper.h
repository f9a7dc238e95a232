// Access to the system's visual styles without linking to the theme library: "UxTheme.dll" is
// loaded by name, its entry points looked up one by one, and every themed drawing operation
// reports whether it drew, so that the caller falls back to classic drawing when it did not.
#pragma once

#include <windows.h>

#include "framework/CRect.h"

class CDC;
class CZAVPButton;
class CZAVPStatusBar;

typedef HANDLE HTHEME_ZAVP;  // a theme handle of the theme library

class CZAVPThemeWrapper
{
public:
    // The window classes whose themes are opened, in this order.
    enum ThemeClass
    {
        ThemeToolbar,
        ThemeRebar,
        ThemeButton,
        ThemeStatus,
        ThemeWindow,
        ThemeComboBox,
        ThemeProgress,
        ThemeHeader,
        ThemeScrollBar,
        ThemeExplorerBar,
        ThemeTreeView,
        ThemeStartPanel,
        ThemeTaskBand,
        ThemeTaskBar,
        ThemeCount
    };

    // Entry points of the theme library.
    typedef HTHEME_ZAVP(WINAPI* OpenThemeDataProc)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI* CloseThemeDataProc)(HTHEME_ZAVP);
    typedef HRESULT(WINAPI* DrawThemeBackgroundProc)(HTHEME_ZAVP, HDC, int, int, const RECT*,
                                                     const RECT*);
    typedef HRESULT(WINAPI* GetThemeColorProc)(HTHEME_ZAVP, int, int, int, COLORREF*);
    typedef COLORREF(WINAPI* GetThemeSysColorProc)(HTHEME_ZAVP, int);
    typedef HRESULT(WINAPI* GetCurrentThemeNameProc)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    typedef HTHEME_ZAVP(WINAPI* GetWindowThemeProc)(HWND);

    CZAVPThemeWrapper();
    virtual ~CZAVPThemeWrapper();
    CZAVPThemeWrapper(const CZAVPThemeWrapper&) = delete;
    CZAVPThemeWrapper& operator=(const CZAVPThemeWrapper&) = delete;

    // Draws a push button in the "BUTTON" theme over its parent's background; FALSE when that
    // theme is not open (the state argument is not used).
    virtual BOOL DrawPushButton(CDC* pDC, CRect rect, CZAVPButton* pButton, UINT uiState);
    // Draws a progress bar in the "PROGRESS" theme; FALSE when that theme is not open.
    virtual BOOL DrawStatusBarProgress(CDC* pDC, CZAVPStatusBar* pStatusBar, CRect rectProgress,
                                       int nProgressTotal, int nProgressCurr, COLORREF clrBar,
                                       COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                       BOOL bProgressText);

    // Closes the themes and opens them again for the current thread's main window.
    void UpdateSystemColors();
    // Closes every open theme.
    void CleanUp();

    HTHEME_ZAVP GetTheme(ThemeClass nClass) const { return m_hThemes[nClass]; }
    BOOL IsThemeOpen(ThemeClass nClass) const { return m_hThemes[nClass] != nullptr; }
    // Draws one part of an open theme; FALSE when the theme is closed or the call fails.
    BOOL DrawThemePart(ThemeClass nClass, CDC* pDC, int nPart, int nState, const RECT& rect);

protected:
    // For a wrapper over entry points other than the system library's (tests): no library is
    // loaded; the caller sets the entry points and then calls UpdateSystemColors.
    struct NoLibrary
    {};
    explicit CZAVPThemeWrapper(NoLibrary);

    HTHEME_ZAVP m_hThemes[ThemeCount];
    HMODULE m_hThemeDll;
    OpenThemeDataProc m_pfnOpenThemeData;
    CloseThemeDataProc m_pfnCloseThemeData;
    DrawThemeBackgroundProc m_pfnDrawThemeBackground;
    GetThemeColorProc m_pfnGetThemeColor;
    GetThemeSysColorProc m_pfnGetThemeSysColor;
    GetCurrentThemeNameProc m_pfnGetCurrentThemeName;
    GetWindowThemeProc m_pfnGetWindowTheme;
    BOOL m_bEntryPointsGiven;  // the entry points came from the caller, not from the library
};
