// Popups ask for menu sounds; the tests' Wine has no sound device, so the sound thread gets a
// player that plays nothing.
#pragma once

#include "ui/toolbars/ZAVPMenuSound.h"

inline BOOL WINAPI PlayNoSound(LPCSTR, HMODULE, DWORD) { return TRUE; }

inline void SilenceMenuSounds() { ZAVPMenuSound::SetPlaySoundProc(PlayNoSound); }
