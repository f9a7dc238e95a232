// Conversions between the catalogue's UTF-16 text and the narrow text of the user interface and
// the file system, both through the ANSI code page (CP_ACP).
#pragma once

#include <windows.h>
#include <string>

#include "framework/CString.h"

// nLength -1 converts up to the terminating NUL; otherwise exactly nLength units. Characters the
// code page lacks become the system's default character.
CString WideToAnsi(LPCWSTR text, int nLength = -1);
std::wstring AnsiToWide(LPCSTR text, int nLength = -1);
