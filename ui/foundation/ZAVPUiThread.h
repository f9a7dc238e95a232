// The UI library's process-wide mutable state (the global data block, the current input
// managers, the shared bar data, the image strips' memory DCs) belongs to the user-interface
// thread, taken to be the thread that first asks; none of it is locked. Where checks are on (the
// test programs) the thread is checked wherever that state is reached through a function.
#pragma once

#include <windows.h>

#include "framework/AfxCheck.h"

namespace ZAVPUiThread
{
// TRUE on the user-interface thread; the first thread to ask becomes it.
BOOL IsCurrent();
}  // namespace ZAVPUiThread

#define ZAVP_ASSERT_UI_THREAD() ASSERT(ZAVPUiThread::IsCurrent())
