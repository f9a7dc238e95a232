// The customisation sheet: categories of commands, the pages it carries, customisation mode
// around its window (see the header).
#include "ui/toolbars/CZAVPToolbarCustomize.h"

#include "framework/AfxResourceHandle.h"
#include "framework/CComboBox.h"
#include "framework/CDockBar.h"
#include "framework/CFrameWnd.h"
#include "framework/CGdiObject.h"
#include "framework/CListBox.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPCustomizePage.h"
#include "ui/toolbars/CZAVPIconEditorDlg.h"
#include "ui/toolbars/CZAVPKeyboardPage.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPMenuPage.h"
#include "ui/toolbars/CZAVPMousePage.h"
#include "ui/toolbars/CZAVPOptionsPage.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/CZAVPToolbarsPage.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/CZAVPUserToolsPage.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

using namespace ZAVPCustomizeRules;

IMPLEMENT_DYNAMIC(CZAVPToolbarCustomize, CPropertySheet)

BEGIN_MESSAGE_MAP(CZAVPToolbarCustomize, CPropertySheet)
ON_WM_CREATE()
ON_MESSAGE(WM_INITDIALOG, &CZAVPToolbarCustomize::HandleInitDialog)
AFX_WM(WM_HELP, m.lResult = p->OnHelpInfo((HELPINFO*)m.lParam))
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CZAVPToolbarCustomize* CZAVPToolbarCustomize::m_pCurrent = nullptr;

namespace
{
const DWORD kHelpIdOffset = 0x41000;
#define ZAVP_HELP_PAIR(id) id, (id) + kHelpIdOffset
}  // namespace

const DWORD CZAVPToolbarCustomize::m_dwHelpIds[] = {
    ZAVP_HELP_PAIR(16601),
    ZAVP_HELP_PAIR(16602),
    ZAVP_HELP_PAIR(16603),
    ZAVP_HELP_PAIR(16611),
    ZAVP_HELP_PAIR(16612),
    ZAVP_HELP_PAIR(16613),
    ZAVP_HELP_PAIR(16614),
    ZAVP_HELP_PAIR(16615),
    ZAVP_HELP_PAIR(16616),
    ZAVP_HELP_PAIR(16617),
    ZAVP_HELP_PAIR(16621),
    ZAVP_HELP_PAIR(16622),
    ZAVP_HELP_PAIR(16623),
    ZAVP_HELP_PAIR(16624),
    ZAVP_HELP_PAIR(16625),
    ZAVP_HELP_PAIR(16626),
    ZAVP_HELP_PAIR(16631),
    ZAVP_HELP_PAIR(16632),
    ZAVP_HELP_PAIR(16633),
    ZAVP_HELP_PAIR(16634),
    ZAVP_HELP_PAIR(16601),  // the keyboard page's categories
    ZAVP_HELP_PAIR(16641),
    ZAVP_HELP_PAIR(16642),
    ZAVP_HELP_PAIR(16643),
    ZAVP_HELP_PAIR(16644),
    ZAVP_HELP_PAIR(16645),
    ZAVP_HELP_PAIR(16646),
    ZAVP_HELP_PAIR(16647),
    ZAVP_HELP_PAIR(16651),
    ZAVP_HELP_PAIR(16652),
    ZAVP_HELP_PAIR(16653),
    ZAVP_HELP_PAIR(16654),
    ZAVP_HELP_PAIR(16655),
    ZAVP_HELP_PAIR(16656),
    ZAVP_HELP_PAIR(16657),
    0,
    0};

namespace
{
// The frame's menu bar when the frame is a library frame that has one.
CZAVPMenuBar* FrameMenuBar(CFrameWnd* pFrame)
{
    if (!ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPFrameWnd))) return nullptr;
    return static_cast<CZAVPFrameWnd*>(pFrame)->m_Impl.m_pMenuBar;
}
}  // namespace

