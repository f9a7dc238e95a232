// The toolbars page (see the header).
#include "ui/toolbars/CZAVPToolbarsPage.h"

#include "framework/CDataExchange.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPDropDownToolBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/CZAVPToolbarNameDlg.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_DYNCREATE(CZAVPToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CZAVPToolbarsPage, CPropertyPage)
ON_LBN_SELCHANGE(IDC_ZAVP_TOOLBAR_LIST, &CZAVPToolbarsPage::OnSelChangeToolbarList)
ON_LBN_DBLCLK(IDC_ZAVP_TOOLBAR_LIST, &CZAVPToolbarsPage::OnDblclkToolbarList)
ON_BN_CLICKED(IDC_ZAVP_RESET_TOOLBAR, &CZAVPToolbarsPage::OnResetToolbar)
ON_BN_CLICKED(IDC_ZAVP_RESET_ALL_TOOLBARS, &CZAVPToolbarsPage::OnResetAllToolbars)
ON_BN_CLICKED(IDC_ZAVP_NEW_TOOLBAR, &CZAVPToolbarsPage::OnNewToolbar)
ON_BN_CLICKED(IDC_ZAVP_RENAME_TOOLBAR, &CZAVPToolbarsPage::OnRenameToolbar)
ON_BN_CLICKED(IDC_ZAVP_DELETE_TOOLBAR, &CZAVPToolbarsPage::OnDeleteToolbar)
ON_BN_CLICKED(IDC_ZAVP_TEXT_LABELS, &CZAVPToolbarsPage::OnTextLabels)
END_MESSAGE_MAP()

CZAVPToolbarsPage::CZAVPToolbarsPage(CFrameWnd* pParentFrame)
    : CPropertyPage(IDD_ZAVP_CUSTOMIZE_TOOLBARS), m_bUserDefinedToolbars(FALSE),
      m_bTextLabels(FALSE), m_pSelectedToolbar(nullptr), m_pParentFrame(pParentFrame)
{
}

void CZAVPToolbarsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_TEXT_LABELS, m_btnTextLabels);
    DDX_Control(pDX, IDC_ZAVP_RENAME_TOOLBAR, m_btnRename);
    DDX_Control(pDX, IDC_ZAVP_NEW_TOOLBAR, m_btnNew);
    DDX_Control(pDX, IDC_ZAVP_DELETE_TOOLBAR, m_btnDelete);
    DDX_Control(pDX, IDC_ZAVP_RESET_TOOLBAR, m_btnReset);
    DDX_Control(pDX, IDC_ZAVP_TOOLBAR_LIST, m_wndToolbarList);
    DDX_Check(pDX, IDC_ZAVP_TEXT_LABELS, m_bTextLabels);
}

int CZAVPToolbarsPage::AddToolbarItem(CZAVPToolBar* pBar, LPCSTR lpszName, BOOL bCheck,
                                      int iInsertAt)
{
    CString strName = lpszName;
    if (strName.IsEmpty()) strName.LoadString(IDS_ZAVP_UNNAMED_TOOLBAR);
    const int iItem = iInsertAt < 0 ? m_wndToolbarList.AddString(strName)
                                    : m_wndToolbarList.InsertString(iInsertAt, strName);
    m_wndToolbarList.SetItemDataPtr(iItem, pBar);
    m_wndToolbarList.SetCheck(iItem, bCheck ? 1 : 0);
    return iItem;
}

