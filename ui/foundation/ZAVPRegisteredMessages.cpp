// Registration of the UI library's window messages (see ZAVPRegisteredMessages.h).
#include "ui/foundation/ZAVPRegisteredMessages.h"

namespace ZAVPRegisteredMessages
{
UINT Register(const char* lpszName) { return ::RegisterWindowMessageA(lpszName); }

const UINT CheckEmptyMiniFrame = Register("ZAVPMSG_CHECKEMPTYMINIFRAME");
const UINT CheckEmptySlider = Register("ZAVPMSG_CHECKEMPTYSLIDER");
const UINT OnRenameTab = Register("ZAVM_ON_RENAME_TAB");
const UINT OnChangeActiveTab = Register("ZAVM_ONCHANGE_ACTIVE_TAB");
const UINT OnMoveTab = Register("ZAVM_ON_MOVE_TAB");
const UINT OnChangingActiveTab = Register("ZAVM_ON_CHANGING_ACTIVE_TAB");
const UINT OnHScroll = Register("ZAVM_ON_HSCROLL");
const UINT CalendarOnSelChanged = Register("ZAVM_CALENDAR_ON_SELCHANGED");
const UINT WindowHelp = Register("WINDOW_HELP");
const UINT DateTimeHoldTimer = Register("ZAVDATETIME_HOLDTIMER");
const UINT PropertyChanged = Register("ZAVM_PROPERTYCHANGED");
const UINT GetDocumentColors = Register("ZAVTOOLBAR__GETDOCUMENTCOLORS");
}  // namespace ZAVPRegisteredMessages
