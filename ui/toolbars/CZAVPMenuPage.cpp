// The menu page (see the header).
#include "ui/toolbars/CZAVPMenuPage.h"

#include "framework/CDataExchange.h"
#include "framework/CDocTemplate.h"
#include "framework/CFrameWnd.h"
#include "framework/CStringList.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_DYNCREATE(CZAVPMenuPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CZAVPMenuPage, CPropertyPage)
ON_CBN_SELCHANGE(IDC_ZAVP_MENU_LIST, &CZAVPMenuPage::OnSelchangeMenuList)
ON_CBN_SELCHANGE(IDC_ZAVP_CONTEXT_MENU_LIST, &CZAVPMenuPage::OnSelchangeContextMenuList)
ON_BN_CLICKED(IDC_ZAVP_RESET_CONTEXT_MENU, &CZAVPMenuPage::OnResetContextMenu)
ON_BN_CLICKED(IDC_ZAVP_RESET_MENU, &CZAVPMenuPage::OnResetMenu)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CPoint CZAVPMenuPage::m_ptLastPreview(0, 0);

namespace
{
const int kDescriptionId = IDC_ZAVP_SHOW_TEXT;  // the static with the menu's description
const int kIconId = IDC_ZAVP_SHOW_IMAGE_AND_TEXT;
}  // namespace

CZAVPMenuPage::CZAVPMenuPage(CFrameWnd* pParentFrame, BOOL bAutoSet)
    : CPropertyPage(IDD_ZAVP_CUSTOMIZE_MENU), m_iMenuAnimationType(CZAVPToolBar::m_nMenuAnimation),
      m_bMenuShadows(ZAVPSharedBarData::g_bMenuShadows), m_bAutoSet(bAutoSet),
      m_pParentFrame(pParentFrame)
{
}

CZAVPMenuPage::~CZAVPMenuPage() = default;

void CZAVPMenuPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_ANIMATION_LABEL, m_wndAnimationLabel);
    DDX_Control(pDX, IDC_ZAVP_MENU_ANIMATION, m_wndMenuAnimations);
    DDX_Control(pDX, IDC_ZAVP_MENU_SHADOWS, m_wndMenuShadows);
    DDX_Control(pDX, IDC_ZAVP_CONTEXT_MENU_GROUP, m_wndContextFrame);
    DDX_Control(pDX, IDC_ZAVP_PREVIEW_AREA, m_wndContextHint);
    DDX_Control(pDX, IDC_ZAVP_RESET_CONTEXT_MENU, m_wndResetContextMenu);
    DDX_Control(pDX, IDC_ZAVP_USER_IMAGES, m_wndContextLabel);
    DDX_Control(pDX, IDC_ZAVP_CONTEXT_MENU_LIST, m_wndContextMenus);
    DDX_Control(pDX, kIconId, m_wndIcon);
    DDX_Control(pDX, IDC_ZAVP_MENU_LIST, m_wndMenuesList);
    DDX_Text(pDX, kDescriptionId, m_strMenuDescr);
    DDX_CBString(pDX, IDC_ZAVP_CONTEXT_MENU_LIST, m_strContextMenuName);
    DDX_CBString(pDX, IDC_ZAVP_MENU_LIST, m_strMenuName);
    DDX_CBIndex(pDX, IDC_ZAVP_MENU_ANIMATION, m_iMenuAnimationType);
    DDX_Check(pDX, IDC_ZAVP_MENU_SHADOWS, m_bMenuShadows);
}

