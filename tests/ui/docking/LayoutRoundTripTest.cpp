// A whole docking layout across a restart: bars in rows, panes beside sliders, a floating frame
// of two panes and a tabbed pane are stored, the frame and every bar go, a fresh frame makes its
// bars at their default places and reads the layout back. Damaged stored layouts leave the fresh
// frame's default layout working.
#include <shlwapi.h>

#include <algorithm>
#include <regex>

#include "DockingPaneFixture.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"

using namespace PaneTests;

namespace
{
const char kRoundTripRoot[] = "Software\\LornivalLayoutRoundTripTests";
const char kRoundTripProfile[] = "Software\\LornivalLayoutRoundTripTests\\Layout\\";
const UINT kRoundTripFrameId = 128;
const std::string kRoundTripKey = std::string(kRoundTripProfile) + "ZAVPDockManager-128";

struct PaneSpec
{
    const char* name;
    UINT id;
};
const PaneSpec kPanes[] = {{"Files", 101},  {"Search", 102}, {"Props", 104}, {"Classes", 105},
                           {"Output", 106}, {"Tasks", 107},  {"Log", 108}};

class LayoutRoundTripTest : public DockingPaneTest
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoundTripRoot);
        DockingPaneTest::SetUp();
        MakeEverything();
    }
    void TearDown() override
    {
        m_bars.clear();
        DockingPaneTest::TearDown();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoundTripRoot);
    }

    // Every bar and pane at the place a frame gives it before its layout is read: the bars in
    // one row at the top, the panes docked on the left one after the other.
    void MakeEverything()
    {
        const struct
        {
            const char* name;
            UINT id;
            int length, thickness;
        } bars[] = {{"Standard", 201, 100, 26}, {"Format", 202, 80, 26}, {"View", 203, 60, 30},
                    {"Tools", 204, 90, 24},     {"Extras", 205, 70, 26}, {"Palette", 206, 50, 22}};
        for (const auto& b : bars) {
            auto bar = std::make_unique<FixedBar>(b.length, b.thickness);
            ASSERT_TRUE(bar->CreateIn(m_pFrame, b.name, b.id));
            m_pFrame->DockControlBar(bar.get());
            m_bars.push_back(std::move(bar));
        }
        for (const PaneSpec& p : kPanes)
            m_pFrame->DockControlBar(MakePane(p.name, p.id, {40, 200}));
        m_pFrame->RecalcLayout();
    }

    // The bars in rows: Standard and Format in the top's first row at chosen offsets, View and a
    // hidden Extras in its second, Tools at the bottom, Palette floating. Each bar is docked at a
    // rectangle of the frame's client area; the row under its corner takes it, else a new one.
    void ArrangeRows()
    {
        Manager().DockControlBar(Bar(204), AFX_IDW_DOCKBAR_BOTTOM, nullptr);
        ASSERT_TRUE(Bar(206)->FloatControlBar(CRect(OnScreen(CPoint(300, 200)), CSize(90, 60)),
                                              ZAVP_DM_DBL_CLICK, TRUE));
        // Rows now: Standard, Format, View, Extras.
        DockAt(202, CRect(200, 0, 280, 26));   // into Standard's row
        DockAt(205, CRect(300, 30, 370, 56));  // into View's row, the second
        DockAt(203, CRect(50, 30, 110, 60));   // along its row
        Bar(205)->ShowControlBar(FALSE, FALSE, FALSE);
        m_pFrame->RecalcLayout();
    }
    void DockAt(UINT nID, CRect rect)
    {
        Manager().DockControlBar(Bar(nID), AFX_IDW_DOCKBAR_TOP, OnScreen(rect));
    }

    // The layout the test builds and stores.
    void Arrange()
    {
        ArrangeRows();
        // Files above Search on the left, the split moved; Props and Classes tabbed on the right.
        Pane(101)->DockToFrameEdge(CBRS_ALIGN_LEFT, CRect(0, 0, 180, 300));
        ASSERT_TRUE(Pane(102)->AttachToSlider(Pane(101), ZAVP_DM_MOUSE, CBRS_ALIGN_BOTTOM));
        Tree(Pane(101))->GetRootContainer()->GetLeftContainer()->GetSlider()->Move(CPoint(0, -30));
        Pane(104)->DockToFrameEdge(CBRS_ALIGN_RIGHT, CRect(0, 0, 140, 300));
        CZAVPDockingControlBar* pGroup = nullptr;
        Pane(105)->AttachToTabbedBar(Pane(104), ZAVP_DM_MOUSE, TRUE, pGroup);
        ASSERT_NE(nullptr, pGroup);
        // Not the group's first tab active, and its tabs at the top: neither is the default.
        CZAVPBaseTabWnd* pTabs = static_cast<CZAVPBaseTabbedBar*>(pGroup)->GetTabWnd();
        pTabs->SetActiveTab(1);
        pTabs->SetLocation(CZAVPBaseTabWnd::LOCATION_TOP);
        // Output and Tasks float together.
        ASSERT_TRUE(Pane(106)->FloatControlBar(CRect(OnScreen(CPoint(250, 80)), CSize(160, 220)),
                                               ZAVP_DM_DBL_CLICK, TRUE));
        ASSERT_TRUE(Pane(107)->FloatControlBar(CRect(OnScreen(CPoint(420, 150)), CSize(150, 120)),
                                               ZAVP_DM_DBL_CLICK, TRUE));
        CZAVPMultiMiniFrameWnd* pFirst = MultiFrame(Pane(106));
        CZAVPMultiMiniFrameWnd* pSecond = MultiFrame(Pane(107));
        ASSERT_NE(nullptr, pFirst);
        ASSERT_NE(nullptr, pSecond);
        CRect rectOutput;
        Pane(106)->GetWindowRect(rectOutput);
        ::SetCursorPos(rectOutput.CenterPoint().x, rectOutput.bottom - 3);
        ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
        ::SetCursorPos(0, 0);
        PumpFor(50);
        // Log waits on the left side's strip.
        ASSERT_NE(nullptr, Pane(108)->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
        m_pFrame->RecalcLayout();
    }

    void Restart()
    {
        m_bars.clear();
        DockingPaneTest::TearDown();
        PumpFor(20);
        DockingPaneTest::SetUp();
        MakeEverything();
    }

    // The layout as the workspace stores it: the docking layout, then each toolbar-like bar's
    // own state (its side, row, place in the row, visibility and floating place); reading it
    // back goes the other way round, and the docking layout then applies both.
    BOOL SaveLayout()
    {
        const BOOL bSaved = Manager().SaveState(kRoundTripProfile, kRoundTripFrameId);
        for (auto& bar : m_bars) bar->SaveState(kRoundTripProfile, -1, (UINT)-1);
        return bSaved;
    }
    BOOL LoadLayout()
    {
        for (auto& bar : m_bars) bar->LoadState(kRoundTripProfile, -1, (UINT)-1);
        return Manager().LoadState(kRoundTripProfile, kRoundTripFrameId);
    }

    CRect OnScreen(CRect rect)
    {
        m_pFrame->ClientToScreen(rect);
        return rect;
    }
    CPoint OnScreen(CPoint pt)
    {
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
    FixedBar* Bar(UINT nID)
    {
        for (auto& bar : m_bars)
            if ((UINT)bar->GetDlgCtrlID() == nID) return bar.get();
        return nullptr;
    }
    CZAVPDockingControlBar* Pane(UINT nID)
    {
        for (auto& pane : m_panes)
            if (pane->GetSafeHwnd() != nullptr && (UINT)pane->GetDlgCtrlID() == nID)
                return pane.get();
        return nullptr;
    }
    static CZAVPMultiMiniFrameWnd* MultiFrame(CZAVPDockingControlBar* pPane)
    {
        CZAVPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE);
        return pMiniFrame && pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd))
                   ? static_cast<CZAVPMultiMiniFrameWnd*>(pMiniFrame)
                   : nullptr;
    }
    static CZAVPBaseTabbedBar* GroupOf(CWnd* pTab)
    {
        CWnd* pTabWnd = pTab->GetParent();
        CWnd* pBar = pTabWnd ? pTabWnd->GetParent() : nullptr;
        return pBar && pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))
                   ? static_cast<CZAVPBaseTabbedBar*>(pBar)
                   : nullptr;
    }
    static std::string Name(CWnd* pWnd)
    {
        CString strName;
        pWnd->GetWindowText(strName);
        return (LPCSTR)strName;
    }
    static std::string WithoutSliderIds(const std::string& text)
    {
        return std::regex_replace(std::regex_replace(text, std::regex("slider \\d+"), "slider"),
                                  std::regex("sliders[ 0-9]*"), "sliders");
    }

    // Everything a user sees of the layout, as text: the dock bars with their rows, every tree
    // of panes (docked and floating), every floating frame, every group's tabs and every pane
    // on a strip.
    std::string Everything()
    {
        std::string text = DockLayout::DumpLayout(Manager().Snapshot());
        std::vector<std::string> parts;
        for (POSITION pos = Manager().GetControlBars().GetHeadPosition(); pos != nullptr;) {
            CObject* p = Manager().GetControlBars().GetNext(pos);
            if (!p->IsKindOf(RUNTIME_CLASS(CZAVPSlider))) continue;
            CZAVPSlider* pSlider = static_cast<CZAVPSlider*>(p);
            if (!pSlider->IsDefault() || pSlider->GetContainerManager() == nullptr) continue;
            // A side kept hidden and empty for a floating pane's return is no part of the view
            // (nor of the stored layout).
            if (!pSlider->IsWindowVisible() &&
                pSlider->GetContainerManager()->GetControlBars().IsEmpty())
                continue;
            parts.push_back(std::string("tree ") +
                            DockLayout::AlignmentName(pSlider->GetCurrentAlignment()) + " " +
                            Text(InFrame(pSlider)) + "\n" +
                            WithoutSliderIds(Dump(pSlider->GetContainerManager())));
        }
        for (POSITION pos = Manager().GetMiniFrames().GetHeadPosition(); pos != nullptr;) {
            CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(
                Manager().GetMiniFrames().GetNext(pos));
            std::string part = "floating " + Text(InFrame(pMiniFrame)) +
                               (pMiniFrame->IsWindowVisible() ? " visible\n" : " hidden\n");
            if (CWnd* pBar = pMiniFrame->GetControlBar();
                pBar && !pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
                part += "  bar " + Name(pBar) +
                        (pBar->IsWindowVisible() ? " visible\n" : " hidden\n");
            // Its tree of panes, to the pixel: the stored sliders say where each split stood.
            if (pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
                part += WithoutSliderIds(
                    Dump(&static_cast<CZAVPMultiMiniFrameWnd*>(pMiniFrame)->GetContainerManager()));
            parts.push_back(part);
        }
        for (const PaneSpec& p : kPanes) {
            CZAVPDockingControlBar* pPane = Pane(p.id);
            if (pPane == nullptr) continue;
            if (CZAVPBaseTabbedBar* pGroup = GroupOf(pPane)) {
                CZAVPBaseTabWnd* pTabs = pGroup->GetTabWnd();
                const int iTab = pTabs->GetTabFromHwnd(pPane->GetSafeHwnd());
                parts.push_back(std::string("tab ") + p.name + " " + std::to_string(iTab) +
                                (pTabs->GetActiveTab() == iTab ? " active" : "") +
                                (pTabs->GetLocation() == CZAVPBaseTabWnd::LOCATION_TOP
                                     ? " at the top"
                                     : " at the bottom") +
                                " of " + Text(InFrame(pGroup)) + "\n");
            }
            if (pPane->IsAutoHideMode())
                parts.push_back(std::string("strip ") + p.name + " " +
                                DockLayout::AlignmentName(pPane->GetCurrentAlignment()) +
                                (pPane->IsWindowVisible() ? " out" : " in") + "\n");
        }
        std::sort(parts.begin(), parts.end());
        for (const std::string& part : parts) text += part;
        return text;
    }
    // The rules every layout keeps.
    std::string Broken()
    {
        std::string text = BrokenDocking();
        for (POSITION pos = Manager().GetMiniFrames().GetHeadPosition(); pos != nullptr;) {
            CObject* p = Manager().GetMiniFrames().GetNext(pos);
            if (p->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
                text += DockingPaneTest::Broken(
                    &static_cast<CZAVPMultiMiniFrameWnd*>(p)->GetContainerManager());
        }
        return text;
    }

    std::vector<std::unique_ptr<FixedBar>> m_bars;
};
}  // namespace

TEST_F(LayoutRoundTripTest, TheWholeLayoutComesBackInAFreshFrame)
{
    Arrange();
    const std::string saved = Everything();
    ASSERT_EQ("", Broken()) << saved;
    ASSERT_TRUE(SaveLayout());

    Restart();
    const std::string fresh = Everything();
    ASSERT_NE(saved, fresh);
    ASSERT_TRUE(LoadLayout());
    Manager().SetDockState();
    PumpFor(50);
    EXPECT_EQ(saved, Everything());
    EXPECT_EQ("", Broken());

    // Stored again from the restored frame, it comes back the same: no node of a tree is lost
    // on the way (a restored tree holds no references to its nodes).
    ASSERT_TRUE(SaveLayout());
    Restart();
    ASSERT_TRUE(LoadLayout());
    Manager().SetDockState();
    PumpFor(50);
    EXPECT_EQ(saved, Everything());
}

TEST_F(LayoutRoundTripTest, DamagedLayoutsLeaveTheDefaultLayoutWorking)
{
    Arrange();
    ASSERT_TRUE(SaveLayout());
    std::vector<BYTE> good(16384);
    DWORD cb = (DWORD)good.size();
    ASSERT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, kRoundTripKey.c_str(),
                                         "DockingCBAndSliders", nullptr, good.data(), &cb));
    good.resize(cb);
    Restart();
    const std::string fresh = Everything();

    std::vector<std::pair<std::string, std::vector<BYTE>>> damaged;
    for (size_t nCut : {(size_t)3, good.size() / 3, good.size() / 2, good.size() - 1})
        damaged.emplace_back("cut at " + std::to_string(nCut),
                             std::vector<BYTE>(good.begin(), good.begin() + (long)nCut));
    // The first count (fixed tabbed panes) and the second (panes and sliders) far too big.
    for (size_t nAt : {(size_t)3, (size_t)7}) {
        std::vector<BYTE> v = good;
        v[nAt] = 0x40;
        damaged.emplace_back("count at " + std::to_string(nAt), v);
    }
    // Every class name made unknown, one at a time.
    for (const std::string name : {"CZAVPTabbedControlBar", "CZAVPMultiMiniFrameWnd"}) {
        auto it = std::search(good.begin(), good.end(), name.begin(), name.end());
        ASSERT_NE(good.end(), it) << name;
        std::vector<BYTE> v = good;
        v[(size_t)(it - good.begin()) + name.size() - 1] = 'X';
        damaged.emplace_back("class " + name, v);
    }
    for (const auto& [what, value] : damaged) {
        SHSetValueA(HKEY_CURRENT_USER, kRoundTripKey.c_str(), "DockingCBAndSliders", REG_BINARY,
                    value.data(), (DWORD)value.size());
        EXPECT_FALSE(LoadLayout()) << what;
        Manager().SetDockState();
        PumpFor(20);
        EXPECT_EQ(fresh, Everything()) << what;
        EXPECT_EQ("", Broken()) << what;
    }

    // A stored pane this frame no longer has: the others come back without it.
    SHSetValueA(HKEY_CURRENT_USER, kRoundTripKey.c_str(), "DockingCBAndSliders", REG_BINARY,
                good.data(), (DWORD)good.size());
    Pane(102)->DestroyWindow();
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(LoadLayout());
    Manager().SetDockState();
    PumpFor(50);
    EXPECT_EQ("", Broken()) << Everything();
    ASSERT_NE(nullptr, Tree(Pane(101)));
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, Pane(101)->GetCurrentAlignment());
    CRect area;
    Tree(Pane(101))->GetWindowRect(area);
    EXPECT_EQ(InFrame(Pane(101)).Height(), area.Height());  // alone in its tree, all of it
    EXPECT_NE(nullptr, GroupOf(Pane(104)));
    EXPECT_NE(nullptr, MultiFrame(Pane(106)));
}

// The bars' own states come back even when the docking layout was never stored: a bar stored
// floating then has no stored frame to go into and floats at its stored place by itself.
TEST_F(LayoutRoundTripTest, BarsTakeTheirRowsWithoutAStoredDockingLayout)
{
    ArrangeRows();
    const std::string saved = Everything();
    for (auto& bar : m_bars) ASSERT_TRUE(bar->SaveState(kRoundTripProfile, -1, (UINT)-1));

    Restart();
    ASSERT_NE(saved, Everything());
    EXPECT_FALSE(LoadLayout());
    Manager().SetDockState();
    PumpFor(50);
    EXPECT_EQ(saved, Everything());
    EXPECT_EQ("", Broken());
}
