// The colour picker built as a button bar, shown in the colour drop-down popup or on its own.
// Declared so far: the fact the looks read while they paint its background.
#pragma once

#include "ui/toolbars/CZAVPPopupMenuBar.h"

class CZAVPColorBar : public CZAVPPopupMenuBar
{
    DECLARE_SERIAL(CZAVPColorBar)
public:
    CZAVPColorBar();

    // TRUE for a bar of its own (made by the default or the copying constructor), FALSE for the
    // bar inside a colour popup; a bar of its own is painted like a toolbar, the other like a menu.
    BOOL IsStandalone() const { return m_bStandalone; }

protected:
    BOOL m_bStandalone;
};
