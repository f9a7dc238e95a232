// Tabbed panes without a control id in the stored docking layout: the tree's record of such a
// group (its tabs, its class, its style and its own record), the group made again in a fresh
// frame where it gathers its tabs, a frame's own group kept when it already holds them, and
// damaged records that leave the current layout as it is.
#include <shlwapi.h>

#include <regex>

#include "DockingPaneFixture.h"
#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/CZAVPTabbedControlBar.h"
#include "ui/docking/layout/ContainerRecords.h"
#include "ui/docking/layout/TabWindowRecord.h"

using namespace PaneTests;

// A frame's own tabbed pane without an id, of a class of its own (as the application's is).
class OwnTabbedPane : public CZAVPTabbedControlBar
{
    DECLARE_SERIAL(OwnTabbedPane)
};
IMPLEMENT_SERIAL(OwnTabbedPane, CZAVPTabbedControlBar, 1)

// Classes a damaged record may name: a pane that is no tabbed bar, and a tabbed bar that makes
// no tab window.
class NotATabbedPane : public CZAVPDockingControlBar
{
    DECLARE_SERIAL(NotATabbedPane)
};
IMPLEMENT_SERIAL(NotATabbedPane, CZAVPDockingControlBar, 1)

class BareTabbedBar : public CZAVPBaseTabbedBar
{
    DECLARE_SERIAL(BareTabbedBar)
};
IMPLEMENT_SERIAL(BareTabbedBar, CZAVPBaseTabbedBar, 1)

namespace
{
const char kTabbedRoot[] = "Software\\LornivalTabbedPaneStateTests";
const char kTabbedProfile[] = "Software\\LornivalTabbedPaneStateTests\\Layout\\";
const UINT kTabbedFrameId = 128;
// "Файлы" in the ANSI code page of the program (1251).
const char kFiles[] = "\xD4\xE0\xE9\xEB\xFB";
const std::string kKey = std::string(kTabbedProfile) + "ZAVPDockManager-128";

// What the pure reader makes of a tabbed pane's own record (side and visibility, the recent
// floating and docked rectangles, the floating state and the auto-destroy flag) and of its tab
// window's record.
struct PaneRecord : public CObject
{
    DWORD words[12] = {};
    TabLayout::TabWindowRecord tabs;
};

class RecordReader : public DockLayout::ContainerRecordNested
{
public:
    const CRuntimeClass* TabbedBarBase() const override
    {
        return RUNTIME_CLASS(CZAVPBaseTabbedBar);
    }
    CObject* LoadTabbedBar(CArchive& ar, const DockLayout::TabbedBarRecord&) override
    {
        PaneRecord* p = new PaneRecord;
        for (DWORD& w : p->words) ar >> w;
        TabLayout::LoadTabWindowRecord(ar, 4096, p->tabs);
        return p;
    }
};

class TabbedPaneStateTest : public DockingPaneTest
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kTabbedRoot);
        DockingPaneTest::SetUp();
    }
    void TearDown() override
    {
        DockingPaneTest::TearDown();
        SHDeleteKeyA(HKEY_CURRENT_USER, kTabbedRoot);
    }

    // The frame and its panes go; a new frame of the same size takes its place.
    void Restart()
    {
        for (auto& pane : m_panes)
            if (pane->GetSafeHwnd() != nullptr) pane->DestroyWindow();
        m_panes.clear();
        m_pFrame->DestroyWindow();
        DockingPaneTest::SetUp();
    }

    // Search joins Files as a tab; Output lies below the group. The group has no id.
    CZAVPBaseTabbedBar* BuildGroup()
    {
        TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
        m_pFrame->DockControlBar(pFiles);
        TestPane* pSearch = MakePane("Search", 102, CSize(200, 300));
        m_pFrame->DockControlBar(pSearch);
        CZAVPDockingControlBar* pGroup = nullptr;
        pSearch->AttachToTabbedBar(pFiles, ZAVP_DM_MOUSE, TRUE, pGroup);
        EXPECT_NE(nullptr, pGroup);
        TestPane* pOutput = MakePane("Output", 103, CSize(200, 120));
        EXPECT_TRUE(pOutput->AttachToSlider(pGroup, ZAVP_DM_MOUSE, CBRS_ALIGN_BOTTOM));
        m_pFrame->RecalcLayout();
        return static_cast<CZAVPBaseTabbedBar*>(pGroup);
    }

    // Files and Search docked on their own, as a frame starts before its layout is read.
    void MakePanesOfAFreshStart()
    {
        const std::pair<const char*, UINT> panes[] = {
            {"Files", 101}, {"Search", 102}, {"Output", 103}};
        for (const auto& pane : panes)
            m_pFrame->DockControlBar(MakePane(pane.first, pane.second, CSize(200, 300)));
        m_pFrame->RecalcLayout();
    }

    CZAVPDockingControlBar* Pane(UINT nID)
    {
        for (auto& pane : m_panes)
            if (pane->GetSafeHwnd() != nullptr && (UINT)pane->GetDlgCtrlID() == nID)
                return pane.get();
        return nullptr;
    }
    // The group a pane (or a plain window, which a tab wraps) is a tab of, or null.
    static CZAVPBaseTabbedBar* GroupOf(CWnd* pTab)
    {
        for (CWnd* pWnd = pTab ? pTab->GetParent() : nullptr; pWnd != nullptr;
             pWnd = pWnd->GetParent())
            if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
                return static_cast<CZAVPBaseTabbedBar*>(pWnd);
        return nullptr;
    }
    // The ids of a group's tabs in order, hidden ones in brackets.
    static std::string TabIds(CZAVPBaseTabbedBar* pGroup)
    {
        std::string text;
        CZAVPBaseTabWnd* pTabs = pGroup->GetTabWnd();
        for (int i = 0; i < pTabs->GetTabsNum(); ++i) {
            const std::string id = std::to_string(pTabs->GetTabWnd(i)->GetDlgCtrlID());
            text += (i ? "," : "") + (pTabs->IsTabVisible(i) ? id : "[" + id + "]");
        }
        return text;
    }
    // A tree's dump without the slider ids, which a restored tree numbers anew.
    static std::string DumpWithoutSliderIds(CZAVPContainerLayout* pTree)
    {
        const std::string text = Dump(pTree);
        return std::regex_replace(std::regex_replace(text, std::regex("slider \\d+"), "slider"),
                                  std::regex("sliders[ 0-9]*"), "sliders");
    }
    int ChildWindows()
    {
        int n = 0;
        for (HWND h = ::GetWindow(m_pFrame->GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            ++n;
        return n;
    }
    std::vector<BYTE> StoredValue()
    {
        std::vector<BYTE> value(8192);
        DWORD cb = (DWORD)value.size();
        EXPECT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, kKey.c_str(), "DockingCBAndSliders",
                                             nullptr, value.data(), &cb));
        value.resize(cb);
        return value;
    }
    void Store(const std::vector<BYTE>& value)
    {
        SHSetValueA(HKEY_CURRENT_USER, kKey.c_str(), "DockingCBAndSliders", REG_BINARY,
                    value.data(), (DWORD)value.size());
    }
};