CZAVPToolbarCustomize::CZAVPToolbarCustomize(CFrameWnd* pWndParentFrame, BOOL bAutoSetFromMenus,
                                             UINT uiFlags,
                                             CList<CRuntimeClass*, CRuntimeClass*>* plstCustomPages)
    : CPropertySheet("", pWndParentFrame), m_ButtonsByCategory(10), m_sortedCategories(10),
      m_listCustomPages(10), m_pParentFrame(pWndParentFrame),
      m_bAutoSetFromMenus(bAutoSetFromMenus), m_uiFlags(uiFlags)
{
    m_ButtonsByCategory.InitHashTable(17);
    m_strAllCommands.LoadString(IDS_ZAVP_ALL_COMMANDS);
    if (plstCustomPages != nullptr) {
        for (POSITION pos = plstCustomPages->GetHeadPosition(); pos != nullptr;) {
            CRuntimeClass* pClass = plstCustomPages->GetNext(pos);
            CObject* pObject = pClass != nullptr ? pClass->CreateObject() : nullptr;
            if (ZAVPIsKindOf(pObject, RUNTIME_CLASS(CPropertyPage)))
                m_listCustomPages.AddTail(static_cast<CPropertyPage*>(pObject));
            else
                delete pObject;
        }
    }
    if (!CZAVPVisualManager::GetInstance()->IsLook2000Allowed()) m_uiFlags &= ~kOptLook2000;
    m_uiFlags &= ~kOptReserved;
    m_bSaveMenuAmps = (m_uiFlags & kOptAmpersands) != 0;

    m_pCustomizePage = new CZAVPCustomizePage;
    m_pToolbarsPage = new CZAVPToolbarsPage(m_pParentFrame);
    m_pKeyboardPage = new CZAVPKeyboardPage(m_pParentFrame, m_bAutoSetFromMenus);
    m_pMenuPage = new CZAVPMenuPage(m_pParentFrame, m_bAutoSetFromMenus);
    m_pMousePage = new CZAVPMousePage;
    if (!(m_uiFlags & kOptNoTools)) m_pToolsPage = new CZAVPUserToolsPage;

    PageInputs in;
    in.dwOptions = m_uiFlags;
    in.bToolsManager = g_pUserToolsManager != nullptr;
    in.bKeyboardManager = g_pKeyboardManager != nullptr;
    in.bFrameAccelerators = m_pParentFrame != nullptr && m_pParentFrame->m_hAccelTable != nullptr;
    in.bContextMenuManager = g_pContextMenuManager != nullptr;
    in.bFrameMenuBar = FrameMenuBar(m_pParentFrame) != nullptr;
    in.bMouseManager = g_pMouseManager != nullptr;
    in.nExtraPages = 0;  // added below in list order
    for (PageKind kind : SheetPages(in)) {
        switch (kind) {
        case kCommandsPage: AddPage(m_pCustomizePage); break;
        case kToolbarsPage: AddPage(m_pToolbarsPage); break;
        case kToolsPage:
            if (m_pToolsPage != nullptr) AddPage(m_pToolsPage);
            break;
        case kKeyboardPage: AddPage(m_pKeyboardPage); break;
        case kMenuPage: AddPage(m_pMenuPage); break;
        case kMousePage: AddPage(m_pMousePage); break;
        case kExtraPage: break;
        case kOptionsPage:
            for (POSITION pos = m_listCustomPages.GetHeadPosition(); pos != nullptr;)
                AddPage(m_listCustomPages.GetNext(pos));
            m_pOptionsPage = new CZAVPOptionsPage(in.bFrameMenuBar);
            AddPage(m_pOptionsPage);
            break;
        }
    }

    CString strTitle;
    strTitle.LoadString(IDS_ZAVP_CUSTOMIZE);
    SetTitle(strTitle);
    m_pCustomizePage->SetAllCommandsName(m_strAllCommands);
    m_pKeyboardPage->SetAllCommandsName(m_strAllCommands);
    if (m_bAutoSetFromMenus) SetupFromMenus();

    // A prototype of a new, empty menu is always on offer.
    CString strNewMenu;
    strNewMenu.LoadString(IDS_ZAVP_NEW_MENU);
    CZAVPToolbarMenuButton newMenu(0, nullptr, -1, strNewMenu);
    AddButton(strNewMenu, newMenu);
}

