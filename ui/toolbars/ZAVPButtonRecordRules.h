// Rules that the stored records of toolbar buttons share.
#pragma once

#include <windows.h>

// Whether the stored state in force was written by version nMajor.nMinor or later: a field that
// came with that version is then in every button record. Without a workspace, no such field.
bool ButtonRecordsFromVersion(int nMajor, int nMinor);

// A control a button hosts on its toolbar must be a child and nothing else: a popup or a missing
// child bit in a stored style would open a top-level window.
inline bool IsSaneHostedStyle(DWORD dwStyle)
{
    return (dwStyle & WS_CHILD) != 0 && (dwStyle & WS_POPUP) == 0;
}
