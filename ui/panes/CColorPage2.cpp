// The custom page of the colour dialog (see CColorPage2.h).
#include "ui/panes/CColorPage2.h"

#include <commctrl.h>

#include "resources/UiLibraryResource.h"
#include "ui/foundation/ZAVPColorMath.h"
#include "ui/panes/CZAVPColorDialog.h"
#include "ui/panes/ZAVPColorPickerMath.h"

IMPLEMENT_DYNAMIC(CColorPage2, CPropertyPage)

namespace
{
const int kMaxValue = 255;
struct Field
{
    UINT nEdit, nSpin;
};
// In the order of the members r, g, b, l, h, s.
const Field kFields[] = {{IDC_ZAVP_COLOR_RED, IDC_ZAVP_COLOR_RED_SPIN},
                         {IDC_ZAVP_COLOR_GREEN, IDC_ZAVP_COLOR_GREEN_SPIN},
                         {IDC_ZAVP_COLOR_BLUE, IDC_ZAVP_COLOR_BLUE_SPIN},
                         {IDC_ZAVP_COLOR_LUMINANCE, IDC_ZAVP_COLOR_LUMINANCE_SPIN},
                         {IDC_ZAVP_COLOR_HUE, IDC_ZAVP_COLOR_HUE_SPIN},
                         {IDC_ZAVP_COLOR_SATURATION, IDC_ZAVP_COLOR_SATURATION_SPIN}};
}  // namespace

CColorPage2::CColorPage2()
    : CPropertyPage(IDD_ZAVP_COLOR_PAGE_CUSTOM), m_pDialog(nullptr), m_r(0), m_g(0), m_b(0), m_l(0),
      m_h(0), m_s(0), m_bInUpdate(FALSE)
{
}

BOOL CColorPage2::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_wndLum.SubclassDlgItem(IDC_ZAVP_COLOR_LUMINANCE_BAR, this);
    m_wndColors.SubclassDlgItem(IDC_ZAVP_COLOR_SWATCH, this);
    CPalette* pPalette = m_pDialog != nullptr ? m_pDialog->GetPalette() : nullptr;
    m_wndLum.SetType(CZAVPColorPickerCtrl::LuminanceBar);
    m_wndLum.SetPalette(pPalette);
    m_wndColors.SetType(CZAVPColorPickerCtrl::HueSaturation);
    m_wndColors.SetPalette(pPalette);
    for (const Field& f : kFields) {
        ::SendDlgItemMessageA(m_hWnd, f.nSpin, UDM_SETRANGE32, 0, kMaxValue);
        ::SendDlgItemMessageA(m_hWnd, f.nEdit, EM_LIMITTEXT, 3, 0);
    }
    Setup((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    return TRUE;
}

void CColorPage2::Setup(BYTE r, BYTE g, BYTE b)
{
    m_r = r;
    m_g = g;
    m_b = b;
    double h = 0, s = 0, l = 0;
    ZAVPColorMath::RgbToHls(RGB(r, g, b), &h, &s, &l);
    m_h = ZAVPColorPickerMath::UnitToChannel(h);
    m_s = ZAVPColorPickerMath::UnitToChannel(s);
    m_l = ZAVPColorPickerMath::UnitToChannel(l);
    if (m_hWnd == nullptr) return;
    ShowFields();
    m_wndColors.SetHLS(h, l, s);
    m_wndLum.SetHLS(h, l, s);
}

void CColorPage2::ShowFields()
{
    const int* values[] = {&m_r, &m_g, &m_b, &m_l, &m_h, &m_s};
    m_bInUpdate = TRUE;
    for (int i = 0; i < 6; ++i) ::SetDlgItemInt(m_hWnd, kFields[i].nEdit, (UINT)*values[i], FALSE);
    m_bInUpdate = FALSE;
}

BOOL CColorPage2::ReadFields()
{
    int read[6] = {};
    for (int i = 0; i < 6; ++i) {
        BOOL bOk = FALSE;
        const UINT n = ::GetDlgItemInt(m_hWnd, kFields[i].nEdit, &bOk, FALSE);
        if (!bOk || n > (UINT)kMaxValue) return FALSE;
        read[i] = (int)n;
    }
    m_r = read[0];
    m_g = read[1];
    m_b = read[2];
    m_l = read[3];
    m_h = read[4];
    m_s = read[5];
    return TRUE;
}

void CColorPage2::Follow(double dblHue, double dblLum, double dblSat, COLORREF clr)
{
    m_wndColors.SetHLS(dblHue, dblLum, dblSat);
    m_wndLum.SetHLS(dblHue, dblLum, dblSat);
    if (m_pDialog == nullptr) return;
    m_pDialog->SetNewColor(clr);
    m_pDialog->SetPageOne(GetRValue(clr), GetGValue(clr), GetBValue(clr));
}

BOOL CColorPage2::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
    if (nCode == EN_CHANGE && nID >= IDC_ZAVP_COLOR_RED && nID <= IDC_ZAVP_COLOR_HUE) {
        if (m_bInUpdate || !ReadFields()) return TRUE;
        if (nID <= IDC_ZAVP_COLOR_BLUE) {
            // Red, green or blue: hue, saturation and luminance follow.
            const COLORREF clr = RGB(m_r, m_g, m_b);
            double h = 0, s = 0, l = 0;
            ZAVPColorMath::RgbToHls(clr, &h, &s, &l);
            m_h = ZAVPColorPickerMath::UnitToChannel(h);
            m_s = ZAVPColorPickerMath::UnitToChannel(s);
            m_l = ZAVPColorPickerMath::UnitToChannel(l);
            ShowFields();
            Follow(h, l, s, clr);
        } else {
            const double h = m_h / 255.0, l = m_l / 255.0, s = m_s / 255.0;
            const COLORREF clr = ZAVPColorMath::HlsToRgb(h, l, s);
            m_r = GetRValue(clr);
            m_g = GetGValue(clr);
            m_b = GetBValue(clr);
            ShowFields();
            Follow(h, l, s, clr);
        }
        return TRUE;
    }
    if (nID == IDC_ZAVP_COLOR_LUMINANCE_BAR || nID == IDC_ZAVP_COLOR_SWATCH) {
        if (nCode == BN_DOUBLECLICKED && nID == IDC_ZAVP_COLOR_SWATCH && m_pDialog != nullptr) {
            m_pDialog->EndDialog(IDOK);
            return TRUE;
        }
        if (nCode != BN_CLICKED) return TRUE;
        CZAVPColorPickerCtrl& picker = nID == IDC_ZAVP_COLOR_SWATCH ? m_wndColors : m_wndLum;
        double h = 0, l = 0, s = 0;
        picker.GetHLS(&h, &l, &s);
        const COLORREF clr = ZAVPColorMath::HlsToRgb(h, l, s);
        m_r = GetRValue(clr);
        m_g = GetGValue(clr);
        m_b = GetBValue(clr);
        m_h = ZAVPColorPickerMath::UnitToChannel(h);
        m_l = ZAVPColorPickerMath::UnitToChannel(l);
        m_s = ZAVPColorPickerMath::UnitToChannel(s);
        ShowFields();
        Follow(h, l, s, clr);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}