BOOL CZAVPToolbarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!m_bUserDefinedToolbars) {
        m_btnNew.ShowWindow(SW_HIDE);
        m_btnDelete.ShowWindow(SW_HIDE);
        m_btnRename.ShowWindow(SW_HIDE);
    }
    const HWND hwndTop = ::GetAncestor(m_hWnd, GA_ROOT);
    CWnd* pPageTop = CWnd::FromHandlePermanent(hwndTop);
    CFrameWnd* pPageFrame = pPageTop != nullptr ? pPageTop->GetTopLevelFrame() : nullptr;
    for (POSITION pos = CZAVPToolBar::GetAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = static_cast<CZAVPToolBar*>(CZAVPToolBar::GetAllToolbars().GetNext(pos));
        if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd())) continue;
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDropDownToolBar))) continue;
        if (pBar->GetTopLevelFrame() != pPageFrame) continue;
        if (!pBar->AllowShowOnList()) continue;
        CString strName;
        pBar->GetWindowText(strName);
        const int iItem = AddToolbarItem(pBar, strName, (pBar->GetStyle() & WS_VISIBLE) != 0);
        m_wndToolbarList.Enable(iItem, pBar->CanBeClosed());
    }
    auto* pSheet = CZAVPToolbarCustomize::FromPage(this);
    if (pSheet == nullptr || !(pSheet->GetFlags() & ZAVPCustomizeRules::kOptTextLabels))
        m_btnTextLabels.ShowWindow(SW_HIDE);
    OnSelChangeToolbarList();
    return TRUE;
}

void CZAVPToolbarsPage::ShowToolBar(CZAVPToolBar* pToolBar, BOOL bShow)
{
    if (m_wndToolbarList.GetSafeHwnd() == nullptr) return;
    for (int i = 0; i < m_wndToolbarList.GetCount(); ++i) {
        if (m_wndToolbarList.GetItemDataPtr(i) == pToolBar) {
            m_wndToolbarList.SetCheck(i, bShow ? 1 : 0);
            return;
        }
    }
}

void CZAVPToolbarsPage::OnSelChangeToolbarList()
{
    const int iSel = m_wndToolbarList.GetCurSel();
    if (iSel < 0) {
        m_pSelectedToolbar = nullptr;
        m_btnReset.EnableWindow(FALSE);
        m_btnDelete.EnableWindow(FALSE);
        m_btnRename.EnableWindow(FALSE);
        m_btnTextLabels.EnableWindow(FALSE);
        return;
    }
    m_pSelectedToolbar = static_cast<CZAVPToolBar*>(m_wndToolbarList.GetItemDataPtr(iSel));
    m_btnReset.EnableWindow(m_pSelectedToolbar->CanBeRestored());
    m_btnDelete.EnableWindow(m_pSelectedToolbar->IsUserDefined());
    m_btnRename.EnableWindow(m_pSelectedToolbar->IsUserDefined());
    m_btnTextLabels.EnableWindow(m_pSelectedToolbar->CanChangeTextLabels());
    m_bTextLabels = m_pSelectedToolbar->AreTextLabels();
    UpdateData(FALSE);
}

