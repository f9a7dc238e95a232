// The library's colour dialog "Цвета": a swatch of the new over the current colour and a sheet
// of two pages, the honeycomb ("Стандартный") and the custom fields ("Другой"). Below 8 bits per
// pixel it shows the system colour dialog instead.
#pragma once

#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "framework/CStatic.h"
#include "ui/panes/CColorPage1.h"
#include "ui/panes/CColorPage2.h"
#include "ui/panes/CZAVPColorPickerCtrl.h"

class CPropertySheetCtrl;

class CZAVPColorDialog : public CDialog
{
    DECLARE_DYNAMIC(CZAVPColorDialog)
public:
    // hPalette, when given, is used and not owned; otherwise the dialog makes and owns one.
    CZAVPColorDialog(COLORREF clrInit, CWnd* pParentWnd = nullptr, HPALETTE hPalette = nullptr);
    ~CZAVPColorDialog() override;

    // Whether the system colour dialog stands in for this one at the display's colour depth.
    static BOOL UsesSystemDialog(int nBitsPerPixel) { return nBitsPerPixel < 8; }

    void SetNewColor(COLORREF color);
    // Both pickers of the standard page select the colour's cells.
    void SetPageOne(BYTE r, BYTE g, BYTE b);
    // The custom page shows the colour.
    void SetPageTwo(BYTE r, BYTE g, BYTE b);
    // The new colour; after OK, the chosen one.
    COLORREF GetColor() const { return m_NewColor; }
    CPalette* GetPalette() { return m_pPalette; }
    CPropertySheetCtrl* GetSheet() const { return m_pPropSheet; }
    CColorPage1& GetPageOne() { return m_pColourSheetOne; }
    CColorPage2& GetPageTwo() { return m_pColourSheetTwo; }

protected:
    BOOL OnInitDialog() override;
    void OnDestroy();
    void OnSysColorChange();
    // The palette of the system's 256 entries (8 bits per pixel and more).
    void RebuildPalette();

    CStatic m_wndStaticPlaceHolder;    // 16970, where the sheet goes
    CZAVPColorPickerCtrl m_wndColors;  // 16662, the swatch
    CPropertySheetCtrl* m_pPropSheet;
    CColorPage1 m_pColourSheetOne;
    CColorPage2 m_pColourSheetTwo;
    COLORREF m_CurrentColor;  // as given
    COLORREF m_NewColor;
    CPalette* m_pPalette;  // null when none
    BOOL m_bIsMyPalette;   // the dialog made it and deletes it
    CPalette m_ownPalette;

    DECLARE_MESSAGE_MAP()
};