CZAVPToolbarCustomize::~CZAVPToolbarCustomize()
{
    if (m_hWnd != nullptr) DestroyWindow();
    for (POSITION pos = m_ButtonsByCategory.GetStartPosition(); pos != nullptr;) {
        CString strCategory;
        CObList* pList = nullptr;
        m_ButtonsByCategory.GetNextAssoc(pos, strCategory, pList);
        for (POSITION posButton = pList->GetHeadPosition(); posButton != nullptr;)
            delete pList->GetNext(posButton);
        delete pList;
    }
    m_ButtonsByCategory.RemoveAll();
    // The pages go only after the window: the control may still hold their windows until then.
    m_pages.RemoveAll();
    delete m_pCustomizePage;
    delete m_pToolbarsPage;
    delete m_pKeyboardPage;
    delete m_pMenuPage;
    delete m_pMousePage;
    delete m_pOptionsPage;
    delete m_pToolsPage;
    for (POSITION pos = m_listCustomPages.GetHeadPosition(); pos != nullptr;)
        delete m_listCustomPages.GetNext(pos);
}

BOOL CZAVPToolbarCustomize::Create()
{
    if (!CPropertySheet::Create(m_pParentFrame, (DWORD)-1, 0)) return FALSE;
    EnableCustomizeMode(TRUE);
    return TRUE;
}

CObList* CZAVPToolbarCustomize::GetOrCreateCategory(LPCSTR lpszCategory)
{
    CObList* pList = nullptr;
    if (m_ButtonsByCategory.Lookup(lpszCategory, pList)) return pList;
    pList = new CObList(10);
    m_ButtonsByCategory.SetAt(lpszCategory, pList);
    if (m_strAllCommands != lpszCategory) m_sortedCategories.AddTail(lpszCategory);
    return pList;
}

const CObList* CZAVPToolbarCustomize::GetCategoryButtons(LPCSTR lpszCategory) const
{
    CObList* pList = nullptr;
    return m_ButtonsByCategory.Lookup(lpszCategory, pList) ? pList : nullptr;
}

void CZAVPToolbarCustomize::AddButton(LPCSTR lpszCategory, const CZAVPToolbarButton& button,
                                      int iInsertAfter)
{
    if (!button.IsEditable() || !CZAVPToolBar::IsCommandPermitted(button.m_nID)) return;

    CString strText = button.m_strText;
    strText.Trim();
    BOOL bToolButton = FALSE;
    if (g_pUserToolsManager != nullptr && g_pUserToolsManager->IsUserToolCmd(button.m_nID)) {
        CZAVPUserTool* pTool = g_pUserToolsManager->FindTool(button.m_nID);
        if (pTool == nullptr) return;
        strText = pTool->m_strLabel;
        bToolButton = TRUE;
    }
    if (strText.IsEmpty()) {
        CString strPrompt;
        if (strPrompt.LoadString(button.m_nID) && !strPrompt.IsEmpty())
            strText = PromptName(strPrompt);
        if (strText.IsEmpty()) return;
    }
    strText = CleanCommandText(strText, m_bSaveMenuAmps);

    CObList* pExisting = nullptr;
    if (m_ButtonsByCategory.Lookup(lpszCategory, pExisting)) {
        for (POSITION pos = pExisting->GetHeadPosition(); pos != nullptr;) {
            const auto* pOther = static_cast<const CZAVPToolbarButton*>(pExisting->GetNext(pos));
            if (button.m_nID != (UINT)-1 ? pOther->m_nID == button.m_nID
                                         : pOther->m_strText == strText)
                return;
        }
    }
    CObList* pList = GetOrCreateCategory(lpszCategory);

    auto* pCopy = static_cast<CZAVPToolbarButton*>(button.GetRuntimeClass()->CreateObject());
    pCopy->CopyFrom(button);
    pCopy->m_strText = strText;
    if (bToolButton) pCopy->SetImage(0);
    POSITION posAfter = iInsertAfter >= 0 ? pList->FindIndex(iInsertAfter) : nullptr;
    if (posAfter != nullptr)
        pList->InsertAfter(posAfter, pCopy);
    else
        pList->AddTail(pCopy);

    if (m_strAllCommands != lpszCategory) AddButton(m_strAllCommands, button);
    // The copy now stands in a list, on no bar.
    pCopy->OnChangeParentWnd(nullptr);
}

