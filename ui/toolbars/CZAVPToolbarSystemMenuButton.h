// The icon of the maximised MDI child at the left end of the menu bar: it opens the child's
// system menu with the child's current item states, and a double click closes the child.
#pragma once

#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CZAVPToolbarSystemMenuButton : public CZAVPToolbarMenuButton
{
    DECLARE_DYNCREATE(CZAVPToolbarSystemMenuButton)
public:
    CZAVPToolbarSystemMenuButton();
    // hSystemMenu and hIcon belong to the child window.
    CZAVPToolbarSystemMenuButton(HMENU hSystemMenu, HICON hIcon);

    void Serialize(CArchive& /*ar*/) override {}  // never stored
    BOOL IsStorable() const override { return FALSE; }
    BOOL DrawsHotBorder() const override { return FALSE; }
    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    void OnDblClk(CWnd* pWnd) override;
    void OnCancelMode() override;
    // Keeps the system menu itself; its items are copied when the menu opens.
    void CreateFromMenu(HMENU hMenu) override;
    // The copy the popup shows, with the system menu's check, disabled and greyed states.
    HMENU CreateMenu() const override;
    BOOL IsEmptyMenuAllowed() const override { return FALSE; }

    HICON m_hSysIcon;  // not owned
    HMENU m_hSysMenu;  // not owned
};