BOOL CZAVPMenuPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (POSITION pos = CZAVPToolBar::GetAllToolbars().GetHeadPosition(); pos != nullptr;) {
        CObject* pBar = CZAVPToolBar::GetAllToolbars().GetNext(pos);
        if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPMenuBar))) {
            m_pMenuBar = static_cast<CZAVPMenuBar*>(pBar);
            break;
        }
    }
    if (m_pMenuBar == nullptr) {
        m_wndMenuesList.EnableWindow(FALSE);
        GetDlgItem(IDC_ZAVP_RESET_MENU)->EnableWindow(FALSE);
        m_strMenuDescr.LoadString(IDS_ZAVP_NO_MENU_CUSTOMIZE);
    } else {
        m_hmenuCurr = m_pMenuBar->GetHMenu();
        m_pMenuBar->ClearHighlight();
        if (m_hmenuCurr != nullptr) g_menuHash.SaveMenuBar(m_hmenuCurr, m_pMenuBar);
        // Menus of multi-document templates would be listed first; the framework of this
        // program has single-document templates only, which show the frame's menu.
        CString strDefault;
        strDefault.LoadString(IDS_ZAVP_DEFAULT_MENU);
        const int iItem = m_wndMenuesList.AddString(strDefault);
        m_wndMenuesList.SetItemDataPtr(iItem, nullptr);
        if (m_wndMenuesList.GetCurSel() < 0) {
            m_wndMenuesList.SetCurSel(iItem);
            m_bIsDefaultMDIMenu = TRUE;
        }
        OnSelchangeMenuList();
    }

    CString strNoContext;
    strNoContext.LoadString(IDS_ZAVP_CONTEXT_MENU_NONE);
    m_wndContextMenus.AddString(strNoContext);
    if (g_pContextMenuManager == nullptr) {
        m_wndContextLabel.ShowWindow(SW_HIDE);
        m_wndContextMenus.ShowWindow(SW_HIDE);
        m_wndResetContextMenu.ShowWindow(SW_HIDE);
        m_wndContextFrame.ShowWindow(SW_HIDE);
        m_wndContextHint.ShowWindow(SW_HIDE);
    } else {
        CStringList names;
        g_pContextMenuManager->GetMenuNames(names);
        for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
            m_wndContextMenus.AddString(names.GetNext(pos));
    }
    m_wndContextMenus.SetCurSel(0);
    const BOOL bAnyContextMenu = m_wndContextMenus.GetCount() > 1;
    m_wndContextMenus.EnableWindow(bAnyContextMenu);
    m_wndResetContextMenu.EnableWindow(FALSE);
    // The sheet's options 0x01 and 0x08 are given no meaning by the sheet: the shadows box and
    // the animation combo are always offered.
    UpdateData(FALSE);
    return TRUE;
}

void CZAVPMenuPage::SaveEditedMenu()
{
    if (m_pMenuBar == nullptr || m_hmenuSelected == nullptr) return;
    m_pMenuBar->ClearHighlight();
    g_menuHash.SaveMenuBar(m_hmenuSelected, m_pMenuBar);
}

void CZAVPMenuPage::OnSelchangeMenuList()
{
    UpdateData();
    if (m_pMenuBar == nullptr) return;
    SaveEditedMenu();
    const int iSel = m_wndMenuesList.GetCurSel();
    if (iSel < 0) {
        m_strMenuDescr.Empty();
        m_wndIcon.SendMessage(STM_SETICON, 0);
        m_hmenuSelected = nullptr;
        UpdateData(FALSE);
        return;
    }
    auto* pTemplate = static_cast<CDocTemplate*>(m_wndMenuesList.GetItemDataPtr(iSel));
    HMENU hMenu = nullptr;
    HICON hIcon = nullptr;
    if (pTemplate != nullptr) {
        hMenu = pTemplate->m_hMenuShared;
        hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(pTemplate->m_nIDResource));
        if (hIcon == nullptr) hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    } else {
        m_strMenuDescr.LoadString(IDS_ZAVP_DEFAULT_MENU_HINT);
        if (CWnd* pMainWnd = AfxGetMainWnd())
            hIcon = (HICON)::GetClassLongPtrA(pMainWnd->GetSafeHwnd(), GCLP_HICON);
        hMenu = m_pMenuBar->GetDefaultMenu();
    }
    m_pMenuBar->CreateFromMenu(hMenu, FALSE, FALSE);
    m_wndIcon.SendMessage(STM_SETICON, (WPARAM)hIcon);
    m_hmenuSelected = hMenu;
    UpdateData(FALSE);
}

BOOL CZAVPMenuPage::SelectMenu(CDocTemplate* pTemplate, BOOL bSaveCurr)
{
    for (int i = 0; i < m_wndMenuesList.GetCount(); ++i) {
        if (m_wndMenuesList.GetItemDataPtr(i) != pTemplate) continue;
        if (!bSaveCurr) m_hmenuSelected = nullptr;
        m_wndMenuesList.SetCurSel(i);
        OnSelchangeMenuList();
        return TRUE;
    }
    return FALSE;
}

void CZAVPMenuPage::ClosePreview()
{
    if (m_pContextMenu == nullptr) return;
    CZAVPPopupMenu* pMenu = m_pContextMenu;
    m_pContextMenu = nullptr;
    if (!::IsWindow(pMenu->GetSafeHwnd())) return;
    CRect rect;
    pMenu->GetWindowRect(rect);
    m_ptLastPreview = rect.TopLeft();
    g_menuHash.SaveMenuBar(pMenu->m_hMenu, pMenu->GetMenuBar());
    pMenu->SendMessage(WM_CLOSE);
}

