// Process-wide data of the panes and pickers (see ZAVPPaneSharedData.h).
#include "ui/foundation/ZAVPPaneSharedData.h"

#include "ui/foundation/CZAVPImageStrip.h"

namespace ZAVPPaneSharedData
{
namespace
{
const INT_PTR kTableBlockSize = 10;
}  // namespace

CString* CalendarMonthNames()
{
    static CString s_names[kMonthCount];
    return s_names;
}

CZAVPImageStrip& PaneImages()
{
    static CZAVPImageStrip s_strip;
    return s_strip;
}

CMap<UINT, UINT, COLORREF, COLORREF>& CommandColors()
{
    // Hash size 17, the map's default.
    static CMap<UINT, UINT, COLORREF, COLORREF> s_colors(kTableBlockSize);
    return s_colors;
}

CMap<UINT, UINT, COleDateTime, const COleDateTime&>& CommandDates()
{
    static CMap<UINT, UINT, COleDateTime, const COleDateTime&> s_dates(kTableBlockSize);
    return s_dates;
}
}  // namespace ZAVPPaneSharedData
