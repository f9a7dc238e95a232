// A bar of fixed size along a side of its frame, laid out with the platform's bars. The print
// preview puts its commands on one; here it is a plain bar (no dialog template) that the window
// placed on it fills.
#pragma once

#include "framework/CControlBar.h"

class CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();

    // nStyle: CBRS_* side and borders.
    BOOL Create(CWnd* pParentWnd, UINT nStyle, UINT nID);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

    CSize m_sizeDefault;  // the bar's thickness in the frame's layout (its width when stretched)
};
