// The plain rules of the customisation sheet and its pages: how a command's text is cleaned for
// the lists, which pages a sheet carries, when a list shows a button's menu path, the shortcut
// capture of the keyboard page, edits of an accelerator table copy, and the user-tools limit.
// No windows here; the sheet and the pages gather their inputs and apply the answers.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CString.h"

namespace ZAVPCustomizeRules
{
// Options of the customisation sheet, as the caller gives them.
enum : DWORD
{
    kOptMenuShadows = 0x01,    // no effect of its own on the sheet (see CZAVPMenuPage)
    kOptTextLabels = 0x02,     // the toolbars page shows its text-labels box
    kOptLook2000 = 0x04,       // the options page offers the 2000 look
    kOptMenuAnimation = 0x08,  // no effect of its own on the sheet (see CZAVPMenuPage)
    kOptNoHelp = 0x10,
    kOptContextHelp = 0x20,
    kOptReserved = 0x40,  // always cleared
    kOptNoTools = 0x80,
    kOptAmpersands = 0x100,  // '&' stays in command texts
};

// Command ids of an MDI frame's window menu: a menu with one of them is the window menu.
const UINT kFirstWindowCmd = 0xE130;
const UINT kLastWindowCmd = 0xE13F;
inline bool IsWindowMenuCommand(UINT uiCmd)
{
    return uiCmd >= kFirstWindowCmd && uiCmd <= kLastWindowCmd;
}

// The text of a command or menu item as the lists show it: '&' removed unless allowed, cut at
// the first tab (the accelerator text).
CString CleanCommandText(const CString& strText, BOOL bAllowAmpersands);
// The part of a command's prompt string after the first '\n' (empty when none).
CString PromptName(const CString& strPrompt);
// The user text of a button found under a menu path: path and text run together, each word
// capitalised and the spaces dropped ("Файл " + "открыть проект" -> "ФайлОткрытьПроект"), cut at
// the first tab.
CString MenuPathUserText(const CString& strPath, const CString& strText);
// A command list shows the button's user text instead of its text: in the all-commands list, or
// when two or more buttons of the category carry the same text.
inline bool UseUserText(bool bAllCommands, int nSameText, const CString& strUserText)
{
    return !strUserText.IsEmpty() && (bAllCommands || nSameText >= 2);
}

// The pages of a sheet, in the order the sheet adds them.
enum PageKind
{
    kCommandsPage,
    kToolbarsPage,
    kToolsPage,
    kKeyboardPage,
    kMenuPage,
    kMousePage,
    kExtraPage,  // one per extra page the caller listed
    kOptionsPage,
};
struct PageInputs
{
    DWORD dwOptions = 0;
    bool bToolsManager = false;
    bool bKeyboardManager = false;
    bool bFrameAccelerators = false;  // the frame has an accelerator table
    bool bContextMenuManager = false;
    bool bFrameMenuBar = false;  // the frame is a library frame with a menu bar
    bool bMouseManager = false;
    int nExtraPages = 0;
};
std::vector<PageKind> SheetPages(const PageInputs& in);

// The shortcut capture of the keyboard page: modifiers follow their keys while no key is
// defined; the first other key after the control became ready defines the combination.
struct KeyCapture
{
    enum Result
    {
        kSwallow,  // the message is eaten, the text stays
        kShow,     // the message is eaten, the text shows the combination
        kPassOn,   // the message goes on to the dialog (Tab leaves the control)
    };
    BOOL bDefined = FALSE;
    BOOL bReady = FALSE;
    ACCEL accel = {0, 0, 0};

    void Reset()
    {
        bDefined = FALSE;
        accel = ACCEL{0, 0, 0};
    }
    // A key message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP) with its lParam; bReset
    // tells the caller to empty the control's text.
    Result OnKey(UINT message, UINT nVirtKey, LPARAM lParam, bool& bReset);
};

// The flags that make two accelerators the same key.
const BYTE kAccelKeyMask = FVIRTKEY | FSHIFT | FCONTROL | FALT;
// The first entry with the key and the flags (under kAccelKeyMask), -1 when none.
int FindAccel(const std::vector<ACCEL>& table, WORD wKey, BYTE fVirt);
// The table with the entry added last, and the table without entry nIndex (unchanged for a bad
// index).
std::vector<ACCEL> AddAccel(const std::vector<ACCEL>& table, const ACCEL& accel);
std::vector<ACCEL> RemoveAccel(const std::vector<ACCEL>& table, int nIndex);

// A new user tool fits while the manager holds fewer tools than its command range has ids.
inline bool CanAddTool(int nTools, UINT uiFirstCmd, UINT uiLastCmd)
{
    const int nRange = uiLastCmd >= uiFirstCmd ? (int)(uiLastCmd - uiFirstCmd + 1) : 0;
    return nTools < nRange;
}
}  // namespace ZAVPCustomizeRules