void CZAVPToolbarCustomize::AddUserTools(LPCSTR lpszCategory)
{
    if (g_pUserToolsManager == nullptr) return;
    const CObList& tools = g_pUserToolsManager->GetUserTools();
    for (POSITION pos = tools.GetHeadPosition(); pos != nullptr;) {
        const auto* pTool = static_cast<const CZAVPUserTool*>(tools.GetNext(pos));
        CZAVPToolbarButton button(pTool->m_uiCmdId, -1, pTool->m_strLabel);
        AddButton(lpszCategory, button);
    }
}

void CZAVPToolbarCustomize::AddMenuCommands(const CMenu* pMenu, BOOL bPopup, LPCSTR lpszCategory,
                                            LPCSTR lpszMenuPath)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr) return;
    const HMENU hMenu = pMenu->GetSafeHmenu();
    const CString strAllCommands = m_strAllCommands;
    BOOL bWindowMenu = FALSE;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        char szText[256] = {};
        ::GetMenuStringA(hMenu, i, szText, sizeof szText, MF_BYPOSITION);
        CString strText = szText;
        if (!m_bSaveMenuAmps) strText.Remove('&');
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        if (uiID == 0) continue;

        if (uiID == (UINT)-1) {
            UINT uiTearOffId = 0;
            if (g_pTearOffManager != nullptr)
                uiTearOffId = CZAVPTearOffManager::ParseTearOffName(strText);
            CString strSubCategory = strText;
            strSubCategory.Remove('&');
            if (lpszCategory != nullptr) strSubCategory = lpszCategory;
            CMenu subMenu;
            subMenu.Attach(::GetSubMenu(hMenu, i));
            if (!m_bAutoSetFromMenus) {
                AddMenuCommands(&subMenu, bPopup);
            } else {
                if (bPopup) {
                    CZAVPToolbarMenuButton menuButton((UINT)-1, subMenu.GetSafeHmenu(), -1,
                                                      strText);
                    menuButton.SetTearOffId(uiTearOffId);
                    AddButton(strSubCategory, menuButton);
                }
                CString strPath = lpszMenuPath != nullptr ? lpszMenuPath : "";
                strPath += strText;
                AddMenuCommands(&subMenu, bPopup, strSubCategory, strPath);
            }
            subMenu.Detach();
            continue;
        }

        if (IsWindowMenuCommand(uiID)) bWindowMenu = TRUE;
        if (lpszCategory != nullptr && g_pUserToolsManager != nullptr &&
            uiID == g_pUserToolsManager->GetToolsEntryCmd())
        {
            AddUserTools(lpszCategory);
            continue;
        }
        CZAVPToolbarButton button(uiID, -1, strText);
        if (lpszMenuPath != nullptr)
            button.m_strTextCustom = MenuPathUserText(lpszMenuPath, strText);
        AddButton(lpszCategory != nullptr ? lpszCategory : (LPCSTR)strAllCommands, button);
    }
    // The windows-dialog command belongs to MDI frames only, and this library has none: a window
    // menu gets nothing added here.
    (void)bWindowMenu;
}

