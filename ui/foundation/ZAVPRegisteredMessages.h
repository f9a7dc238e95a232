// Window messages of the UI library registered with the system by name, once per process before
// WinMain, so every window of the process agrees on their ids. The toolbar family registers its
// own ("ZAVTOOLBAR_CREATE" and the rest) beside its code.
#pragma once

#include <windows.h>

namespace ZAVPRegisteredMessages
{
extern const UINT CheckEmptyMiniFrame;   // "ZAVPMSG_CHECKEMPTYMINIFRAME"
extern const UINT CheckEmptySlider;      // "ZAVPMSG_CHECKEMPTYSLIDER"
extern const UINT OnRenameTab;           // "ZAVM_ON_RENAME_TAB"
extern const UINT OnChangeActiveTab;     // "ZAVM_ONCHANGE_ACTIVE_TAB"
extern const UINT OnMoveTab;             // "ZAVM_ON_MOVE_TAB"
extern const UINT OnChangingActiveTab;   // "ZAVM_ON_CHANGING_ACTIVE_TAB"
extern const UINT OnHScroll;             // "ZAVM_ON_HSCROLL"
extern const UINT CalendarOnSelChanged;  // "ZAVM_CALENDAR_ON_SELCHANGED"
extern const UINT WindowHelp;            // "WINDOW_HELP"
extern const UINT DateTimeHoldTimer;     // "ZAVDATETIME_HOLDTIMER"
extern const UINT PropertyChanged;       // "ZAVM_PROPERTYCHANGED"
extern const UINT GetDocumentColors;     // "ZAVTOOLBAR__GETDOCUMENTCOLORS"

// The same ids for code that runs while the statics are still being built: registering a name
// twice answers the same id.
UINT Register(const char* lpszName);
}  // namespace ZAVPRegisteredMessages
