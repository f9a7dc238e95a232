// Process-wide data of the panes and pickers (calendar, colour bar, panes' images) that the
// library builds at start and frees at exit. The panes own their meaning and fill them; they are
// defined here because the library's static data is built in one place.
#pragma once

#include <windows.h>

#include "framework/CMap.h"
#include "framework/COleDateTime.h"
#include "framework/CString.h"

class CZAVPImageStrip;

namespace ZAVPPaneSharedData
{
const int kMonthCount = 12;
// Names of the twelve months, January first; empty until the calendar fills them.
CString* CalendarMonthNames();
// The image strip shared by the panes; empty until a pane loads it.
CZAVPImageStrip& PaneImages();
// The colour last picked for each command of the colour pickers (command id -> COLORREF).
CMap<UINT, UINT, COLORREF, COLORREF>& CommandColors();
// The date last picked for each command of the calendar pickers (command id -> date).
CMap<UINT, UINT, COleDateTime, const COleDateTime&>& CommandDates();
}  // namespace ZAVPPaneSharedData
