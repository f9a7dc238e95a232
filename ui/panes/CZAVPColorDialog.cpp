// The library's colour dialog (see CZAVPColorDialog.h).
#include "ui/panes/CZAVPColorDialog.h"

#include <vector>

#include "framework/CColorDialog.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/panes/CPropertySheetCtrl.h"

IMPLEMENT_DYNAMIC(CZAVPColorDialog, CDialog)

BEGIN_MESSAGE_MAP(CZAVPColorDialog, CDialog)
ON_WM_DESTROY()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace
{
const DWORD kSystemDialogFlags = CC_FULLOPEN | CC_ANYCOLOR;  // 0x102
const int kSystemPaletteEntries = 256;
}  // namespace

CZAVPColorDialog::CZAVPColorDialog(COLORREF clrInit, CWnd* pParentWnd, HPALETTE hPalette)
    : CDialog(IDD_ZAVP_COLOR_DIALOG, pParentWnd), m_pPropSheet(nullptr), m_CurrentColor(clrInit),
      m_NewColor(clrInit), m_pPalette(nullptr), m_bIsMyPalette(FALSE)
{
    if (hPalette != nullptr) m_pPalette = CPalette::FromHandle(hPalette);
    m_pColourSheetOne.m_pDialog = this;
    m_pColourSheetTwo.m_pDialog = this;
}

CZAVPColorDialog::~CZAVPColorDialog()
{
    if (m_pPropSheet != nullptr && m_pPropSheet->GetSafeHwnd() == nullptr) delete m_pPropSheet;
}

void CZAVPColorDialog::RebuildPalette()
{
    m_ownPalette.DeleteObject();
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + kSystemPaletteEntries * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = kSystemPaletteEntries;
    const HDC hdc = ::GetDC(nullptr);
    ::GetSystemPaletteEntries(hdc, 0, kSystemPaletteEntries, pLog->palPalEntry);
    ::ReleaseDC(nullptr, hdc);
    if (m_ownPalette.CreatePalette(pLog)) {
        m_pPalette = &m_ownPalette;
        m_bIsMyPalette = TRUE;
    }
}

BOOL CZAVPColorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (UsesSystemDialog(globalData.m_nBitsPerPixel)) {
        CColorDialog dlg(m_CurrentColor, kSystemDialogFlags, GetParent());
        const INT_PTR nResult = dlg.DoModal();
        m_NewColor = dlg.GetColor();
        EndDialog((int)nResult);
        return TRUE;
    }
    if (m_pPalette == nullptr) RebuildPalette();

    m_wndColors.SubclassDlgItem(IDC_ZAVP_COLOR_SWATCH, this);
    m_wndColors.SetType(CZAVPColorPickerCtrl::Swatch);
    m_wndColors.SetPalette(m_pPalette);
    m_wndColors.SetOriginalColor(m_CurrentColor);
    m_wndColors.SetColor(m_NewColor);

    m_wndStaticPlaceHolder.SubclassDlgItem(IDC_ZAVP_COLOR_PLACEHOLDER, this);
    CRect rectSheet;
    m_wndStaticPlaceHolder.GetWindowRect(rectSheet);
    ScreenToClient(&rectSheet);
    m_wndStaticPlaceHolder.ShowWindow(SW_HIDE);

    m_pPropSheet = new CPropertySheetCtrl;
    m_pPropSheet->AddPage(&m_pColourSheetOne);
    m_pPropSheet->AddPage(&m_pColourSheetTwo);
    m_pColourSheetTwo.Setup(GetRValue(m_CurrentColor), GetGValue(m_CurrentColor),
                            GetBValue(m_CurrentColor));
    if (!m_pPropSheet->CreateCtrl(this, rectSheet)) {
        delete m_pPropSheet;
        m_pPropSheet = nullptr;
        return TRUE;
    }
    m_pPropSheet->m_bAutoDelete = TRUE;
    SetPageOne(GetRValue(m_CurrentColor), GetGValue(m_CurrentColor), GetBValue(m_CurrentColor));
    SetPageTwo(GetRValue(m_CurrentColor), GetGValue(m_CurrentColor), GetBValue(m_CurrentColor));
    return TRUE;
}

void CZAVPColorDialog::OnDestroy()
{
    // The sheet deletes itself when its window goes, after this.
    m_pPropSheet = nullptr;
    if (m_bIsMyPalette) m_ownPalette.DeleteObject();
    m_pPalette = nullptr;
    m_bIsMyPalette = FALSE;
    CDialog::OnDestroy();
}

void CZAVPColorDialog::OnSysColorChange()
{
    CDialog::OnSysColorChange();
    globalData.UpdateSysColors();
    if (!m_bIsMyPalette) return;
    if (UsesSystemDialog(globalData.m_nBitsPerPixel)) {
        ShowWindow(SW_HIDE);
        CColorDialog dlg(m_CurrentColor, kSystemDialogFlags, GetParent());
        const INT_PTR nResult = dlg.DoModal();
        m_NewColor = dlg.GetColor();
        EndDialog((int)nResult);
        return;
    }
    RebuildPalette();
    Invalidate();
}

void CZAVPColorDialog::SetNewColor(COLORREF color)
{
    m_NewColor = color;
    if (m_wndColors.GetSafeHwnd() == nullptr) return;
    m_wndColors.SetColor(color);
    m_wndColors.Invalidate();
}

void CZAVPColorDialog::SetPageOne(BYTE r, BYTE g, BYTE b)
{
    if (m_pColourSheetOne.GetSafeHwnd() == nullptr) return;
    m_pColourSheetOne.m_hexpicker.SelectCellByColor(r, g, b);
    m_pColourSheetOne.m_hexpicker_grey.SelectCellByColor(r, g, b);
}

void CZAVPColorDialog::SetPageTwo(BYTE r, BYTE g, BYTE b) { m_pColourSheetTwo.Setup(r, g, b); }
