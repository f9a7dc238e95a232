// The standard page of the colour dialog (see CColorPage1.h).
#include "ui/panes/CColorPage1.h"

#include "resources/UiLibraryResource.h"
#include "ui/foundation/ZAVPColorMath.h"
#include "ui/panes/CZAVPColorDialog.h"

IMPLEMENT_DYNAMIC(CColorPage1, CPropertyPage)

CColorPage1::CColorPage1() : CPropertyPage(IDD_ZAVP_COLOR_PAGE_STANDARD), m_pDialog(nullptr) {}

BOOL CColorPage1::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_hexpicker.SubclassDlgItem(IDC_ZAVP_COLOR_HEXAGONS, this);
    m_hexpicker_grey.SubclassDlgItem(IDC_ZAVP_COLOR_GREYS, this);
    CPalette* pPalette = m_pDialog != nullptr ? m_pDialog->GetPalette() : nullptr;
    m_hexpicker.SetPalette(pPalette);
    m_hexpicker.SetType(CZAVPColorPickerCtrl::Hexagons);
    m_hexpicker_grey.SetPalette(pPalette);
    m_hexpicker_grey.SetType(CZAVPColorPickerCtrl::Greys);
    if (m_pDialog != nullptr) {
        const COLORREF clr = m_pDialog->GetColor();
        m_hexpicker.SelectCellByColor(GetRValue(clr), GetGValue(clr), GetBValue(clr));
        m_hexpicker_grey.SelectCellByColor(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    }
    return TRUE;
}

void CColorPage1::OnPicked(CZAVPColorPickerCtrl& picker, CZAVPColorPickerCtrl& other)
{
    if (m_pDialog == nullptr) return;
    double h = 0, l = 0, s = 0;
    picker.GetHLS(&h, &l, &s);
    // The cell's own colour: converting its HLS back could be a channel off.
    const COLORREF clr = picker.GetSelectedCell() >= 0 ? picker.GetColor()
                                                       : ZAVPColorMath::HlsToRgb(h, l, s);
    m_pDialog->SetNewColor(clr);
    m_pDialog->SetPageTwo(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    other.SelectCellByColor(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    other.Invalidate();
}

BOOL CColorPage1::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
    if (nID == IDC_ZAVP_COLOR_HEXAGONS || nID == IDC_ZAVP_COLOR_GREYS) {
        CZAVPColorPickerCtrl& picker = nID == IDC_ZAVP_COLOR_HEXAGONS ? m_hexpicker
                                                                      : m_hexpicker_grey;
        CZAVPColorPickerCtrl& other = nID == IDC_ZAVP_COLOR_HEXAGONS ? m_hexpicker_grey
                                                                     : m_hexpicker;
        if (nCode == BN_CLICKED) OnPicked(picker, other);
        if (nCode == BN_DOUBLECLICKED && m_pDialog != nullptr) m_pDialog->EndDialog(IDOK);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}
