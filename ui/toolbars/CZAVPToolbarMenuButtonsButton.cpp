// A window button of a maximised MDI child on the menu bar (see the header).
#include "ui/toolbars/CZAVPToolbarMenuButtonsButton.h"

#include "framework/CDC.h"
#include "ui/foundation/CZAVPVisualManager.h"

IMPLEMENT_DYNCREATE(CZAVPToolbarMenuButtonsButton, CZAVPToolbarButton)

CZAVPToolbarMenuButtonsButton::CZAVPToolbarMenuButtonsButton(UINT uiSystemCommand)
    : m_uiSystemCommand(uiSystemCommand)
{
    m_nID = uiSystemCommand;
}

void CZAVPToolbarMenuButtonsButton::CopyFrom(const CZAVPToolbarButton& s)
{
    CZAVPToolbarButton::CopyFrom(s);
    if (const auto* pSrc = dynamic_cast<const CZAVPToolbarMenuButtonsButton*>(&s))
        m_uiSystemCommand = pSrc->m_uiSystemCommand;
}

void CZAVPToolbarMenuButtonsButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip*, BOOL,
                                           BOOL, BOOL bHighlight, BOOL, BOOL)
{
    CZAVPVisualManager::GetInstance()->OnDrawMenuSystemButton(pDC, rect, m_uiSystemCommand,
                                                              m_nStyle, bHighlight);
}

SIZE CZAVPToolbarMenuButtonsButton::OnCalculateSize(CDC*, const CSize&, BOOL)
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE));
}
