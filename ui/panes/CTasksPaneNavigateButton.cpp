// The tasks pane's navigate button: only its run-time record lives here.
#include "ui/panes/CTasksPaneNavigateButton.h"

IMPLEMENT_SERIAL(CTasksPaneNavigateButton, CZAVPToolbarButton, 1)
