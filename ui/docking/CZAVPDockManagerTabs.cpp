// The dock manager's dealings with tabbed panes (see CZAVPDockManager.h): look-ups among their
// tabs, their records in the stored layout and their part in applying it.
#include "ui/docking/CZAVPDockManager.h"

#include <memory>
#include <set>
#include <utility>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/layout/TabWindowRecord.h"

CZAVPBaseControlBar* CZAVPDockManager::FindTabBarByID(CZAVPBaseControlBar* pBar, UINT uBarID)
{
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) return nullptr;
    CWnd* pTab = static_cast<CZAVPBaseTabbedBar*>(pBar)->FindBarByID(uBarID);
    return pTab != nullptr && pTab->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))
               ? static_cast<CZAVPBaseControlBar*>(pTab)
               : nullptr;
}

namespace
{
// A fixed tabbed pane's tab window as read from a stored layout, waiting to be applied.
class StagedTabWindow : public CObject
{
public:
    HWND hBar = nullptr;  // the pane's window when it was read
    TabLayout::TabWindowRecord record;
};

// The panes', sliders' and mini frames' parts of a stored layout, with the fixed tabbed panes'
// tab windows handled here.
class TabbedLayoutParts : public DockLayout::DockLayoutNested
{
public:
    TabbedLayoutParts(CZAVPDockManager* pManager,
                      std::unique_ptr<DockLayout::DockLayoutNested> pInner, size_t nImageBytes)
        : m_pManager(pManager), m_pInner(std::move(pInner)), m_nImageBytes(nImageBytes)
    {
    }
    void StoreTabContent(CArchive& ar, const DockLayout::TabbedEntry& entry) override
    {
        CZAVPDockManager::StoreTabbedBarContent(ar, entry);
    }
    CObject* LoadTabContent(CArchive& ar, DWORD id) override
    {
        CObject* pStaged = m_pManager->LoadTabbedBarContent(ar, id, m_nImageBytes);
        m_staged.insert(pStaged);
        return pStaged;
    }
    void StoreSlider(CArchive& ar, CObject* pSlider) override
    {
        m_pInner->StoreSlider(ar, pSlider);
    }
    CObject* LoadSlider(CArchive& ar) override { return m_pInner->LoadSlider(ar); }
    void StoreMiniFrame(CArchive& ar, CObject* pMiniFrame) override
    {
        m_pInner->StoreMiniFrame(ar, pMiniFrame);
    }
    CObject* LoadMiniFrame(CArchive& ar) override { return m_pInner->LoadMiniFrame(ar); }
    size_t MinMiniFrameBytes() const override { return m_pInner->MinMiniFrameBytes(); }
    void Discard(CObject* pStaged) override
    {
        if (m_staged.erase(pStaged) != 0)
            delete pStaged;
        else
            m_pInner->Discard(pStaged);
    }

private:
    CZAVPDockManager* m_pManager;
    std::unique_ptr<DockLayout::DockLayoutNested> m_pInner;
    size_t m_nImageBytes;
    std::set<CObject*> m_staged;  // tab windows read by this object
};

// A search for the window a stored tabbed bar names as a tab, over one window tree.
struct TabSearch
{
    UINT nID;
    CWnd* pFound;
    CZAVPBaseTabbedBar* pHolder;
};

BOOL CALLBACK SearchTab(HWND hWnd, LPARAM lParam)
{
    TabSearch& search = *reinterpret_cast<TabSearch*>(lParam);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || (UINT)::GetDlgCtrlID(hWnd) != search.nID) return TRUE;
    // A tab of a tabbed bar: its parent is the bar's tab window and the window has a tab there.
    CWnd* pTabWnd = CWnd::FromHandlePermanent(::GetParent(hWnd));
    CWnd* pBar = pTabWnd != nullptr ? CWnd::FromHandlePermanent(::GetParent(pTabWnd->m_hWnd))
                                    : nullptr;
    if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)) &&
        static_cast<CZAVPBaseTabbedBar*>(pBar)->GetTabWnd() == pTabWnd &&
        static_cast<CZAVPBaseTabbedBar*>(pBar)->GetTabWnd()->GetTabFromHwnd(hWnd) >= 0)
    {
        search.pFound = pWnd;
        search.pHolder = static_cast<CZAVPBaseTabbedBar*>(pBar);
        return FALSE;
    }
    // A pane standing on its own (a tabbed bar is never a tab).
    if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) &&
        !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
    {
        search.pFound = pWnd;
        search.pHolder = nullptr;
        return FALSE;
    }
    return TRUE;
}

// The fixed tabbed pane with that window, still there.
CZAVPBaseTabbedBar* LiveTabbedBar(HWND hBar)
{
    CWnd* pWnd = ::IsWindow(hBar) ? CWnd::FromHandlePermanent(hBar) : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))
               ? static_cast<CZAVPBaseTabbedBar*>(pWnd)
               : nullptr;
}
}  // namespace