size_t Find(const std::vector<BYTE>& data, const std::string& bytes)
{
    const std::vector<BYTE> pattern(bytes.begin(), bytes.end());
    auto it = std::search(data.begin(), data.end(), pattern.begin(), pattern.end());
    return it == data.end() ? std::string::npos : (size_t)(it - data.begin());
}
}  // namespace

TEST_F(TabbedPaneStateTest, TheTreeRecordOfAGroupWithoutAnIdHoldsItsTabsClassStyleAndRecords)
{
    CZAVPBaseTabbedBar* pGroup = BuildGroup();
    ASSERT_EQ(-1, pGroup->GetDlgCtrlID());
    pGroup->GetTabWnd()->SetActiveTab(1);
    pGroup->GetTabWnd()->SetTabLabel(0, kFiles);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        Tree(pGroup)->Serialize(ar);
        ar.Close();
    }
    const UINT nBytes = (UINT)file.GetLength();
    BYTE* pData = file.Detach();

    // The pure reader of the format reads exactly what the tree wrote.
    RecordReader nested;
    DockLayout::ContainerRecord record;
    {
        CMemFile in(pData, nBytes);
        CArchive ar(&in, CArchive::load);
        DockLayout::LoadContainerRecord(ar, nBytes, record, nested);
        bool bAtEnd = false;
        try {
            DWORD dwMore = 0;
            ar >> dwMore;
        } catch (CException* e) {
            e->Delete();
            bAtEnd = true;
        }
        EXPECT_TRUE(bAtEnd);
    }
    free(pData);
    ASSERT_TRUE(record.root.first.sub);
    const DockLayout::NodeRecord& node = *record.root.first.sub;
    ASSERT_TRUE(node.first.tabbed);
    const DockLayout::TabbedBarRecord& t = *node.first.tabbed;
    EXPECT_EQ(0xFFFFFFFFu, node.first.barId);
    EXPECT_EQ((std::vector<DWORD>{101, 102}), t.tabIds);
    EXPECT_EQ(RUNTIME_CLASS(CZAVPTabbedControlBar), t.pClass);
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, t.style & CBRS_ALIGN_ANY);
    EXPECT_TRUE(t.style & WS_VISIBLE);
    const PaneRecord& own = *static_cast<PaneRecord*>(t.pBar);
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, own.words[0]);  // its side
    EXPECT_EQ(1u, own.words[1]);                      // visible
    EXPECT_EQ(0u, own.words[10]);                     // docked
    EXPECT_EQ(1u, own.words[11]);                     // made on the fly: owns itself
    // The tab window's record: its tabs with their labels, the active tab, the tabs' side.
    ASSERT_EQ(2u, own.tabs.tabs.size());
    EXPECT_STREQ(kFiles, (LPCSTR)own.tabs.tabs[0].label);
    EXPECT_EQ(101, own.tabs.tabs[0].nControlId);
    EXPECT_EQ(102, own.tabs.tabs[1].nControlId);
    EXPECT_EQ(1, own.tabs.nActiveTab);
    EXPECT_EQ(0, own.tabs.nLocation);
    EXPECT_EQ(103u, node.second.barId);
    // The bar list names the group by -1 and its first tab.
    ASSERT_EQ(2u, record.bars.size());
    EXPECT_EQ(0xFFFFFFFFu, record.bars[0].id);
    EXPECT_EQ(101u, record.bars[0].firstTabId);
    EXPECT_EQ(103u, record.bars[1].id);
    delete t.pBar;
}

