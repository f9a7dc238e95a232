// The owner-drawn push button from which the tab window's scroll buttons derive. Declared so far:
// the state the visual manager reads.
#pragma once

#include "framework/CWnd.h"

class CZAVPButton : public CWnd
{
    DECLARE_DYNAMIC(CZAVPButton)
public:
    CZAVPButton();

    BOOL IsPushed() const { return m_bPushed; }
    BOOL IsHighlighted() const { return m_bHighlighted; }

protected:
    BOOL m_bPushed;        // held down by the mouse
    BOOL m_bHighlighted;   // under the mouse
};
