// The colour dialog's page "Стандартный": the honeycomb and the grey row. A click picks the cell's
// colour for the dialog; a double click ends the dialog with it.
#pragma once

#include "framework/CPropertyPage.h"
#include "ui/panes/CZAVPColorPickerCtrl.h"

class CZAVPColorDialog;

class CColorPage1 : public CPropertyPage
{
    DECLARE_DYNAMIC(CColorPage1)
public:
    CColorPage1();

    CZAVPColorDialog* m_pDialog;
    CZAVPColorPickerCtrl m_hexpicker;       // 16974, the honeycomb
    CZAVPColorPickerCtrl m_hexpicker_grey;  // 16972, the grey row

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPicked(CZAVPColorPickerCtrl& picker, CZAVPColorPickerCtrl& other);
};
