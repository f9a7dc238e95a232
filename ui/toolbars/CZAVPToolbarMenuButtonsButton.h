// One of the window buttons (minimise, restore, close) of a maximised MDI child at the right end
// of the menu bar.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPToolbarMenuButtonsButton : public CZAVPToolbarButton
{
    DECLARE_DYNCREATE(CZAVPToolbarMenuButtonsButton)
public:
    CZAVPToolbarMenuButtonsButton() : m_uiSystemCommand(0) {}
    explicit CZAVPToolbarMenuButtonsButton(UINT uiSystemCommand);

    void Serialize(CArchive& /*ar*/) override {}  // never stored
    BOOL IsStorable() const override { return FALSE; }
    BOOL DrawsHotBorder() const override { return FALSE; }
    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;

    UINT m_uiSystemCommand;  // SC_MINIMIZE, SC_RESTORE or SC_CLOSE
};
