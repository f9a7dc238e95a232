// The resource module, defaulting to the executable: Lornival is one statically linked program.
#include "framework/AfxResourceHandle.h"

#include <atomic>

namespace
{
std::atomic<HINSTANCE> g_resourceHandle{nullptr};
}

HINSTANCE AfxGetResourceHandle()
{
    HINSTANCE h = g_resourceHandle.load();
    return h != nullptr ? h : GetModuleHandleA(nullptr);
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_resourceHandle.store(hInstResource); }
