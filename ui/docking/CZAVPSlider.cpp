// The splitter between docked bars (see CZAVPSlider.h).
#include "ui/docking/CZAVPSlider.h"

IMPLEMENT_DYNAMIC(CZAVPSlider, CZAVPBaseControlBar)
