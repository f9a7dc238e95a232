// The tasks pane: groups of task links in a docking pane. Declared so far: the offsets and the
// image list the visual manager reads while it draws groups and tasks.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/docking/CZAVPControlBar.h"

class CZAVPTasksPane : public CZAVPControlBar
{
    DECLARE_SERIAL(CZAVPTasksPane)
public:
    CZAVPTasksPane();

    int m_nGroupCaptionHorzOffset;  // -1: the look's tasks-pane metric
    int m_nGroupCaptionVertOffset;  // -1: the look's tasks-pane metric
    int m_nTasksHorzOffset;         // -1: the look's tasks-pane metric
    HIMAGELIST m_hImages;           // task images
};
