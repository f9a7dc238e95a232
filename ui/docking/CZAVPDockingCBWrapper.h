// A docking pane that hosts one window of any kind (a view, a library bar) so that it docks,
// floats and tabs like any pane; the wrapped window always fills the pane, and its title is kept
// in the registry as "BarName".
#pragma once

#include "framework/CRect.h"
#include "ui/docking/CZAVPDockingControlBar.h"

class CZAVPDockingCBWrapper : public CZAVPDockingControlBar
{
    DECLARE_SERIAL(CZAVPDockingCBWrapper)
public:
    CZAVPDockingCBWrapper();
    ~CZAVPDockingCBWrapper() override;

    // "%sZAVPDockingCBWrapper-%d%x" under the control bars' section: "BarName", then the
    // control bar's own state.
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;

    // The window becomes the wrapper's child; a library bar hands over its sides and states.
    virtual BOOL SetWrappedWnd(CWnd* pWnd);
    virtual CWnd* GetWrappedWnd() const { return m_pWnd; }

    // The key of the wrapper's state for a profile, index and id.
    static CString WrapperKey(LPCSTR lpszProfileName, int nIndex, UINT uiID);

    CRect m_rectDefault;     // 30, 30, 180, 180
    DWORD m_dwEnabledAlign;  // sides for a wrapped window that is not a library bar
protected:
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pWnd;  // not owned
};
