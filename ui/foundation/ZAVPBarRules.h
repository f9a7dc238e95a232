// One-line rules the control-bar family and the toolbars share, the commands customisation
// leaves alone, and the process-wide values bars read while they are dragged.
#pragma once

#include <windows.h>

class CCriticalSection;

namespace ZAVPBarRules
{
// A bar's fixed size: 32767 along a stretched side, 0 otherwise.
SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz);
// (16, 40) for a horizontal bar, (40, 16) for a vertical one.
SIZE GetMinSize(BOOL bHorz);

// What a bar's row height is made of; a value <= 0 means "not set".
struct RowInputs
{
    int fixedRowHeight;  // the toolbar's own fixed row height
    BOOL isMenuBar;
    int menuButtonHeight;     // the menu bars' button height
    int defaultButtonHeight;  // the toolbars' default button height
    int buttonHeight;         // this bar's button height
    DWORD barStyle;           // CBRS_* bits; 0xA000 = docked top or bottom
    int textHeight;           // the regular text height
    int verticalTextHeight;   // the vertical text height
};
int GetRowHeight(const RowInputs& in);
// A menu bar's menu-button width when set, else the default button width; any other bar's
// button width.
int GetColumnWidth(BOOL bIsMenuBar, int menuButtonWidth, int defaultButtonWidth, int buttonWidth);

// Commands customisation leaves alone: recent files, system commands, window list, OLE verbs
// and the user-tools placeholder.
BOOL IsReservedCommandId(UINT uiCmdId);

// Drag thresholds of the system (SM_CXDRAG, SM_CYDRAG), read once at start-up.
extern const int g_nDragCx;
extern const int g_nDragCy;
// The lock the control bars take around their shared state.
CCriticalSection& BarLock();
}  // namespace ZAVPBarRules