CWnd* CZAVPDockManager::FindTabWindow(UINT nID, CZAVPBaseTabbedBar*& pHolder) const
{
    pHolder = nullptr;
    if (nID == 0 || nID == (UINT)-1 || m_pParentWnd == nullptr) return nullptr;
    TabSearch search{nID, nullptr, nullptr};
    // The frame's windows (docked and auto-hidden panes and their tabs), then every mini frame's.
    std::vector<HWND> roots{m_pParentWnd->GetSafeHwnd()};
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;)
        roots.push_back(static_cast<CWnd*>(m_lstMiniFrames.GetNext(pos))->GetSafeHwnd());
    for (HWND hRoot : roots) {
        if (hRoot == nullptr || !::IsWindow(hRoot)) continue;
        ::EnumChildWindows(hRoot, SearchTab, reinterpret_cast<LPARAM>(&search));
        if (search.pFound != nullptr) break;
    }
    pHolder = search.pHolder;
    return search.pFound;
}

std::vector<DockLayout::TabbedEntry> CZAVPDockManager::TabbedBarsToSave()
{
    std::vector<DockLayout::TabbedEntry> entries;
    std::vector<CZAVPBaseTabbedBar*> tabless;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstControlBars.GetNext(pos);
        if (!p->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) continue;
        CZAVPBaseTabbedBar* pBar = static_cast<CZAVPBaseTabbedBar*>(p);
        if (pBar->GetSafeHwnd() == nullptr) continue;
        if (pBar->CanFloat()) {
            if (pBar->GetTabsNum() == 0) tabless.push_back(pBar);
            continue;
        }
        const int id = pBar->GetDlgCtrlID();
        if (id != 0 && id != -1) entries.push_back({(DWORD)id, pBar});
    }
    for (CZAVPBaseTabbedBar* pBar : tabless) pBar->UndockControlBar(TRUE);
    return entries;
}

void CZAVPDockManager::StoreTabbedBarContent(CArchive& ar, const DockLayout::TabbedEntry& entry)
{
    static_cast<CZAVPBaseTabbedBar*>(entry.pContent)->SerializeTabWindow(ar);
}

CObject* CZAVPDockManager::LoadTabbedBarContent(CArchive& ar, DWORD id, size_t nImageBytes)
{
    CZAVPBaseControlBar* pFound = FindBarByID((UINT)id, TRUE);
    if (pFound == nullptr || !pFound->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)) ||
        static_cast<CZAVPBaseTabbedBar*>(pFound)->GetTabWnd() == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass);
    StagedTabWindow* pStaged = new StagedTabWindow;
    pStaged->hBar = pFound->GetSafeHwnd();
    try {
        TabLayout::LoadTabWindowRecord(ar, nImageBytes, pStaged->record);
    } catch (CException*) {
        delete pStaged;
        throw;
    }
    return pStaged;
}

void CZAVPDockManager::StageLoadedTabbedBars(const std::vector<DockLayout::TabbedEntry>& entries)
{
    DiscardLoadedTabbedBars();
    for (const DockLayout::TabbedEntry& entry : entries)
        if (entry.pContent != nullptr) m_lstLoadedTabbedBars.AddTail(entry.pContent);
}

void CZAVPDockManager::ApplyLoadedTabbedBars()
{
    for (POSITION pos = m_lstLoadedTabbedBars.GetHeadPosition(); pos != nullptr;) {
        StagedTabWindow* pStaged = static_cast<StagedTabWindow*>(
            m_lstLoadedTabbedBars.GetNext(pos));
        CZAVPBaseTabbedBar* pBar = LiveTabbedBar(pStaged->hBar);
        if (pBar == nullptr) continue;
        // The order is put back too: a fixed pane's tabs come back as the user left them.
        CZAVPBaseTabWnd* pTabs = pBar->GetTabWnd();
        pTabs->SetRestoredState(pStaged->record);
        pTabs->ApplyRestoredTabInfo(TRUE);
        pTabs->SetLocation((CZAVPBaseTabWnd::Location)pStaged->record.nLocation);
    }
    DiscardLoadedTabbedBars();
}

void CZAVPDockManager::DiscardLoadedTabbedBars()
{
    for (POSITION pos = m_lstLoadedTabbedBars.GetHeadPosition(); pos != nullptr;)
        delete m_lstLoadedTabbedBars.GetNext(pos);
    m_lstLoadedTabbedBars.RemoveAll();
}

std::unique_ptr<DockLayout::DockLayoutNested>
CZAVPDockManager::MakeTabbedLayoutParts(std::unique_ptr<DockLayout::DockLayoutNested> pInner,
                                        size_t nImageBytes)
{
    return std::make_unique<TabbedLayoutParts>(this, std::move(pInner), nImageBytes);
}
