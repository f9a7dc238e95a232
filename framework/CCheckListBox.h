// An owner-drawn list box whose items carry a check box. Check state and enabled state are kept
// per item beside the list's own items (item data stays the caller's); a click on the box or
// the space bar toggles it and tells the parent with CLBN_CHKCHANGE.
#pragma once

#include <vector>
#include "framework/CListBox.h"

#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)
public:
    // The style needs LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE, and LBS_HASSTRINGS.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetCheckStyle(UINT nStyle)
    {
        m_nStyle = nStyle;
    }  // BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE
    UINT GetCheckStyle() const { return m_nStyle; }
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;

protected:
    struct ItemState
    {
        int nCheck = 0;
        BOOL bEnabled = TRUE;
    };
    std::vector<ItemState> m_states;  // one per item, in item order
    UINT m_nStyle = BS_AUTOCHECKBOX;

    int CheckBoxWidth() const;
    void Toggle(int nIndex);
    void SyncCount();
};