void CZAVPMenuPage::OnSelchangeContextMenuList()
{
    m_wndResetContextMenu.EnableWindow(FALSE);
    ClosePreview();
    UpdateData();
    const int iSel = m_wndContextMenus.GetCurSel();
    if (iSel <= 0 || g_pContextMenuManager == nullptr) return;
    UINT uiResId = 0;
    HMENU hMenu = g_pContextMenuManager->GetMenuByName(m_strContextMenuName, &uiResId);
    if (hMenu == nullptr) {
        ::MessageBeep((UINT)-1);
        return;
    }
    m_uiContextMenuResId = uiResId;
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    auto* pPopup = new CZAVPPopupMenu;
    pPopup->m_bAutoDestroy = FALSE;
    CWnd* pTop = GetTopLevelParent();
    if (!pPopup->Create(pTop, m_ptLastPreview.x, m_ptLastPreview.y, hPopup, FALSE, TRUE)) {
        AfxMessageBox("Can't create context menu!");
        return;
    }
    m_pContextMenu = pPopup;
    m_wndResetContextMenu.EnableWindow(TRUE);
}

void CZAVPMenuPage::OnResetContextMenu()
{
    if (m_pContextMenu == nullptr || g_pContextMenuManager == nullptr) return;
    UpdateData();
    CString strFormat, strPrompt;
    strFormat.LoadString(IDS_ZAVP_RESET_MENU_PROMPT);
    strPrompt.Format(strFormat, (LPCSTR)m_strContextMenuName);
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    HMENU hMenu = g_pContextMenuManager->GetMenuByName(m_strContextMenuName);
    if (hMenu != nullptr && ::IsWindow(m_pContextMenu->GetSafeHwnd())) {
        g_menuHash.RemoveMenu(m_pContextMenu->m_hMenu);
        m_pContextMenu->GetMenuBar()->RestoreOriginalState();
    }
    if (m_pParentFrame != nullptr)
        m_pParentFrame->SendMessage(ZAVPToolBarMessages::ResetContextMenu,
                                    (WPARAM)m_uiContextMenuResId, 0);
    OnSelchangeContextMenuList();
}

void CZAVPMenuPage::OnResetMenu()
{
    if (m_pMenuBar == nullptr) return;
    UpdateData();
    const int iSel = m_wndMenuesList.GetCurSel();
    if (iSel < 0) return;
    CString strFormat, strPrompt;
    strFormat.LoadString(IDS_ZAVP_RESET_MENU_PROMPT);
    strPrompt.Format(strFormat, (LPCSTR)m_strMenuName);
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES) return;

    const HMENU hOldMenu = m_hmenuSelected;
    // Only the default menu can be listed here (see OnInitDialog).
    const UINT uiResId = m_pMenuBar->GetDefaultMenuResId();
    HMENU hNewMenu = uiResId != 0 ? ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(uiResId))
                                  : nullptr;
    if (hNewMenu == nullptr) {
        ::MessageBeep((UINT)-1);
        return;
    }
    m_pMenuBar->SetDefaultMenu(hNewMenu);
    m_pMenuBar->CreateFromMenu(hNewMenu, TRUE, TRUE);
    CFrameWnd* pFrame = m_pParentFrame;
    if (pFrame != nullptr) {
        if (pFrame->SendMessage(ZAVPToolBarMessages::ResetMenu, (WPARAM)uiResId, 0))
            m_pMenuBar->AdjustLayout();
        pFrame->m_hMenuDefault = hNewMenu;
    }
    g_menuHash.SaveMenuBar(hNewMenu, m_pMenuBar);
    if (m_bIsDefaultMDIMenu || m_hmenuCurr == hOldMenu) m_hmenuCurr = hNewMenu;
    m_hmenuSelected = hNewMenu;
    if (pFrame != nullptr) pFrame->OnUpdateFrameMenu(m_hmenuCurr);
    if (hOldMenu != nullptr && hOldMenu != hNewMenu) {
        g_menuHash.RemoveMenu(hOldMenu);
        ::DestroyMenu(hOldMenu);
    }
    m_pMenuBar->Invalidate();
    m_pMenuBar->UpdateWindow();
}

void CZAVPMenuPage::OnDestroy()
{
    UpdateData();
    CZAVPToolBar::m_nMenuAnimation = m_iMenuAnimationType;
    if (m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd())) {
        SaveEditedMenu();
        if (m_hmenuCurr != m_hmenuSelected && m_hmenuCurr != nullptr)
            m_pMenuBar->CreateFromMenu(m_hmenuCurr, FALSE, FALSE);
    }
    ClosePreview();
    ZAVPSharedBarData::g_bMenuShadows = m_bMenuShadows;
    CPropertyPage::OnDestroy();
}
