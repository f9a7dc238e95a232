// The edit window a toolbar edit box button hosts: it tells its button when the mouse or the focus
// enters and leaves it, and takes the keys a toolbar would otherwise swallow (Tab, Esc and the
// Ctrl editing keys).
#pragma once

#include "framework/CEdit.h"

class CZAVPToolbarEditBoxButton;

class CZAVPToolbarEditCtrl : public CEdit
{
public:
    explicit CZAVPToolbarEditCtrl(CZAVPToolbarEditBoxButton& owner);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // TRUE when the key was one of ours and is consumed.
    BOOL HandleKey(UINT nChar);

    CZAVPToolbarEditBoxButton& m_owner;
    BOOL m_bTracking;  // mouse-leave tracking was asked for and has not ended
};
