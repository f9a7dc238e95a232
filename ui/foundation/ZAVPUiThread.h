// The UI library's process-wide mutable state (the global data block, the current input
// managers, the shared bar data, the image strips' memory DCs) belongs to the user-interface
// thread, taken to be the thread that first asks; none of it is locked. Debug builds check the
// thread wherever that state is reached through a function.
#pragma once

#include <windows.h>

#include <cassert>

namespace ZAVPUiThread
{
// TRUE on the user-interface thread; the first thread to ask becomes it.
BOOL IsCurrent();
}  // namespace ZAVPUiThread

#ifdef NDEBUG
#define ZAVP_ASSERT_UI_THREAD() ((void)0)
#else
#define ZAVP_ASSERT_UI_THREAD() assert(ZAVPUiThread::IsCurrent())
#endif