void CZAVPToolbarCustomize::SetupFromMenus()
{
    // Only multi-document templates carry menus of their own; the framework here has single-
    // document templates only, so the frame's menu is the one to walk.
    HMENU hMenu = m_pParentFrame != nullptr ? m_pParentFrame->m_hMenuDefault : nullptr;
    if (hMenu == nullptr) {
        if (CZAVPMenuBar* pMenuBar = FrameMenuBar(m_pParentFrame))
            hMenu = pMenuBar->GetDefaultMenu();
    }
    if (hMenu == nullptr) return;
    CMenu menu;
    menu.Attach(hMenu);
    AddMenuCommands(&menu, FALSE);
    menu.Detach();
}

void CZAVPToolbarCustomize::FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAddEmpty) const
{
    auto add = [&](LPCSTR lpszName, const CObList* pList) {
        const int iItem = wndCategory.AddString(lpszName);
        wndCategory.SetItemDataPtr(iItem, (void*)pList);
    };
    for (POSITION pos = m_sortedCategories.GetHeadPosition(); pos != nullptr;) {
        const CString& strName = m_sortedCategories.GetNext(pos);
        const CObList* pList = GetCategoryButtons(strName);
        if (pList == nullptr) continue;
        BOOL bHasCommands = bAddEmpty;
        for (POSITION posButton = pList->GetHeadPosition(); posButton != nullptr && !bHasCommands;)
        {
            const auto* pButton = static_cast<const CZAVPToolbarButton*>(pList->GetNext(posButton));
            bHasCommands = pButton->m_nID != 0 && pButton->m_nID != (UINT)-1;
        }
        if (bHasCommands) add(strName, pList);
    }
    add(m_strAllCommands, GetCategoryButtons(m_strAllCommands));
}

void CZAVPToolbarCustomize::FillCategoriesListBox(CListBox& wndCategory, BOOL bAddEmpty) const
{
    auto add = [&](LPCSTR lpszName, const CObList* pList) {
        const int iItem = wndCategory.AddString(lpszName);
        wndCategory.SetItemDataPtr(iItem, (void*)pList);
    };
    for (POSITION pos = m_sortedCategories.GetHeadPosition(); pos != nullptr;) {
        const CString& strName = m_sortedCategories.GetNext(pos);
        const CObList* pList = GetCategoryButtons(strName);
        if (pList == nullptr) continue;
        BOOL bHasCommands = bAddEmpty;
        for (POSITION posButton = pList->GetHeadPosition(); posButton != nullptr && !bHasCommands;)
        {
            const auto* pButton = static_cast<const CZAVPToolbarButton*>(pList->GetNext(posButton));
            bHasCommands = pButton->m_nID != 0 && pButton->m_nID != (UINT)-1;
        }
        if (bHasCommands) add(strName, pList);
    }
    add(m_strAllCommands, GetCategoryButtons(m_strAllCommands));
}

void CZAVPToolbarCustomize::FillAllCommandsList(CListBox& wndListOfCommands) const
{
    wndListOfCommands.ResetContent();
    const CObList* pList = GetCategoryButtons(m_strAllCommands);
    if (pList == nullptr) return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        const auto* pButton = static_cast<const CZAVPToolbarButton*>(pList->GetNext(pos));
        const int iItem = wndListOfCommands.AddString(
            pButton->m_strTextCustom.IsEmpty() ? pButton->m_strText : pButton->m_strTextCustom);
        wndListOfCommands.SetItemData(iItem, pButton->m_nID);
    }
}

LPCSTR CZAVPToolbarCustomize::GetCommandName(UINT uiCmd) const
{
    const CObList* pList = GetCategoryButtons(m_strAllCommands);
    if (pList == nullptr) return nullptr;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        const auto* pButton = static_cast<const CZAVPToolbarButton*>(pList->GetNext(pos));
        if (pButton->m_nID == uiCmd) return pButton->m_strText;
    }
    return nullptr;
}

int CZAVPToolbarCustomize::GetCountInCategory(LPCSTR lpszItemName, const CObList& lstButtons)
{
    int nCount = 0;
    for (POSITION pos = lstButtons.GetHeadPosition(); pos != nullptr;) {
        const auto* pButton = static_cast<const CZAVPToolbarButton*>(lstButtons.GetNext(pos));
        if (pButton->m_strText == lpszItemName) ++nCount;
    }
    return nCount;
}