BOOL CZAVPToolbarsPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_ZAVP_TOOLBAR_LIST && HIWORD(wParam) == CLBN_CHKCHANGE) {
        const int iSel = m_wndToolbarList.GetCurSel();
        if (iSel >= 0) {
            auto* pBar = static_cast<CZAVPToolBar*>(m_wndToolbarList.GetItemDataPtr(iSel));
            const int nCheck = m_wndToolbarList.GetCheck(iSel);
            if (pBar->CanBeClosed()) {
                pBar->ShowControlBar(nCheck != 0, FALSE, TRUE);
            } else if (nCheck == 0) {
                m_wndToolbarList.SetCheck(iSel, 1);
                ::MessageBeep((UINT)-1);
            }
        }
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CZAVPToolbarsPage::OnDblclkToolbarList()
{
    const int iSel = m_wndToolbarList.GetCurSel();
    if (iSel < 0) return;
    auto* pBar = static_cast<CZAVPToolBar*>(m_wndToolbarList.GetItemDataPtr(iSel));
    if (pBar->CanBeClosed()) {
        m_wndToolbarList.SetCheck(iSel, m_wndToolbarList.GetCheck(iSel) ? 0 : 1);
        OnSelChangeToolbarList();
    } else {
        ::MessageBeep((UINT)-1);
    }
}

void CZAVPToolbarsPage::OnTextLabels()
{
    UpdateData();
    if (m_pSelectedToolbar != nullptr) m_pSelectedToolbar->EnableTextLabels(m_bTextLabels);
}

void CZAVPToolbarsPage::OnResetToolbar()
{
    if (m_pSelectedToolbar == nullptr) return;
    CString strName;
    m_pSelectedToolbar->GetWindowText(strName);
    CString strFormat, strPrompt;
    strFormat.LoadString(IDS_ZAVP_RESET_TOOLBAR_PROMPT);
    strPrompt.Format(strFormat, (LPCSTR)strName);
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_pSelectedToolbar->RestoreOriginalState();
    OnSelChangeToolbarList();
}

void CZAVPToolbarsPage::OnResetAllToolbars()
{
    CString strPrompt;
    strPrompt.LoadString(IDS_ZAVP_RESET_ALL_TOOLBARS);
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    // The command images go back to those of the toolbar resources.
    GetCommandManager()->ClearAll();
    for (POSITION pos = CZAVPToolBar::m_DefaultImages.GetStartPosition(); pos != nullptr;) {
        UINT uiCmd = 0;
        int iImage = -1;
        CZAVPToolBar::m_DefaultImages.GetNextAssoc(pos, uiCmd, iImage);
        GetCommandManager()->RecordCommandImage(uiCmd, iImage);
    }
    for (int i = 0; i < m_wndToolbarList.GetCount(); ++i) {
        auto* pBar = static_cast<CZAVPToolBar*>(m_wndToolbarList.GetItemDataPtr(i));
        if (pBar->CanBeRestored()) pBar->RestoreOriginalState();
    }
    OnSelChangeToolbarList();
}

void CZAVPToolbarsPage::OnNewToolbar()
{
    CZAVPToolbarNameDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame == nullptr) pFrame = m_pParentFrame;
    if (pFrame == nullptr) {
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    auto* pNewBar = (CZAVPToolBar*)pFrame->SendMessage(ZAVPToolBarMessages::Create, 0,
                                                       (LPARAM)(LPCSTR)dlg.m_strToolbarName);
    if (pNewBar == nullptr) return;
    const int iItem = AddToolbarItem(pNewBar, dlg.m_strToolbarName, TRUE);
    m_wndToolbarList.SetCurSel(iItem);
    m_wndToolbarList.SetTopIndex(iItem);
    OnSelChangeToolbarList();
}

void CZAVPToolbarsPage::OnRenameToolbar()
{
    if (m_pSelectedToolbar == nullptr) return;
    CZAVPToolbarNameDlg dlg(this);
    m_pSelectedToolbar->GetWindowText(dlg.m_strToolbarName);
    if (dlg.DoModal() != IDOK) return;
    m_pSelectedToolbar->SetWindowText(dlg.m_strToolbarName);
    if (m_pSelectedToolbar->IsFloating()) {
        if (CZAVPMiniFrameWnd* pMiniFrame = m_pSelectedToolbar->GetParentMiniFrame(TRUE)) {
            pMiniFrame->SetWindowText(dlg.m_strToolbarName);
            pMiniFrame->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
    }
    const int iSel = m_wndToolbarList.GetCurSel();
    if (iSel >= 0) m_wndToolbarList.DeleteString(iSel);
    const int iItem = AddToolbarItem(m_pSelectedToolbar, dlg.m_strToolbarName,
                                     (m_pSelectedToolbar->GetStyle() & WS_VISIBLE) != 0);
    m_wndToolbarList.SetCurSel(iItem);
    m_wndToolbarList.SetTopIndex(iItem);
    OnSelChangeToolbarList();
}

void CZAVPToolbarsPage::OnDeleteToolbar()
{
    if (m_pSelectedToolbar == nullptr) return;
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame == nullptr) pFrame = m_pParentFrame;
    if (pFrame == nullptr) {
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    CString strName;
    m_pSelectedToolbar->GetWindowText(strName);
    CString strFormat, strPrompt;
    strFormat.LoadString(IDS_ZAVP_DELETE_TOOLBAR_PROMPT);
    strPrompt.Format(strFormat, (LPCSTR)strName);
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    if (!pFrame->SendMessage(ZAVPToolBarMessages::Delete, 0, (LPARAM)m_pSelectedToolbar)) {
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    const int iSel = m_wndToolbarList.GetCurSel();
    if (iSel >= 0) m_wndToolbarList.DeleteString(iSel);
    m_wndToolbarList.SetCurSel(0);
    OnSelChangeToolbarList();
}
