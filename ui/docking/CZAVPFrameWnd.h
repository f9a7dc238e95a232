// The single-document main frame of the library: a platform frame whose bars are docked by its
// own dock manager and whose menu bar, user toolbars and key handling live in its frame
// implementation. Declared so far: the two members the workspace and the keyboard manager reach.
#pragma once

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameImpl.h"

class CZAVPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CZAVPFrameWnd)
public:
    CZAVPFrameWnd();
    ~CZAVPFrameWnd() override;

    CZAVPFrameImpl m_Impl;              // constructed with this frame as its owner
    CZAVPDockManager m_dockManager;
};
