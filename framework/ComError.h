// The COM error the catalogue's worker threads throw by value (_com_error(E_UNEXPECTED),
// _com_error(E_INVALIDARG)) and catch at the thread's boundary. The class is the compiler's COM
// support one, so code that includes <comdef.h> directly sees the same type.
#pragma once

#include <windows.h>
#include <comdef.h>
