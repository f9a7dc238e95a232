// The outlook bar (see the header).
#include "ui/panes/CZAVPOutlookBar.h"

#include <algorithm>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CMemFile.h"
#include "framework/CMemoryException.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/panes/CZAVPOutlookBarDockingPane.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/panes/CZAVPOutlookWnd.h"
#include "ui/panes/ZAVPOutlookCustomPages.h"

IMPLEMENT_SERIAL(CZAVPOutlookBar, CZAVPBaseTabbedBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPOutlookBar, CZAVPBaseTabbedBar)
ON_WM_CREATE()
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
const UINT kOutlookMemFileGrow = 1024;
const UINT kOutlookArchiveBuffer = 4096;
}  // namespace

CZAVPOutlookBar::CZAVPOutlookBar() = default;

CZAVPOutlookBar::~CZAVPOutlookBar()
{
    for (CZAVPOutlookBarPane* pPage : m_lstCustomPages) {
        if (pPage->GetSafeHwnd() != nullptr) pPage->DestroyWindow();
        delete pPage;
    }
    m_lstCustomPages.clear();
}

BOOL CZAVPOutlookBar::Create(LPCSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, UINT nID,
                             DWORD dwStyle, DWORD dwControlBarStyle, CCreateContext* pContext)
{
    if (!CZAVPBaseTabbedBar::Create(lpszCaption, pParentWnd, rect, FALSE, nID, dwStyle,
                                    ZAVP_CBRS_OUTLOOK_TABS, dwControlBarStyle, pContext))
        return FALSE;
    if (dwControlBarStyle & ZAVP_CBRS_RESIZE) {
        EnableDocking(CBRS_ALIGN_ANY);
        DockToFrameWindow(FALSE);
    } else if (pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        if (CZAVPDockManager* pManager = CZAVPDockingUtils::GetDockManager(pParentWnd))
            pManager->AddControlBar(this, TRUE, FALSE, FALSE);
    }
    return TRUE;
}

int CZAVPOutlookBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZAVPBaseTabbedBar::OnCreate(lpCreateStruct) == -1) return -1;
    CZAVPOutlookWnd* pWnd = new CZAVPOutlookWnd;
    if (!pWnd->Create(CRect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy), this, kOutlookWndId)) {
        if (pWnd->GetSafeHwnd() != nullptr) pWnd->DestroyWindow();
        delete pWnd;
        return -1;
    }
    pWnd->SetDockingBarWrapperRTC(RUNTIME_CLASS(CZAVPOutlookBarDockingPane));
    m_pTabWnd = pWnd;
    if (CanFloat()) m_pTabWnd->RecalcLayout();
    return 0;
}

CZAVPOutlookWnd* CZAVPOutlookBar::GetOutlookWnd() const
{
    return m_pTabWnd != nullptr && m_pTabWnd->IsKindOf(RUNTIME_CLASS(CZAVPOutlookWnd))
               ? static_cast<CZAVPOutlookWnd*>(m_pTabWnd)
               : nullptr;
}

void CZAVPOutlookBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(&dc, this, rectClient, rectClient);
}

void CZAVPOutlookBar::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
    if (CanFloat()) {
        if (CZAVPOutlookWnd* pWnd = GetOutlookWnd())
            if (pWnd->GetSafeHwnd() != nullptr) pWnd->GetTabArea(rectTabAreaTop, rectTabAreaBottom);
        return;
    }
    if (GetSafeHwnd() == nullptr) return;
    GetClientRect(rectTabAreaTop);
    ClientToScreen(rectTabAreaTop);
}

BOOL CZAVPOutlookBar::CanAcceptBar(const CZAVPBaseControlBar* pBar) const
{
    if (pBar == nullptr) return FALSE;
    if (CanFloat()) return CZAVPBaseTabbedBar::CanAcceptBar(pBar);
    return pBar->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBarDockingPane)) ||
           pBar->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBarPane)) ||
           pBar->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBar));
}

int CZAVPOutlookBar::HitTestForDocking(CPoint point, int nSensitivity)
{
    if (m_pTabWnd == nullptr) return ZAVP_DOCKHIT_NONE;
    if (m_pTabWnd->GetTabsNum() == 0 || m_pTabWnd->GetVisibleTabsNum() == 0)
        return ZAVP_DOCKHIT_TAB;
    const int nCaption = HitTest(point, TRUE);
    CRect rectTop, rectBottom;
    GetTabArea(rectTop, rectBottom);
    rectTop.bottom += nSensitivity;
    rectBottom.top -= nSensitivity;
    if (nCaption == HTCAPTION || rectTop.PtInRect(point) || rectBottom.PtInRect(point))
        return ZAVP_DOCKHIT_TAB;
    const int nHit = CZAVPBaseTabbedBar::HitTestForDocking(point, nSensitivity);
    return nHit == ZAVP_DOCKHIT_BESIDE && !CanFloat() ? ZAVP_DOCKHIT_NONE : nHit;
}

