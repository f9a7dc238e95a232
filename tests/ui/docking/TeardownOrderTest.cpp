// A whole docking layout taken down: the frame destroyed with everything in it, or its panes and
// bars one by one in several orders, some of them by deleting the objects while their windows
// still stand. After every step the frame lays itself out again and nothing it walks may point
// to a bar that is gone. (A walk over freed memory here once ended in a hang: this program has a
// short time limit of its own.)
#include <algorithm>
#include <string>
#include <vector>

#include "DockingPaneFixture.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/layout/DockLayoutDump.h"

using namespace PaneTests;

namespace
{
enum Action
{
    DestroyPane,  // the pane's window destroyed, the object kept
    DeletePane,   // the pane's object deleted while its window stands
    DeleteBar,    // a toolbar's object deleted while it is docked
    DestroyFrame  // the frame destroyed with whatever is left in it
};

struct Step
{
    Action action;
    UINT id;
};

struct Order
{
    const char* name;
    std::vector<Step> steps;
};

const UINT kFiles = 101, kSearch = 102, kProps = 104, kClasses = 105, kOutput = 106, kTasks = 107,
           kLog = 108, kStandard = 201, kFormat = 202;

std::vector<Step> Panes(Action action, std::vector<UINT> ids)
{
    std::vector<Step> steps;
    for (UINT id : ids) steps.push_back({action, id});
    return steps;
}

std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class TeardownOrderTest : public DockingPaneTest, public ::testing::WithParamInterface<Order>
{
protected:
    void SetUp() override
    {
        DockingPaneTest::SetUp();
        m_hFrame = m_pFrame->GetSafeHwnd();
        Arrange();
    }
    void TearDown() override
    {
        // Whatever the order left standing goes the usual way: panes first, then the frame.
        for (auto& pane : m_panes)
            if (pane != nullptr && pane->GetSafeHwnd() != nullptr) pane->DestroyWindow();
        m_panes.clear();
        m_bars.clear();
        m_app.m_pMainWnd = nullptr;
        if (::IsWindow(m_hFrame)) m_pFrame->DestroyWindow();
        PumpFor(20);
    }

    // Two toolbars in a row at the top; Files above Search on the left; Props and Classes
    // tabbed on the right; Output and Tasks floating together; Log on the left side's strip.
    void Arrange()
    {
        for (UINT id : {kStandard, kFormat}) {
            auto bar = std::make_unique<FixedBar>(100, 26);
            ASSERT_TRUE(bar->CreateIn(m_pFrame, id == kStandard ? "Standard" : "Format", id));
            m_pFrame->DockControlBar(bar.get());
            m_bars.push_back(std::move(bar));
        }
        const struct
        {
            const char* name;
            UINT id;
        } panes[] = {{"Files", kFiles},     {"Search", kSearch}, {"Props", kProps},
                     {"Classes", kClasses}, {"Output", kOutput}, {"Tasks", kTasks},
                     {"Log", kLog}};
        for (const auto& p : panes) MakePane(p.name, p.id, CSize(150, 200));
        Pane(kFiles)->DockToFrameEdge(CBRS_ALIGN_LEFT, CRect(0, 0, 160, 300));
        ASSERT_TRUE(Pane(kSearch)->AttachToSlider(Pane(kFiles), ZAVP_DM_MOUSE, CBRS_ALIGN_BOTTOM));
        Pane(kProps)->DockToFrameEdge(CBRS_ALIGN_RIGHT, CRect(0, 0, 140, 300));
        CZAVPDockingControlBar* pGroup = nullptr;
        Pane(kClasses)->AttachToTabbedBar(Pane(kProps), ZAVP_DM_MOUSE, TRUE, pGroup);
        ASSERT_NE(nullptr, pGroup);
        CPoint ptOutput(250, 80), ptTasks(420, 150);
        m_pFrame->ClientToScreen(&ptOutput);
        m_pFrame->ClientToScreen(&ptTasks);
        ASSERT_TRUE(Pane(kOutput)->FloatControlBar(CRect(ptOutput, CSize(160, 200)),
                                                   ZAVP_DM_DBL_CLICK, TRUE));
        ASSERT_TRUE(Pane(kTasks)->FloatControlBar(CRect(ptTasks, CSize(150, 120)),
                                                  ZAVP_DM_DBL_CLICK, TRUE));
        auto* pFirst = static_cast<CZAVPMultiMiniFrameWnd*>(
            Pane(kOutput)->GetParentMiniFrame(TRUE));
        auto* pSecond = static_cast<CZAVPMultiMiniFrameWnd*>(
            Pane(kTasks)->GetParentMiniFrame(TRUE));
        ASSERT_TRUE(pFirst != nullptr && pSecond != nullptr && pFirst != pSecond);
        CRect rect;
        Pane(kOutput)->GetWindowRect(rect);
        ::SetCursorPos(rect.CenterPoint().x, rect.bottom - 3);
        ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
        ::SetCursorPos(0, 0);
        ASSERT_NE(nullptr, Pane(kLog)->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
        PumpFor(20);
        m_pFrame->RecalcLayout();
        ASSERT_EQ("", BrokenDocking());
    }

    TestPane* Pane(UINT id)
    {
        for (auto& pane : m_panes)
            if (pane != nullptr && pane->GetSafeHwnd() != nullptr &&
                (UINT)pane->GetDlgCtrlID() == id)
                return pane.get();
        return nullptr;
    }

    // One step of an order; the objects it lets go of are noted (their addresses only).
    void Do(const Step& step)
    {
        if (step.action == DestroyFrame) {
            m_app.m_pMainWnd = nullptr;
            m_pFrame->DestroyWindow();
            return;
        }
        if (step.action == DeleteBar) {
            for (auto& bar : m_bars)
                if (bar != nullptr && (UINT)bar->GetDlgCtrlID() == step.id) {
                    m_gone.push_back(bar.get());
                    bar.reset();
                }
            return;
        }
        for (auto& pane : m_panes)
            if (pane != nullptr && pane->GetSafeHwnd() != nullptr &&
                (UINT)pane->GetDlgCtrlID() == step.id) {
                m_gone.push_back(pane.get());
                if (step.action == DestroyPane)
                    pane->DestroyWindow();
                else
                    pane.reset();
            }
    }

    // The dock manager's lists name none of the bars that went.
    std::string Listed()
    {
        std::string text;
        for (const CObList* pList : {&Manager().GetControlBars(), &Manager().GetAutoHideSliders()})
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
                const CObject* p = pList->GetNext(pos);
                if (std::find(m_gone.begin(), m_gone.end(), p) != m_gone.end())
                    text += "a bar that went is still listed\n";
            }
        return text;
    }

    HWND m_hFrame = nullptr;
    std::vector<std::unique_ptr<FixedBar>> m_bars;
    std::vector<const CObject*> m_gone;
};

TEST_P(TeardownOrderTest, NothingKeepsABarThatWentAndTheFrameGoesLast)
{
    std::vector<HWND> windows;
    for (auto& pane : m_panes) windows.push_back(pane->GetSafeHwnd());
    if (CZAVPMiniFrameWnd* pMiniFrame = Pane(kTasks)->GetParentMiniFrame(TRUE))
        windows.push_back(pMiniFrame->GetSafeHwnd());

    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(std::to_string(step.action) + " " + std::to_string(step.id));
        Do(step);
        if (!::IsWindow(m_hFrame)) break;
        // The frame lays everything out again, as any later change in it would.
        m_pFrame->RecalcLayout();
        PumpFor(10);
        EXPECT_EQ("", Listed());
        EXPECT_EQ("", BrokenDocking());
    }
    if (::IsWindow(m_hFrame)) {
        m_app.m_pMainWnd = nullptr;
        m_pFrame->DestroyWindow();
    }
    EXPECT_TRUE(PumpUntil([&] {
        return std::none_of(windows.begin(), windows.end(), [](HWND h) { return ::IsWindow(h); });
    }));
    EXPECT_FALSE(::IsWindow(m_hFrame));
}

