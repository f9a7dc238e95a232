// The hand cursor the panes show over their links and page buttons: loaded once from the
// library's cursor resource, the arrow when the resource is missing.
#pragma once

#include <windows.h>

HCURSOR ZAVPPaneHandCursor();
