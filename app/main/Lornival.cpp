// Lornival.exe: the one application object. The framework's WinMain runs it.
#include "app/CTarnimelApp.h"

CTarnimelApp theApp;

// The framework's WinMain lives in a library; this reference makes the linker take it.
__attribute__((used)) static auto* const s_entry = &WinMain;