TEST_F(TabbedPaneStateTest, AGroupWithoutAnIdComesBackInAFreshFrameWithItsTabsInOrder)
{
    CZAVPBaseTabbedBar* pGroup = BuildGroup();
    // Search first, Files (the second tab) active, the tabs at the top and Output's split moved:
    // the restored layout must not be the default one.
    pGroup->GetTabWnd()->MoveTab(1, 0);
    pGroup->GetTabWnd()->SetActiveTab(1);
    pGroup->GetTabWnd()->SetLocation(CZAVPBaseTabWnd::LOCATION_TOP);
    CZAVPSlider* pInner = Tree(pGroup)->GetRootContainer()->GetLeftContainer()->GetSlider();
    pInner->Move(CPoint(0, -40));
    const std::string before = DumpWithoutSliderIds(Tree(pGroup));
    const std::string rectGroup = Text(InFrame(pGroup));
    const std::string rectOutput = Text(InFrame(Pane(103)));
    ASSERT_EQ("102,101", TabIds(pGroup));
    ASSERT_TRUE(Manager().SaveState(kTabbedProfile, kTabbedFrameId));

    Restart();
    MakePanesOfAFreshStart();
    ASSERT_TRUE(Manager().LoadState(kTabbedProfile, kTabbedFrameId));
    Manager().SetDockState();

    CZAVPBaseTabbedBar* pRestored = GroupOf(Pane(101));
    ASSERT_NE(nullptr, pRestored);
    EXPECT_EQ(pRestored, GroupOf(Pane(102)));
    EXPECT_EQ(-1, pRestored->GetDlgCtrlID());
    EXPECT_TRUE(pRestored->IsAutoDestroy());
    EXPECT_EQ("102,101", TabIds(pRestored));
    EXPECT_EQ(1, pRestored->GetTabWnd()->GetActiveTab());
    EXPECT_TRUE(Pane(101)->IsWindowVisible());
    EXPECT_FALSE(Pane(102)->IsWindowVisible());
    EXPECT_EQ(CZAVPBaseTabWnd::LOCATION_TOP, pRestored->GetTabWnd()->GetLocation());
    EXPECT_EQ(rectGroup, Text(InFrame(pRestored)));
    EXPECT_EQ(rectOutput, Text(InFrame(Pane(103))));
    EXPECT_TRUE(pRestored->IsWindowVisible());
    ASSERT_EQ(Tree(pRestored), Tree(Pane(103)));
    EXPECT_EQ(before, DumpWithoutSliderIds(Tree(pRestored)));
    EXPECT_EQ("", Broken(Tree(pRestored))) << Dump(Tree(pRestored));
    // The panes' own default places are gone: one tree on the left, nothing else docked.
    int nSliders = 0;
    for (POSITION pos = Manager().GetControlBars().GetHeadPosition(); pos != nullptr;)
        if (Manager().GetControlBars().GetNext(pos)->IsKindOf(RUNTIME_CLASS(CZAVPSlider)))
            ++nSliders;
    EXPECT_EQ(1, nSliders);
}

