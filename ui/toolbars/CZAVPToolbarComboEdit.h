// The edit a flat combo box button shows over its editable combo: it tells its button when the
// mouse or the focus comes and goes, and turns the keys into the combo's (Enter runs the command,
// the arrows drop or walk the list, Tab moves on, Esc goes back to the frame).
#pragma once

#include "framework/CEdit.h"

class CZAVPToolbarComboBoxButton;

class CZAVPToolbarComboEdit : public CEdit
{
public:
    explicit CZAVPToolbarComboEdit(CZAVPToolbarComboBoxButton& owner);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // TRUE when the key was one of ours and is consumed.
    BOOL HandleKey(UINT nChar);

    CZAVPToolbarComboBoxButton& m_owner;
    BOOL m_bTracking;  // mouse-leave tracking was asked for and has not ended
};
