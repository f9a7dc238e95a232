// The toolbar's customise button (see CCustomizeButton.h).
#include "ui/toolbars/CCustomizeButton.h"

IMPLEMENT_SERIAL(CCustomizeButton, CZAVPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CCustomizeButton::CCustomizeButton() : m_bHasHiddenButtons(FALSE), m_bCanCustomize(FALSE) {}

void CCustomizeButton::CopyFrom(const CZAVPToolbarButton& src)
{
    CZAVPToolbarMenuButton::CopyFrom(src);
    if (const CCustomizeButton* pSrc = dynamic_cast<const CCustomizeButton*>(&src))
        m_bCanCustomize = pSrc->m_bCanCustomize;
}
