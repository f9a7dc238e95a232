// Registration of the toolbar family's window messages, in the order they have always had.
#include "ui/toolbars/ZAVPToolBarMessages.h"

#include "ui/foundation/ZAVPRegisteredMessages.h"

namespace ZAVPToolBarMessages
{
using ZAVPRegisteredMessages::Register;

const UINT PopupMenu = Register("ZAVTOOLBAR_POPUPMENU");
const UINT Customize = Register("ZAVTOOLBAR_CUSTOMIZE");
const UINT Create = Register("ZAVTOOLBAR_CREATE");
const UINT Delete = Register("ZAVTOOLBAR_DELETE");
const UINT CustomizeHelp = Register("ZAVTOOLBAR_CUSTOMIZEHELP");
const UINT ResetToolbar = Register("ZAVTOOLBAR_RESETTOOLBAR");
const UINT ResetMenu = Register("ZAVTOOLBAR_RESETMENU");
const UINT ShowRegularMenu = Register("ZAVTOOLBAR_SHOWREGULARMENU");
const UINT ResetContextMenu = Register("ZAVTOOLBAR_RESETCONTEXTMENU");
const UINT ResetKeyboard = Register("ZAVTOOLBAR_RESETKEYBAORD");
const UINT ResetPrompt = Register("ZAVTOOLBAR_RESETRPROMPT");
}  // namespace ZAVPToolBarMessages
