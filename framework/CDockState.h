// The platform's record of how its own control bars are docked, stored in the profile under
// "<name>-Summary" (bar count and the screen size it was taken on). Docking here is done by the
// UI library's own dock manager, so the platform docks no bar and the record lists none; it is
// still written and read in its stored form because saved layouts carry it.
#pragma once

#include "framework/CObject.h"
#include "framework/CRect.h"

class CDockState : public CObject
{
    DECLARE_DYNAMIC(CDockState)
public:
    CDockState() {}
    void LoadState(LPCSTR lpszProfileName);
    void SaveState(LPCSTR lpszProfileName);
    void Clear()
    {
        m_nBars = 0;
        m_sizeScreen = CSize(0, 0);
    }
    CSize GetScreenSize() const { return m_sizeScreen; }

    int m_nBars = 0;     // bars the stored record names ("Bars")
    CSize m_sizeScreen;  // screen size of the stored record (zero when none was read)
};
