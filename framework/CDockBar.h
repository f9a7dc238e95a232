// The platform's dock bar class. Docking here is done by the UI library's own dock bars; this
// class exists so that code can ask whether a window is one (IsKindOf) and name it in calls.
#pragma once

#include "framework/CControlBar.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE) : m_bFloating(bFloating) {}
    BOOL m_bFloating;
};