TEST_F(TabbedPaneStateTest, AFramesOwnGroupStaysAndTakesItsStoredPlaceAndVisibility)
{
    // The frame's own group, made at start-up with a plain window as its only tab.
    auto makeOwn = [this](CWnd& tab) {
        OwnTabbedPane* pOwn = new OwnTabbedPane;
        EXPECT_TRUE(pOwn->Create("Own", m_pFrame, CRect(0, 0, 200, 300), TRUE, (UINT)-1,
                                 WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_FLOAT_MULTI));
        pOwn->EnableDocking(CBRS_ALIGN_ANY);
        EXPECT_TRUE(tab.Create("STATIC", "Tree", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                               pOwn->GetTabWnd(), 501));
        pOwn->AddTab(&tab, TRUE, TRUE, FALSE);
        m_pFrame->DockControlBar(pOwn);
        m_pFrame->RecalcLayout();
        return pOwn;
    };
    CWnd firstTab;
    OwnTabbedPane* pOwn = makeOwn(firstTab);
    TestPane* pOutput = MakePane("Output", 103, CSize(200, 120));
    ASSERT_TRUE(pOutput->AttachToSlider(pOwn, ZAVP_DM_MOUSE, CBRS_ALIGN_BOTTOM));
    Tree(pOwn)->GetDefaultSlider()->Move(CPoint(-30, 0));
    pOwn->ShowControlBar(FALSE, FALSE, FALSE);
    m_pFrame->RecalcLayout();
    const std::string rectOutput = Text(InFrame(pOutput));
    ASSERT_TRUE(Manager().SaveState(kTabbedProfile, kTabbedFrameId));

    pOwn->DestroyWindow();
    delete pOwn;
    Restart();
    CWnd tab;
    pOwn = makeOwn(tab);
    m_pFrame->DockControlBar(MakePane("Output", 103, CSize(200, 300)));
    ASSERT_TRUE(Manager().LoadState(kTabbedProfile, kTabbedFrameId));
    Manager().SetDockState();

    // The same object holds its tab, hidden, and Output has the room it had.
    EXPECT_EQ(pOwn, GroupOf(&tab));
    EXPECT_FALSE(pOwn->IsWindowVisible());
    EXPECT_EQ(Tree(pOwn), Tree(Pane(103)));
    EXPECT_EQ(rectOutput, Text(InFrame(Pane(103))));
    EXPECT_FALSE(pOwn->IsAutoDestroy());
    // No other group of that class was left behind.
    for (HWND h = ::GetWindow(m_pFrame->GetSafeHwnd(), GW_CHILD); h;
         h = ::GetWindow(h, GW_HWNDNEXT)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        EXPECT_TRUE(pWnd == pOwn || pWnd == nullptr ||
                    !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)));
    }
    pOwn->ShowControlBar(TRUE, FALSE, FALSE);
    m_pFrame->RecalcLayout();
    EXPECT_TRUE(tab.IsWindowVisible());
    pOwn->DestroyWindow();
    delete pOwn;
}