CZAVPToolbarCustomize* CZAVPToolbarCustomize::FromPage(const CWnd* pPage)
{
    if (pPage == nullptr || pPage->GetSafeHwnd() == nullptr) return nullptr;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(pPage->GetSafeHwnd()));
    return ZAVPIsKindOf(pParent, RUNTIME_CLASS(CZAVPToolbarCustomize))
               ? static_cast<CZAVPToolbarCustomize*>(pParent)
               : nullptr;
}

void CZAVPToolbarCustomize::ShowToolBar(CZAVPToolBar* pToolBar, BOOL bShow)
{
    if (m_pToolbarsPage != nullptr) m_pToolbarsPage->ShowToolBar(pToolBar, bShow);
}

BOOL CZAVPToolbarCustomize::OnEditToolbarMenuImage(CWnd* pWndParent, CBitmap& bitmap,
                                                   int nBitsPerPixel)
{
    CZAVPIconEditorDlg dlg(&bitmap, pWndParent, nBitsPerPixel);
    return dlg.DoModal() == IDOK;
}

BOOL CZAVPToolbarCustomize::EnableCustomizeMode(BOOL bEnable)
{
    if (m_pParentFrame == nullptr || m_pParentFrame->GetSafeHwnd() == nullptr) {
        CZAVPToolBar::SetCustomizeMode(bEnable);
        return FALSE;
    }
    for (HWND hwndChild = ::GetWindow(m_pParentFrame->m_hWnd, GW_CHILD); hwndChild != nullptr;
         hwndChild = ::GetWindow(hwndChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandlePermanent(hwndChild);
        const BOOL bBar = pChild != nullptr &&
                          (ZAVPIsKindOf(pChild, RUNTIME_CLASS(CDockBar)) ||
                           ZAVPIsKindOf(pChild, RUNTIME_CLASS(CZAVPDockBar)) ||
                           ZAVPIsKindOf(pChild, ZAVPClassNames::CZAVPOutlookBar) ||
                           ZAVPIsKindOf(pChild, ZAVPClassNames::CZAVPReBar) ||
                           ZAVPIsKindOf(pChild, RUNTIME_CLASS(CZAVPToolBar)));
        if (!bBar) ::EnableWindow(hwndChild, !bEnable);
    }
    CZAVPToolBar::SetCustomizeMode(bEnable);
    const BOOL bResult = (BOOL)m_pParentFrame->SendMessage(ZAVPToolBarMessages::Customize,
                                                           (WPARAM)bEnable, 0);
    if (!bEnable) {
        if (CFrameWnd* pActive = m_pParentFrame->GetActiveFrame())
            if (pActive->GetSafeHwnd() != nullptr) pActive->PostMessage(WM_SETFOCUS, 0, 0);
    }
    return bEnable ? bResult : FALSE;
}

int CZAVPToolbarCustomize::OnCreate(LPCREATESTRUCT lpcs)
{
    const int nResult = (int)Default();
    (void)lpcs;
    if (nResult == -1) return -1;
    if (m_uiFlags & kOptContextHelp) ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    m_pCurrent = this;
    return nResult;
}

LRESULT CZAVPToolbarCustomize::HandleInitDialog(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    OnInitDialog();
    return lResult;
}

BOOL CZAVPToolbarCustomize::OnInitDialog()
{
    const BOOL bResult = TRUE;

    CWnd* pCancel = GetDlgItem(IDCANCEL);
    CWnd* pOK = GetDlgItem(IDOK);
    if (pCancel == nullptr) return bResult;
    CString strClose;
    strClose.LoadString(IDS_ZAVP_CUSTOMIZE_CLOSE);
    pCancel->ShowWindow(SW_SHOW);
    pCancel->EnableWindow(TRUE);
    pCancel->SetWindowText(strClose);
    pCancel->SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    if (pOK != nullptr) pOK->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    // A modeless sheet applies every change at once: it offers neither OK nor Apply.
    const int kApplyButtonId = 0x3021;  // the sheet control's Apply button
    for (int nId : {(int)IDOK, kApplyButtonId}) {
        if (CWnd* pButton = GetDlgItem(nId)) {
            pButton->ShowWindow(SW_HIDE);
            pButton->EnableWindow(FALSE);
        }
    }

    CRect rectCancel;
    pCancel->GetWindowRect(rectCancel);
    ScreenToClient(rectCancel);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    SetWindowPos(nullptr, 0, 0, rectWindow.Width(), rectWindow.Height() + rectCancel.Height() + 16,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectClient;
    GetClientRect(rectClient);
    const int nOldTop = rectCancel.top;
    pCancel->SetWindowPos(nullptr, rectClient.right - rectCancel.Width() - 8, nOldTop + 4, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    CWnd* pHelp = GetDlgItem(IDHELP);
    if (pHelp != nullptr) {
        if (m_uiFlags & kOptNoHelp) {
            pHelp->ShowWindow(SW_HIDE);
            pHelp->EnableWindow(FALSE);
        } else {
            HBITMAP hbmHelp = (HBITMAP)::LoadImageA(
                AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_ZAVP_CUSTOMIZE_HELP), IMAGE_BITMAP, 0,
                0, LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS);
            pHelp->ShowWindow(SW_SHOW);
            pHelp->EnableWindow(TRUE);
            BITMAP bm = {};
            if (hbmHelp != nullptr) {
                ::GetObjectA(hbmHelp, sizeof bm, &bm);
                pHelp->ModifyStyle(0, BS_BITMAP);
                HBITMAP hbmOld = (HBITMAP)pHelp->SendMessage(BM_SETIMAGE, IMAGE_BITMAP,
                                                             (LPARAM)hbmHelp);
                if (hbmOld != nullptr && hbmOld != hbmHelp) ::DeleteObject(hbmOld);
            }
            pHelp->SetWindowPos(nullptr, rectClient.left + 8, nOldTop, bm.bmWidth + 8,
                                bm.bmHeight + 8, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return bResult;
}

BOOL CZAVPToolbarCustomize::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDCANCEL:
        if (g_pUserToolsManager != nullptr && m_pToolsPage != nullptr &&
            !CheckToolsValidity(g_pUserToolsManager->GetUserTools()))
        {
            if (GetActivePage() != m_pToolsPage) SetActivePage(m_pToolsPage);
            return TRUE;
        }
        DestroyWindow();
        return TRUE;
    case IDHELP:
        if (m_pParentFrame != nullptr)
            m_pParentFrame->SendMessage(ZAVPToolBarMessages::CustomizeHelp,
                                        (WPARAM)GetActiveIndex(), (LPARAM)this);
        return TRUE;
    default: return CPropertySheet::OnCommand(wParam, lParam);
    }
}

BOOL CZAVPToolbarCustomize::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if ((m_uiFlags & kOptContextHelp) && pHelpInfo != nullptr &&
        pHelpInfo->iContextType == HELPINFO_WINDOW)
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->WinHelp((DWORD_PTR)pHelpInfo->iCtrlId + kHelpIdOffset, HELP_CONTEXTPOPUP);
    } else if (m_pParentFrame != nullptr) {
        m_pParentFrame->SendMessage(ZAVPToolBarMessages::CustomizeHelp, (WPARAM)GetActiveIndex(),
                                    (LPARAM)this);
    }
    return TRUE;
}

void CZAVPToolbarCustomize::OnContextMenu(CWnd* pWnd, CPoint /*point*/)
{
    if ((m_uiFlags & kOptContextHelp) && GetWorkspace() != nullptr)
        GetWorkspace()->OnContextHelp(pWnd, m_dwHelpIds);
}

void CZAVPToolbarCustomize::PostNcDestroy()
{
    if (m_pCurrent == this) m_pCurrent = nullptr;
    EnableCustomizeMode(FALSE);
    CPropertySheet::PostNcDestroy();
    delete this;
}
