// The buttons of a tab window's row (see TabScrollButton.h).
#include "ui/docking/TabScrollButton.h"

#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/foundation/CZAVPVisualManager.h"

CZAVPBaseTabWnd* TabScrollButton::ParentTabWnd() const
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(GetSafeHwnd()));
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabWnd))
               ? static_cast<CZAVPBaseTabWnd*>(pParent)
               : nullptr;
}

void TabScrollButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    CZAVPVisualManager::GetInstance()->OnEraseTabsButton(pDC, rectClient, this, ParentTabWnd());
}

void TabScrollButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    CZAVPVisualManager::GetInstance()->OnDrawTabsButtonBorder(pDC, rectClient, this, uiState,
                                                              ParentTabWnd());
}
