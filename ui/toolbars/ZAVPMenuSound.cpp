// The menu sound thread: it polls the request word every 5 ms and plays what was asked.
#include "ui/toolbars/ZAVPMenuSound.h"

#include <mmsystem.h>
#include <process.h>

#include "framework/CCriticalSection.h"
#include "framework/CSingleLock.h"

namespace ZAVPMenuSound
{
namespace
{
const DWORD kPollMs = 5;
const DWORD kPlayFlags = SND_ALIAS | SND_NODEFAULT | SND_NOWAIT;  // 0x12002
const char kCommandAlias[] = "MenuCommand";
const char kPopupAlias[] = "MenuPopup";

volatile LONG g_nRequest = kNoThread;
volatile LONG_PTR g_hThread = 0;
PlaySoundProc g_pfnPlaySound = ::PlaySoundA;

// Guards only the start of the thread; built on first use.
CCriticalSection& StartLock()
{
    static CCriticalSection s_lock;
    return s_lock;
}
}  // namespace

BOOL g_bSoundsEnabled = TRUE;

void SetPlaySoundProc(PlaySoundProc pfnPlaySound)
{
    g_pfnPlaySound = pfnPlaySound != nullptr ? pfnPlaySound : ::PlaySoundA;
}

int GetRequest() { return (int)::InterlockedCompareExchange(&g_nRequest, 0, 0); }

HANDLE GetThreadHandle()
{
    return (HANDLE)::InterlockedCompareExchangePointer((PVOID volatile*)&g_hThread, nullptr,
                                                       nullptr);
}
}  // namespace ZAVPMenuSound

using namespace ZAVPMenuSound;

void PlayMenuSound(int nSound)
{
    if (!g_bSoundsEnabled) return;
    if (GetRequest() == kNoThread) {
        if (nSound == kStop) return;  // nothing to stop
        CSingleLock lock(&StartLock(), TRUE);
        // Another caller may have started it while this one waited.
        if (GetRequest() == kNoThread) {
            const uintptr_t hThread = _beginthread(MenuSoundThreadProc, 0, nullptr);
            if (hThread != 0 && hThread != (uintptr_t)-1) {
                ::SetThreadPriority((HANDLE)hThread, THREAD_PRIORITY_BELOW_NORMAL);
                ::InterlockedExchangePointer((PVOID volatile*)&g_hThread, (PVOID)hThread);
                ::InterlockedExchange(&g_nRequest, nSound);
            } else
                ::InterlockedExchangePointer((PVOID volatile*)&g_hThread, nullptr);
        } else
            ::InterlockedExchange(&g_nRequest, nSound);
        return;
    }
    ::InterlockedExchange(&g_nRequest, nSound);
    if (nSound == kStop) ::InterlockedExchangePointer((PVOID volatile*)&g_hThread, nullptr);
}

void __cdecl MenuSoundThreadProc(void*)
{
    for (LONG nRequest = GetRequest(); nRequest != kStop; nRequest = GetRequest()) {
        const char* pszAlias = nRequest == kCommand ? kCommandAlias
                               : nRequest == kPopup ? kPopupAlias
                                                    : nullptr;
        if (pszAlias != nullptr) {
            g_pfnPlaySound(pszAlias, nullptr, kPlayFlags);
            // Clears only the request just played: a newer one stored meanwhile survives.
            ::InterlockedCompareExchange(&g_nRequest, kIdle, nRequest);
        }
        ::Sleep(kPollMs);
    }
    g_pfnPlaySound(nullptr, nullptr, SND_PURGE);
}
