// The system's colour dialog.
#include "framework/CColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

COLORREF CColorDialog::clrSavedCustom[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog((UINT)0, pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = clrSavedCustom;
    m_cc.Flags = dwFlags;
    if ((m_cc.rgbResult = clrInit) != 0) m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = AfxGetSafeHwnd(CWnd::GetSafeOwner_(AfxGetSafeHwnd(m_pParentWnd), nullptr));
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
