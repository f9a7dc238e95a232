// The module whose resources the framework loads (strings, and later dialogs and menus): the
// program's own executable unless set otherwise.
#pragma once

#include <windows.h>

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
