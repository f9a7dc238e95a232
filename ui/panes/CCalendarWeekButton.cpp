// A week-day header of the calendar bar (see CCalendarWeekButton.h).
#include "ui/panes/CCalendarWeekButton.h"

IMPLEMENT_SERIAL(CCalendarWeekButton, CZAVPCalendarButton, 1)
