// The edit control over one cell of the item list while the cell is edited: it asks its parent
// about every typed character (NM_CHAR), so that Tab, Enter and Esc end the edit.
#pragma once
#include "framework/CEdit.h"

class InPlaceEdit : public CEdit
{
public:
    static const UINT ControlId = 256;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