BOOL CZAVPOutlookBar::AddPage(CWnd* pPage, LPCSTR lpszLabel)
{
    if (pPage == nullptr || m_pTabWnd == nullptr) return FALSE;
    m_pTabWnd->AddTab(pPage, lpszLabel, (UINT)-1, TRUE);
    const int nTabs = m_pTabWnd->GetTabsNum();
    if (nTabs == 0) return FALSE;
    m_pTabWnd->SetActiveTab(nTabs - 1);
    return TRUE;
}

CString CZAVPOutlookBar::PageName(CZAVPOutlookBarPane* pPage)
{
    CString strName;
    CWnd* pNamed = pPage;
    if (!pPage->IsTabbed() && pPage->GetParent() != nullptr) pNamed = pPage->GetParent();
    pNamed->GetWindowText(strName);
    return strName;
}

// ---- state

BOOL CZAVPOutlookBar::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    CZAVPBaseTabbedBar::SaveState(lpszProfileName, nIndex, uiID);
    std::vector<ZAVPOutlookCustomPages::Page> pages;
    for (CZAVPOutlookBarPane* pPage : m_lstCustomPages) {
        if (pPage->GetSafeHwnd() == nullptr) continue;
        const UINT nID = (UINT)pPage->GetDlgCtrlID();
        pPage->SaveState(lpszProfileName, (int)nID, nID);
        ZAVPOutlookCustomPages::Page page;
        page.nID = nID;
        page.strName = PageName(pPage);
        pages.push_back(page);
    }
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    const CString strKey = ZAVPOutlookCustomPages::Key(
        BuildRegistryPath(ZAVPLibraryNames::kOutlookBarsSection, lpszProfileName), nIndex, uiID);
    try {
        CMemFile file(kOutlookMemFileGrow);
        {
            CArchive ar(&file, CArchive::store, kOutlookArchiveBuffer);
            ZAVPOutlookCustomPages::Write(ar, pages);
            ar.Flush();
        }
        const UINT nBytes = (UINT)file.GetLength();
        BYTE* pData = file.Detach();
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        if (reg.CreateKey(strKey))
            reg.WriteBinary(ZAVPLibraryNames::kOutlookCustomPagesSection, pData, nBytes);
        free(pData);
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (CArchiveException* e) {
        e->Delete();
    }
    return TRUE;
}

BOOL CZAVPOutlookBar::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    CZAVPBaseTabbedBar::LoadState(lpszProfileName, nIndex, uiID);
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    const CString strKey = ZAVPOutlookCustomPages::Key(
        BuildRegistryPath(ZAVPLibraryNames::kOutlookBarsSection, lpszProfileName), nIndex, uiID);
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        if (!reg.ReadKey(strKey) ||
            !reg.ReadBinary(ZAVPLibraryNames::kOutlookCustomPagesSection, pData, nBytes))
        {
            delete[] pData;
            return FALSE;
        }
    }
    // The whole list is read before any page is made: a damaged value makes none.
    std::vector<ZAVPOutlookCustomPages::Page> pages;
    BOOL bRead = TRUE;
    try {
        CMemFile file(pData, nBytes);
        CArchive ar(&file, CArchive::load, kOutlookArchiveBuffer);
        ZAVPOutlookCustomPages::Read(ar, pages);
    } catch (CMemoryException* e) {
        e->Delete();
        bRead = FALSE;
    } catch (CArchiveException* e) {
        e->Delete();
        bRead = FALSE;
    }
    delete[] pData;
    if (!bRead || m_pTabWnd == nullptr) return FALSE;

    CWnd* pOwner = GetOwner() != nullptr ? GetOwner() : GetParent();
    for (const ZAVPOutlookCustomPages::Page& page : pages) {
        // Only ids of the custom-page range that no other page holds make a page.
        if (!ZAVPOutlookCustomPages::IsCustomId(page.nID) ||
            ZAVPOutlookCustomPages::IsUsed(page.nID))
            continue;
        CZAVPOutlookBarPane* pPage = new CZAVPOutlookBarPane;
        if (!pPage->Create(this, CZAVPOutlookBarPane::kCustomPageStyle, page.nID, 0)) {
            if (pPage->GetSafeHwnd() != nullptr) pPage->DestroyWindow();
            delete pPage;
            continue;
        }
        pPage->SetOwner(pOwner);
        pPage->LoadState(lpszProfileName, (int)page.nID, page.nID);
        m_lstCustomPages.push_back(pPage);
        m_pTabWnd->AddTab(pPage, page.strName, (UINT)-1, TRUE);
        ZAVPOutlookCustomPages::MarkUsed(page.nID);
    }
    return TRUE;
}
