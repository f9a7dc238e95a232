// The pane in which the outlook window wraps a page that is no docking pane of its own (the
// outlook panes are toolbars): dragged away and dropped on another pane, it makes an outlook bar.
#pragma once

#include "ui/docking/CZAVPDockingCBWrapper.h"

class CZAVPOutlookBarDockingPane : public CZAVPDockingCBWrapper
{
    DECLARE_SERIAL(CZAVPOutlookBarDockingPane)
public:
    CZAVPOutlookBarDockingPane();

    BOOL CreateEx(DWORD dwStyleEx, LPCSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                  BOOL bHasGripper, UINT nID, DWORD dwStyle,
                  DWORD dwTabbedStyle = ZAVP_CBRS_REGULAR_TABS,
                  DWORD dwControlBarStyle = ZAVP_CBRS_DOCKING_DEFAULT,
                  CCreateContext* pContext = nullptr) override;
    using CZAVPDockingCBWrapper::CreateEx;
};
