// The button of every toolbar and menu. Declared so far: the fields and queries the visual
// manager reads.
#pragma once

#include "framework/CObject.h"
#include "framework/CRect.h"
#include "framework/CString.h"

class CWnd;

// Button style bits beside the separator bit 0.
#ifndef TBBS_CHECKED
#define TBBS_CHECKED 0x10000
#define TBBS_PRESSED 0x20000
#define TBBS_DISABLED 0x40000
#define TBBS_INDETERMINATE 0x100000
#endif

class CZAVPToolbarButton : public CObject
{
    DECLARE_SERIAL(CZAVPToolbarButton)
public:
    CZAVPToolbarButton();

    virtual BOOL IsEditable() const;
    // TRUE while the button's popup menu is open.
    virtual BOOL IsDroppedDown() const;

    UINT m_nID;            // command id
    UINT m_nStyle;         // bit 0 separator, TBBS_* bits
    CString m_strText;
    CRect m_rect;
    BOOL m_bHorz;          // orientation of the bar at the last draw (TRUE: horizontal)
};
