// What the OLE data-transfer classes share: the drop-effect type and whether OLE is initialised.
#pragma once

#include <windows.h>
#include <ole2.h>

typedef DWORD DROPEFFECT;

// Initialises the single-threaded OLE library that drag and drop needs, on the calling thread.
// FALSE when it cannot (COM already runs multithreaded there, as in the catalogue program).
BOOL AfxOleInit();
// Ends what AfxOleInit began on this thread; nothing when it did not succeed.
void AfxOleTerm();
// TRUE on a thread where AfxOleInit succeeded: only there do drags run through OLE and windows
// register as drop targets.
BOOL AfxOleGetInitialized();
