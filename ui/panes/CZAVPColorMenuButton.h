// A toolbar menu button that shows its colour as a strip under its image and drops down a colour
// bar (CColorPopup). A pick goes to the button, to every colour button and standalone colour bar
// with the same command, and to the process-wide command-to-colour map; then the command runs.
#pragma once

#include "framework/CArray.h"
#include "framework/CGdiObject.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CZAVPColorMenuButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CZAVPColorMenuButton)
public:
    CZAVPColorMenuButton();
    // A button for the command with the palette's colours (null: the system's 20 default ones).
    CZAVPColorMenuButton(UINT uiCmdID, LPCSTR lpszText, HPALETTE hPalette = nullptr);

    // The menu button's archive, then the palette, the layout settings, the three flags, the
    // three texts, the automatic colour and the standard-dialog flag. The colour is not stored:
    // a loaded button takes that of a button with its command whose colour is set.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    int OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    CZAVPPopupMenu* CreatePopupMenu() override;
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }

    virtual void SetColor(COLORREF clr, BOOL bNotify = TRUE);
    // The standard dialog with the flag, else the library's; TRUE and the colour on OK.
    virtual BOOL OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes);
    COLORREF GetColor() const { return m_Color; }
    // The colour the strip shows: the automatic colour for -1, the shadow when disabled.
    COLORREF StripColor() const;

    void EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    void EnableDocumentColors(LPCSTR lpszLabel, BOOL bEnable = TRUE);
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }

    // The strip under an image: from one pixel above the image's bottom, 5 pixels high (10 with
    // large icons), pulled in by 4 from the sides of rectSides; 1 left and 3 down without the
    // drawn border, 1 right and down while pressed.
    static CRect StripRect(const CRect& rectImage, const CRect& rectSides, BOOL bLargeIcons,
                           BOOL bDrawBorder, BOOL bPressed);

    COLORREF m_Color;  // -1: automatic
    COLORREF m_colorAutomatic;
    CArray<COLORREF, COLORREF> m_Colors;
    int m_nColumns;
    int m_nVertDockColumns;
    int m_nHorzDockRows;
    BOOL m_bIsAutomaticButton;
    BOOL m_bIsOtherButton;
    BOOL m_bIsDocumentColors;
    CString m_strAutomaticButtonLabel;
    CString m_strOtherButtonLabel;
    CString m_strDocumentColorsLabel;
    BOOL m_bStdColorDlg;

protected:
    CPalette m_Palette;  // made from the colours at 8 bits per pixel
};
