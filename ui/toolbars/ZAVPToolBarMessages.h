// The toolbar family's registered window messages, through which toolbars, frames, menus and the
// customisation sheet talk; registered once per process before WinMain.
#pragma once

#include <windows.h>

namespace ZAVPToolBarMessages
{
extern const UINT PopupMenu;         // "ZAVTOOLBAR_POPUPMENU"
extern const UINT Customize;         // "ZAVTOOLBAR_CUSTOMIZE"
extern const UINT Create;            // "ZAVTOOLBAR_CREATE"
extern const UINT Delete;            // "ZAVTOOLBAR_DELETE"
extern const UINT CustomizeHelp;     // "ZAVTOOLBAR_CUSTOMIZEHELP"
extern const UINT ResetToolbar;      // "ZAVTOOLBAR_RESETTOOLBAR"
extern const UINT ResetMenu;         // "ZAVTOOLBAR_RESETMENU"
extern const UINT ShowRegularMenu;   // "ZAVTOOLBAR_SHOWREGULARMENU"
extern const UINT ResetContextMenu;  // "ZAVTOOLBAR_RESETCONTEXTMENU"
extern const UINT ResetKeyboard;     // "ZAVTOOLBAR_RESETKEYBAORD" (spelled so)
extern const UINT ResetPrompt;       // "ZAVTOOLBAR_RESETRPROMPT" (spelled so)
}  // namespace ZAVPToolBarMessages
