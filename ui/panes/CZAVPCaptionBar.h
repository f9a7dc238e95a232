// The caption bar pane. Declared so far: its background colour, which the bar background reads.
#pragma once

#include "ui/docking/CZAVPControlBar.h"

class CZAVPCaptionBar : public CZAVPControlBar
{
    DECLARE_DYNCREATE(CZAVPCaptionBar)
public:
    CZAVPCaptionBar();

    COLORREF m_clrBarBackground;  // -1: none
};
