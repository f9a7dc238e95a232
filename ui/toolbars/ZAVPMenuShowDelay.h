// The delay before a hovered sub-menu opens: the user's "MenuShowDelay" from
// "Control Panel\Desktop", read once per process by the first popup menu bar.
#pragma once

#include <windows.h>

namespace ZAVPMenuShowDelay
{
const int kDefaultDelayMs = 500;  // when the value cannot be read
const UINT kMaxDelayMs = 5000;    // longer values, negative ones too, are cut to this

// The delay for the stored string; null when the value could not be read.
int Parse(LPCSTR lpszValue);

// Reads the value from HKEY_CURRENT_USER (read-only) and parses it.
int Read();
}  // namespace ZAVPMenuShowDelay
