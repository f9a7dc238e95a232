// The colour dialog's page "Другой": the hue/saturation field, the luminance bar and the six
// numeric fields (hue, saturation, luminance, red, green, blue, 0..255 each, with up-downs).
// Any of them moves the others, the dialog's new colour and the standard page's cells.
#pragma once

#include "framework/CPropertyPage.h"
#include "ui/panes/CZAVPColorPickerCtrl.h"

class CZAVPColorDialog;

class CColorPage2 : public CPropertyPage
{
    DECLARE_DYNAMIC(CColorPage2)
public:
    CColorPage2();

    // Loads the fields and both pickers with the colour (kept until the page exists).
    void Setup(BYTE r, BYTE g, BYTE b);
    // The six fields as read from the edits; FALSE (values unchanged) when one is not a whole
    // number from 0 to 255.
    BOOL ReadFields();

    CZAVPColorDialog* m_pDialog;
    CZAVPColorPickerCtrl m_wndLum;     // 16973, the luminance bar
    CZAVPColorPickerCtrl m_wndColors;  // 16662, the hue/saturation field
    int m_r, m_g, m_b;                 // 0..255
    int m_l, m_h, m_s;                 // 0..255

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Writes the fields into the edits without reacting to their changes.
    void ShowFields();
    // The pickers, the dialog's new colour and the standard page follow the fields.
    void Follow(double dblHue, double dblLum, double dblSat, COLORREF clr);

    BOOL m_bInUpdate;  // the page itself is writing the edits
};