const std::vector<UINT> kAllPanes = {kFiles, kSearch, kProps, kClasses, kOutput, kTasks, kLog};
const std::vector<UINT> kAllPanesBackwards(kAllPanes.rbegin(), kAllPanes.rend());

INSTANTIATE_TEST_SUITE_P(
    Orders, TeardownOrderTest,
    ::testing::Values(
        Order{"FrameWhole", {{DestroyFrame, 0}}},
        Order{"PanesInOrder", Panes(DestroyPane, kAllPanes)},
        Order{"PanesBackwards", Panes(DestroyPane, kAllPanesBackwards)},
        // The pane on the strip first, then the two that share the left side's split.
        Order{"StripPaneFirst", Panes(DestroyPane, {kLog, kSearch, kFiles, kTasks, kClasses})},
        // Toolbar objects deleted while docked, then panes deleted with their windows standing.
        Order{"ObjectsDeleted", std::vector<Step>{{DeleteBar, kStandard}, {DeleteBar, kFormat}} +
                                    Panes(DeletePane, {kLog, kFiles, kOutput, kProps})},
        Order{"SomePanesThenTheFrame",
              Panes(DestroyPane, {kLog, kFiles, kClasses}) + std::vector<Step>{{DestroyFrame, 0}}}),
    [](const ::testing::TestParamInfo<Order>& info) { return std::string(info.param.name); });
}  // namespace
