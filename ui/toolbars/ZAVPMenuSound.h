// The menu sounds, played on a thread of their own so the user-interface thread never waits for
// the sound device. One pending request word is shared with that thread.
#pragma once

#include <windows.h>

namespace ZAVPMenuSound
{
// Requests kept in the shared word.
const int kNoThread = -2;  // no sound thread was started yet
const int kIdle = 0;
const int kCommand = 1;  // "MenuCommand"
const int kPopup = 2;    // "MenuPopup"
const int kStop = -1;    // the thread purges the sound and ends

// The call that plays a sound; PlaySoundA unless a test replaced it.
typedef BOOL(WINAPI* PlaySoundProc)(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound);
void SetPlaySoundProc(PlaySoundProc pfnPlaySound);

// Sounds switch: while FALSE, PlayMenuSound does nothing.
extern BOOL g_bSoundsEnabled;

int GetRequest();
HANDLE GetThreadHandle();
}  // namespace ZAVPMenuSound

// nSound: 1 command, 2 popup, -1 stop the thread.
void PlayMenuSound(int nSound);
void __cdecl MenuSoundThreadProc(void* pArg);
