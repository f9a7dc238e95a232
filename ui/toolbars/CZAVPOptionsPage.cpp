// The options page (see the header).
#include "ui/toolbars/CZAVPOptionsPage.h"

#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"

IMPLEMENT_DYNCREATE(CZAVPOptionsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CZAVPOptionsPage, CPropertyPage)
ON_BN_CLICKED(IDC_ZAVP_SHOW_TOOLTIPS, &CZAVPOptionsPage::OnShowTooltips)
ON_BN_CLICKED(IDC_ZAVP_SHOW_SHORTCUTS, &CZAVPOptionsPage::OnShowShortcuts)
ON_BN_CLICKED(IDC_ZAVP_RECENT_MENUS, &CZAVPOptionsPage::OnRecentMenus)
ON_BN_CLICKED(IDC_ZAVP_MENUS_AFTER_DELAY, &CZAVPOptionsPage::OnMenusAfterDelay)
ON_BN_CLICKED(IDC_ZAVP_LARGE_ICONS, &CZAVPOptionsPage::OnLargeIcons)
ON_BN_CLICKED(IDC_ZAVP_LOOK_2000, &CZAVPOptionsPage::OnLook2000)
ON_BN_CLICKED(IDC_ZAVP_RESET_USAGE, &CZAVPOptionsPage::OnResetUsage)
END_MESSAGE_MAP()

CZAVPOptionsPage::CZAVPOptionsPage(BOOL bIsMenuBarExist)
    : CPropertyPage(IDD_ZAVP_CUSTOMIZE_OPTIONS), m_bShowTooltips(CZAVPToolBar::m_bShowTooltips),
      m_bShowShortcutKeys(CZAVPToolBar::m_bShowShortcutKeys),
      m_bRecentlyUsedMenus(CZAVPToolBar::m_bRecentlyUsedMenus),
      m_bShowAllMenusAfterDelay(CZAVPToolBar::m_bShowAllMenusAfterDelay),
      m_bLargeIcons(CZAVPToolBar::m_bLargeIcons),
      m_bLook2000(CZAVPVisualManager::GetInstance()->IsLook2000()),
      m_bIsMenuBarExist(bIsMenuBarExist)
{
}

BOOL CZAVPOptionsPage::ArePersonalizedMenus()
{
    return !CZAVPToolBar::m_lstBasicCommands.IsEmpty();
}

void CZAVPOptionsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_LOOK_OPTIONS, m_wndLookOptions);
    DDX_Control(pDX, IDC_ZAVP_LOOK_2000, m_wndLook2000);
    DDX_Control(pDX, IDC_ZAVP_LARGE_ICONS, m_wndLargeIcons);
    DDX_Control(pDX, IDC_ZAVP_RECENT_MENUS, m_wndRecentMenus);
    DDX_Control(pDX, IDC_ZAVP_RESET_USAGE, m_wndResetUsage);
    DDX_Control(pDX, IDC_ZAVP_MENU_OPTIONS_LABEL, m_wndMenuOptionsLabel);
    DDX_Control(pDX, IDC_ZAVP_MENU_OPTIONS_LINE, m_wndMenuOptionsLine);
    DDX_Control(pDX, IDC_ZAVP_MENUS_AFTER_DELAY, m_wndMenusAfterDelay);
    DDX_Control(pDX, IDC_ZAVP_SHOW_SHORTCUTS, m_wndShowShortcuts);
    DDX_Check(pDX, IDC_ZAVP_SHOW_TOOLTIPS, m_bShowTooltips);
    DDX_Check(pDX, IDC_ZAVP_SHOW_SHORTCUTS, m_bShowShortcutKeys);
    DDX_Check(pDX, IDC_ZAVP_RECENT_MENUS, m_bRecentlyUsedMenus);
    DDX_Check(pDX, IDC_ZAVP_MENUS_AFTER_DELAY, m_bShowAllMenusAfterDelay);
    DDX_Check(pDX, IDC_ZAVP_LARGE_ICONS, m_bLargeIcons);
    DDX_Check(pDX, IDC_ZAVP_LOOK_2000, m_bLook2000);
}

void CZAVPOptionsPage::HideAndDisable(CWnd& wnd)
{
    wnd.ShowWindow(SW_HIDE);
    wnd.EnableWindow(FALSE);
}

BOOL CZAVPOptionsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_wndShowShortcuts.EnableWindow(m_bShowTooltips);
    m_wndMenusAfterDelay.EnableWindow(m_bRecentlyUsedMenus);
    if (!ArePersonalizedMenus() || !m_bIsMenuBarExist) {
        HideAndDisable(m_wndRecentMenus);
        HideAndDisable(m_wndResetUsage);
        HideAndDisable(m_wndMenuOptionsLabel);
        HideAndDisable(m_wndMenuOptionsLine);
        HideAndDisable(m_wndMenusAfterDelay);
    }
    CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::FromPage(this);
    if (pSheet == nullptr || !(pSheet->GetFlags() & ZAVPCustomizeRules::kOptLook2000))
        HideAndDisable(m_wndLook2000);
    HideAndDisable(m_wndLookOptions);
    return TRUE;
}

void CZAVPOptionsPage::OnShowTooltips()
{
    UpdateData();
    CZAVPToolBar::m_bShowTooltips = m_bShowTooltips;
    m_wndShowShortcuts.EnableWindow(m_bShowTooltips);
}

void CZAVPOptionsPage::OnShowShortcuts()
{
    UpdateData();
    CZAVPToolBar::m_bShowShortcutKeys = m_bShowShortcutKeys;
}

void CZAVPOptionsPage::OnRecentMenus()
{
    UpdateData();
    CZAVPToolBar::m_bRecentlyUsedMenus = m_bRecentlyUsedMenus;
    m_wndMenusAfterDelay.EnableWindow(m_bRecentlyUsedMenus);
}

void CZAVPOptionsPage::OnMenusAfterDelay()
{
    UpdateData();
    CZAVPToolBar::m_bShowAllMenusAfterDelay = m_bShowAllMenusAfterDelay;
}

void CZAVPOptionsPage::OnLargeIcons()
{
    UpdateData();
    CZAVPToolBar::SetLargeIcons(m_bLargeIcons);
}

void CZAVPOptionsPage::OnLook2000()
{
    UpdateData();
    CZAVPVisualManager::GetInstance()->SetLook2000(m_bLook2000);
    if (CWnd* pMainWnd = AfxGetMainWnd())
        if (pMainWnd->GetSafeHwnd() != nullptr) pMainWnd->Invalidate(TRUE);
}

void CZAVPOptionsPage::OnResetUsage()
{
    CString strPrompt;
    strPrompt.LoadString(IDS_ZAVP_RESET_USAGE);
    if (AfxMessageBox(strPrompt, MB_YESNO) == IDYES) CZAVPToolBar::m_UsageCount.Reset();
}
