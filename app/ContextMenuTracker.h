// Shows the catalogue views' context popups: at the cursor, right button, and the chosen command
// as the answer (0 when the menu is dismissed), without a command-update pass. One tracker serves
// the process; a test puts its own in place to answer the menus it is shown.
#pragma once
#include <windows.h>

class ContextMenuTracker
{
public:
    virtual ~ContextMenuTracker() = default;
    virtual UINT Track(HMENU popup, HWND owner) = 0;

    // The tracker in force: the one set, else the system's own.
    static ContextMenuTracker& Current();
    // Null puts the system's own back.
    static void Set(ContextMenuTracker* tracker);
};
