// One entry of the list of a toolbar's buttons that the toolbar options menu offers: a check item
// for a button of the toolbar (checked while the button shows), a default button the user took
// off, or the item that resets the toolbar. A click changes the toolbar at once and leaves the
// menu open; resetting closes it.
#pragma once

#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CZAVPToolBar;

class CZAVPCustomizeMenuButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CZAVPCustomizeMenuButton)
public:
    CZAVPCustomizeMenuButton();
    CZAVPCustomizeMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCSTR lpszText = nullptr,
                             BOOL bUserButton = FALSE);

    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // TRUE keeps the menu open, FALSE closes it.
    virtual BOOL OnClickMenuItem();
    // The item right of the check column: image, label (shortened to fit when the bar says it is
    // too wide), accelerator.
    virtual void DrawMenuItem(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                              BOOL bCustomizeMode, BOOL bHighlight, BOOL bGrayDisabledButtons);
    // The check mark of a checked entry in its square column.
    virtual void DrawCheckBox(CDC* pDC, const CRect& rectCheck, BOOL bHighlight);

    // The toolbar button the entry stands for (its index in the customised toolbar), whether the
    // button is on the toolbar now, and whether a separator follows it when it is added back.
    void SetItemIndex(int iIndex, BOOL bExist = TRUE, BOOL bAddSeparator = FALSE);
    int GetItemIndex() const { return m_iIndex; }
    BOOL IsChecked() const { return m_bChecked; }
    BOOL IsExisting() const { return m_bExist; }

    // The toolbar whose buttons the open list stands for; null when it is gone.
    static CZAVPToolBar* GetCustomizedToolBar();
    static void SetCustomizedToolBar(CZAVPToolBar* pToolBar);

    // The item index of the entry that resets the toolbar.
    static const int kResetItemIndex = 17016;

    BOOL m_bSeparator;   // the entry does nothing when clicked
    BOOL m_bEnabled;     // a disabled entry does nothing when clicked
    BOOL m_bRowsSwitch;  // the entry puts a pair of toolbars on one row or two

private:
    void SetChecked(BOOL bChecked);
    // The toolbar lays its buttons out again after one of them came or went.
    static void RefreshToolBar(CZAVPToolBar* pToolBar);
    // The partner bar joins this bar's row, or leaves it for a row of its own.
    static void SwitchRows(CZAVPToolBar* pToolBar);
    static const int kSeparatorHeight = 4;

    int m_iIndex;     // index of the toolbar button, -1 at construction
    BOOL m_bChecked;  // the entry shows a check mark
    BOOL m_bExist;    // the button is on the toolbar now
    BOOL m_bAddSpr;   // a separator goes after the button when it is added back

    // The customised toolbar's window (its object is looked up from it, so a toolbar destroyed
    // while the list is open is never touched).
    static HWND s_hwndToolBar;
};
