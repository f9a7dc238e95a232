// The docking control bar (see CZAVPControlBar.h).
#include "ui/docking/CZAVPControlBar.h"

IMPLEMENT_DYNAMIC(CZAVPControlBar, CZAVPBaseControlBar)
