// The show-all item of personalised popup menus (see the header).
#include "ui/toolbars/CZAVPShowAllButton.h"

#include <cstdlib>
#include <cstring>

#include "framework/CDC.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPAccelText.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CZAVPShowAllButton, CZAVPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace
{
const int kWidth = 50;
const int kShowAllButtonDelayFactor = 2;
}  // namespace

void CZAVPShowAllButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip*, BOOL, BOOL,
                                BOOL bHighlight, BOOL, BOOL)
{
    CRect rectItem = rect;
    rectItem.DeflateRect(0, 1);
    FillInterior(pDC, rectItem, bHighlight);
    const BOOL bChecked = (m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) != 0;
    const int state = bHighlight ? CZAVPVisualManager::ButtonsIsHighlighted
                      : bChecked ? CZAVPVisualManager::ButtonsIsPressed
                                 : CZAVPVisualManager::ButtonsIsRegular;
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    pManager->OnDrawShowAllMenuItems(pDC, rectItem, state);
    if (bChecked)
        pManager->OnDrawButtonBorder(pDC, this, rectItem, CZAVPVisualManager::ButtonsIsPressed);
    else if (bHighlight)
        pManager->OnDrawButtonBorder(pDC, this, rectItem, CZAVPVisualManager::ButtonsIsHighlighted);
}

SIZE CZAVPShowAllButton::OnCalculateSize(CDC*, const CSize&, BOOL)
{
    return CSize(kWidth, CZAVPVisualManager::GetInstance()->GetShowAllMenuItemsHeight());
}

BOOL CZAVPShowAllButton::OnClick(CWnd*, BOOL bDelay)
{
    if (m_pWndParent == nullptr || !m_pWndParent->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar)))
        return FALSE;
    CZAVPPopupMenuBar* pBar = static_cast<CZAVPPopupMenuBar*>(m_pWndParent);
    if (!bDelay) {
        if (CZAVPPopupMenu* pPopup = pBar->GetPopupMenu()) pPopup->ShowAllCommands();
    } else if (CZAVPToolBar::m_bShowAllMenusAfterDelay) {
        pBar->StartPopupMenuTimer(this, kShowAllButtonDelayFactor);
    }
    return TRUE;
}

CString CZAVPShowAllButton::ToolTipText()
{
    const ACCEL accel = {FVIRTKEY | FCONTROL, VK_DOWN, 0};
    CString strKey;
    CZAVPAccelText(&accel).Format(strKey);
    CString strFormat, strText;
    if (!strFormat.LoadString(IDS_ZAVP_SHOW_ALL_TIP)) strFormat = "%s";
    strText.Format(strFormat, (LPCSTR)strKey);
    return strText;
}

int CZAVPShowAllButton::HitTestToolTip(CWnd*, TOOLINFOA* pTI) const
{
    if (pTI == nullptr) return 1;
    // The text is the caller's: the toolbar's tooltip relay frees it with free().
    pTI->lpszText = _strdup(ToolTipText());
    pTI->uId = 0;
    return 1;
}
