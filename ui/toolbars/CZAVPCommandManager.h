// The process's command-to-image map of the toolbars and its list of commands shown without
// images. Declared so far: what the workspace and the library clean-up use.
#pragma once

#include <windows.h>

#include "framework/CObject.h"

class CZAVPCommandManager : public CObject
{
public:
    CZAVPCommandManager();
    ~CZAVPCommandManager() override;

    // "CommandsWithoutImages" under "%sZAVCommandManager" of the state path.
    BOOL LoadState(LPCSTR lpszProfileName = nullptr);
    BOOL SaveState(LPCSTR lpszProfileName = nullptr);
    // Empties both image maps and the without-images list.
    void ClearAll();
};

// The process's command manager, never null once the statics are built.
CZAVPCommandManager* GetCommandManager();