TEST_F(TabbedPaneStateTest, DamagedGroupRecordsAreRefusedAndLeaveTheLayout)
{
    BuildGroup();
    ASSERT_TRUE(Manager().SaveState(kTabbedProfile, kTabbedFrameId));
    const std::vector<BYTE> good = StoredValue();
    const std::string className = "CZAVPTabbedControlBar";
    const size_t nClass = Find(good, className);
    ASSERT_NE(std::string::npos, nClass);
    // The marker, two tabs and the first tab's id.
    const size_t nMarker = Find(good, std::string("\xFF\xFF\xFF\xFF\x02\0\0\0\x65\0\0\0", 12));
    ASSERT_NE(std::string::npos, nMarker);

    auto withClass = [&](const std::string& name) {
        std::vector<BYTE> v(good.begin(), good.begin() + (long)nClass - 2);
        v.push_back((BYTE)name.size());
        v.push_back(0);
        v.insert(v.end(), name.begin(), name.end());
        v.insert(v.end(), good.begin() + (long)(nClass + className.size()), good.end());
        return v;
    };
    std::vector<std::pair<std::string, std::vector<BYTE>>> damaged;
    damaged.emplace_back("unknown class", withClass("CZAVPTabbedControlBaX"));
    damaged.emplace_back("not a tabbed bar", withClass("NotATabbedPane"));
    damaged.emplace_back("no tab window", withClass("BareTabbedBar"));
    damaged.emplace_back("no class record", withClass("CZAVPBaseTabbedBar"));
    std::vector<BYTE> hugeCount = good;
    hugeCount[nMarker + 4] = 0xFF;
    hugeCount[nMarker + 7] = 0x7F;
    damaged.emplace_back("tab count too big", hugeCount);
    std::vector<BYTE> noTabs(good.begin(), good.begin() + (long)nMarker + 4);
    noTabs.insert(noTabs.end(), {0, 0, 0, 0});
    noTabs.insert(noTabs.end(), good.begin() + (long)nMarker + 16, good.end());
    damaged.emplace_back("no tabs", noTabs);
    // The group's tab window record follows its own record; its first label is "Files".
    const size_t nLabel = Find(good, std::string("\x05") + "Files");
    ASSERT_NE(std::string::npos, nLabel);
    ASSERT_GT(nLabel, nClass);
    for (size_t nCut : {nMarker + 10, nClass + 4, nClass + className.size() + 20, nLabel + 3})
        damaged.emplace_back("cut at " + std::to_string(nCut),
                             std::vector<BYTE>(good.begin(), good.begin() + (long)nCut));

    CZAVPBaseTabbedBar* pGroup = GroupOf(Pane(101));
    const std::string before = Dump(Tree(pGroup));
    const int nChildren = ChildWindows();
    for (const auto& [what, value] : damaged) {
        Store(value);
        EXPECT_FALSE(Manager().LoadState(kTabbedProfile, kTabbedFrameId)) << what;
        Manager().SetDockState();
        EXPECT_EQ(pGroup, GroupOf(Pane(101))) << what;
        EXPECT_EQ(before, Dump(Tree(pGroup))) << what;
        EXPECT_EQ(nChildren, ChildWindows()) << what;
    }
}

TEST_F(TabbedPaneStateTest, AGroupWhoseTabsAreGoneIsNotMadeAndOnlyFoundTabsAreGathered)
{
    BuildGroup();
    ASSERT_TRUE(Manager().SaveState(kTabbedProfile, kTabbedFrameId));

    // Only Output exists: the group finds nothing and Output takes the whole side.
    Restart();
    m_pFrame->DockControlBar(MakePane("Output", 103, CSize(200, 300)));
    const int nChildren = ChildWindows();
    ASSERT_TRUE(Manager().LoadState(kTabbedProfile, kTabbedFrameId));
    Manager().SetDockState();
    EXPECT_EQ(nChildren, ChildWindows());
    EXPECT_EQ("0,0,200,300", Text(InFrame(Pane(103))));
    EXPECT_EQ("", Broken(Tree(Pane(103)))) << Dump(Tree(Pane(103)));
    for (POSITION pos = Tree(Pane(103))->GetControlBars().GetHeadPosition(); pos != nullptr;)
        EXPECT_EQ(Pane(103), Tree(Pane(103))->GetControlBars().GetNext(pos));

    // Search alone of the two: the group holds it alone.
    Restart();
    m_pFrame->DockControlBar(MakePane("Search", 102, CSize(200, 300)));
    m_pFrame->DockControlBar(MakePane("Output", 103, CSize(200, 300)));
    ASSERT_TRUE(Manager().LoadState(kTabbedProfile, kTabbedFrameId));
    Manager().SetDockState();
    CZAVPBaseTabbedBar* pGroup = GroupOf(Pane(102));
    ASSERT_NE(nullptr, pGroup);
    EXPECT_EQ("102", TabIds(pGroup));
    EXPECT_EQ(Tree(pGroup), Tree(Pane(103)));
    EXPECT_EQ("", Broken(Tree(pGroup))) << Dump(Tree(pGroup));
}
