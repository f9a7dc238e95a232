// The text of one accelerator-table entry as menus and the keyboard page show it, for example
// "Ctrl+Shift+F5": modifier names first, then the key's name in the keyboard layout's words.
#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "framework/CString.h"

class CZAVPAccelText : public CObject
{
public:
    explicit CZAVPAccelText(const ACCEL* pAccel) : m_pAccel(pAccel) {}

    void Format(CString& str) const;

    // The name of a virtual key in the current keyboard layout, lower-cased but for its first
    // letter ("Ctrl", "Del"); empty when the layout has no name for it.
    static CString GetKeyName(UINT nVirtKey);

private:
    const ACCEL* m_pAccel;
};
