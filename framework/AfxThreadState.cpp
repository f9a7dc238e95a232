// The per-thread state of the window side, and the temporary-map clean-up list.
#include "framework/AfxThreadState.h"
#include "framework/CHandleMap.h"

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state;
    return &state;
}

void AfxRegisterTempMapCleanup(void (*pfn)())
{
    AfxGetThreadState()->m_tempMapCleanups.push_back(pfn);
}

void AfxDeleteTempMaps()
{
    for (auto pfn : AfxGetThreadState()->m_tempMapCleanups) pfn();
}
