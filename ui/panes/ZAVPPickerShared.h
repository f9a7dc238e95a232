// What the calendar and colour pickers share: the style and id of the picker bar a popup embeds,
// the style of a bar torn off a popup, the frame that hears about popups, and the small routines
// both bars and both drop-down buttons run the same way (prompts, tooltips, the command state,
// the palette, the colour dialogs, the peers of a command, the parent a button is told of).
#pragma once

#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/CArray.h"
#include "framework/CRect.h"
#include "ui/toolbars/ZAVPPopupEffects.h"

class CDC;
class CFrameWnd;
class CPalette;
class CRuntimeClass;
class CWnd;
class CZAVPToolBar;
class CZAVPToolbarButton;
class CZAVPToolbarMenuButton;

namespace ZAVPPickerShared
{
const UINT kPopupBarId = 1;
// Child, visible, gripper, top-aligned, bottom border, hidden in place (0x50402808).
const DWORD kTearOffBarStyle = 0x50402808;
const DWORD kTooltipsFlyBy = 0x30;  // CBRS_TOOLTIPS | CBRS_FLYBY
const UINT kIdlePrompt = 0xE001;    // AFX_IDS_IDLEMESSAGE
// The embedded bar starts hidden while the popup animates (the animation shows it).
inline DWORD PopupBarStyle(int nAnimationType)
{
    const DWORD dwStyle = kTearOffBarStyle | kTooltipsFlyBy;
    return nAnimationType != ZAVPPopupEffects::AnimationNone ? dwStyle & ~WS_VISIBLE : dwStyle;
}
// 0 and -1 stand for no command.
inline BOOL IsRealCommand(UINT uiCmd) { return uiCmd != 0 && uiCmd != (UINT)-1; }

// The library's main frame (the application's main window), else the window's top-level frame.
CWnd* TopFrameOf(CWnd* pWnd);
// WM_SETMESSAGESTRING with the prompt to the bar's owner, else its parent.
void SendPrompt(HWND hwndBar, UINT uiPrompt);
// The prompt a picker bar shows: the idle text for -1 (argument or command), else its command.
UINT PromptFor(UINT uiCmdId, UINT uiBarCommand);
// The tooltip of the button under the point from its GetCustomToolTipText; -1 when none.
INT_PTR CustomToolTipHitTest(CZAVPToolBar* pBar, CPoint point, TOOLINFOA* pTI);
// Asks the command's state; when it changed, every button of the class gets or loses the
// disabled style and the bar is repainted. bEnabled holds the last state.
void UpdateCommandState(CZAVPToolBar& bar, UINT uiCmd, CFrameWnd* pTarget, BOOL bDisableIfNoHndler,
                        BOOL& bEnabled, const CRuntimeClass* pButtonClass);

// The colours of the palette's entries in entry order; null: the system's 20-entry default.
void PaletteColors(HPALETTE hPalette, CArray<COLORREF, COLORREF>& colors);
// A logical palette of the first nMax colours (8-bit displays); FALSE when none was made.
BOOL CreatePaletteOf(CPalette& palette, const CArray<COLORREF, COLORREF>& colors, int nMax);
// The system colour dialog (bStandard) or the library's, modal; TRUE and the colour on OK.
BOOL RunColorDialog(BOOL bStandard, COLORREF clrInit, COLORREF& clrResult);

// Every other button with the command on a toolbar with a window.
std::vector<CZAVPToolbarButton*> CommandPeers(UINT uiCmd, const CZAVPToolbarButton* pSelf);
// A picker drop-down told of its new parent: it always shows its arrow; in a menu bar it shows
// its text, in a popup menu it is a menu item, on another bar it is not.
void ApplyParent(CZAVPToolbarMenuButton& button, CWnd* pWndParent);
// The customisation list's look of a picker drop-down: the menu button's without its command,
// one pixel narrower on each side.
int DrawOnListWithoutCommand(CZAVPToolbarMenuButton& button, CDC* pDC, const CRect& rect,
                             BOOL bSelected);
}  // namespace ZAVPPickerShared
