// The system's colour dialog.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include "framework/CDialog.h"

class CColorDialog : public CDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;  // IDOK or IDCANCEL
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr) { m_cc.rgbResult = clr; }

    CHOOSECOLORA m_cc;
    static COLORREF clrSavedCustom[16];  // the custom colours, kept between dialogs
};
