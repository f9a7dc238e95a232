// What the OLE data-transfer classes share: the drop-effect type and whether OLE is initialised.
#pragma once

#include <windows.h>
#include <ole2.h>

typedef DWORD DROPEFFECT;

// TRUE when OLE (the single-threaded OLE library that drag and drop needs) was initialised by the
// framework. The program initialises COM multithreaded instead and the framework never calls
// OleInitialize, so drag and drop stays off.
BOOL AfxOleGetInitialized();
