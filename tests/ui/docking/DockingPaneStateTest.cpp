// The frame's stored docking layout with captioned panes: the slider trees and the auto-hide
// records written to "DockingCBAndSliders", read back and applied over a changed layout, and a
// damaged value that leaves the current layout as it is.
#include <shlwapi.h>

#include "DockingPaneFixture.h"
#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPBarContainer.h"

using namespace PaneTests;

namespace
{
const char kPaneStateRoot[] = "Software\\LornivalPaneStateTests";
const char kPaneStateProfile[] = "Software\\LornivalPaneStateTests\\Layout\\";
const UINT kFrameId = 128;

class PaneStateTest : public DockingPaneTest
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kPaneStateRoot);
        DockingPaneTest::SetUp();
    }
    void TearDown() override
    {
        DockingPaneTest::TearDown();
        SHDeleteKeyA(HKEY_CURRENT_USER, kPaneStateRoot);
    }
    // Files above Search on the left, the split moved to 246 / 50; Output hidden on the right.
    void BuildLayout(TestPane*& pFiles, TestPane*& pSearch, TestPane*& pOutput)
    {
        DockTwoOnTheLeft(pFiles, pSearch);
        CZAVPSlider* pInner = Tree(pFiles)->GetRootContainer()->GetLeftContainer()->GetSlider();
        pInner->Move(CPoint(0, 100));
        pOutput = MakePane("Output", 103, CSize(120, 300), CBRS_RIGHT);
        m_pFrame->DockControlBar(pOutput, 0xE81D);
        ASSERT_NE(nullptr, pOutput->SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, nullptr, FALSE));
    }
};
}  // namespace

TEST_F(PaneStateTest, TheSlidersTreesAndTheAutoHiddenPaneComeBackFromTheRegistry)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr, *pOutput = nullptr;
    BuildLayout(pFiles, pSearch, pOutput);
    ASSERT_EQ("0,0,200,246", Text(InFrame(pFiles)));
    ASSERT_EQ("0,250,200,300", Text(InFrame(pSearch)));
    const std::string before = Dump(Tree(pFiles));
    ASSERT_TRUE(Manager().SaveState(kPaneStateProfile, kFrameId));

    // Everything moves: Output back from its strip to the top, Search into its own side.
    pOutput->SetAutoHideMode(FALSE, CBRS_ALIGN_RIGHT);
    pOutput->DockToFrameEdge(CBRS_ALIGN_TOP, CRect(0, 0, 600, 60));
    pSearch->DockToFrameEdge(CBRS_ALIGN_BOTTOM, CRect(0, 0, 600, 70));
    ASSERT_NE(Tree(pFiles), Tree(pSearch));

    ASSERT_TRUE(Manager().LoadState(kPaneStateProfile, kFrameId));
    Manager().SetDockState();

    // One tree on the left again, at the sizes it had, the rules kept.
    ASSERT_NE(nullptr, Tree(pFiles));
    EXPECT_EQ(Tree(pFiles), Tree(pSearch));
    EXPECT_EQ("", Broken(Tree(pFiles))) << Dump(Tree(pFiles));
    EXPECT_EQ("0,0,200,246", Text(InFrame(pFiles)));
    EXPECT_EQ("0,250,200,300", Text(InFrame(pSearch)));
    // The slider ids are new; the dump is otherwise the same.
    EXPECT_EQ(before.size(), Dump(Tree(pFiles)).size()) << before << Dump(Tree(pFiles));
    // Output is on the right strip again, hidden.
    EXPECT_TRUE(pOutput->IsAutoHideMode());
    EXPECT_EQ((DWORD)CBRS_ALIGN_RIGHT, pOutput->GetCurrentAlignment());
    EXPECT_FALSE(pOutput->IsWindowVisible());
    ASSERT_NE(nullptr, pOutput->GetAutoHideToolBar());
    // Nothing of the old layout is left: one default slider per side in the bar list.
    int nSliders = 0;
    for (POSITION pos = Manager().GetControlBars().GetHeadPosition(); pos != nullptr;)
        if (Manager().GetControlBars().GetNext(pos)->IsKindOf(RUNTIME_CLASS(CZAVPSlider)))
            ++nSliders;
    EXPECT_EQ(1, nSliders);
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ(204, area.left);
    EXPECT_EQ(0, area.top);
    EXPECT_EQ(300, area.bottom);
}

TEST_F(PaneStateTest, ADamagedLayoutValueLeavesTheCurrentLayout)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr, *pOutput = nullptr;
    BuildLayout(pFiles, pSearch, pOutput);
    ASSERT_TRUE(Manager().SaveState(kPaneStateProfile, kFrameId));
    const std::string key = std::string(kPaneStateProfile) + "ZAVPDockManager-" +
                            std::to_string(kFrameId);
    BYTE data[4096];
    DWORD cb = sizeof data;
    ASSERT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, key.c_str(), "DockingCBAndSliders",
                                         nullptr, data, &cb));
    const std::string before = Dump(Tree(pFiles));
    const int nChildren = [&] {
        int n = 0;
        for (HWND h = ::GetWindow(m_pFrame->GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            ++n;
        return n;
    }();
    // Cut short at a few places inside the slider's record and its tree.
    for (DWORD nCut : {cb - 1, cb - 5, cb / 2, (DWORD)12}) {
        ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "DockingCBAndSliders",
                                             REG_BINARY, data, nCut));
        EXPECT_FALSE(Manager().LoadState(kPaneStateProfile, kFrameId)) << nCut;
        Manager().SetDockState();
        EXPECT_EQ(before, Dump(Tree(pFiles))) << nCut;
        int n = 0;
        for (HWND h = ::GetWindow(m_pFrame->GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            ++n;
        EXPECT_EQ(nChildren, n) << nCut;
    }
}

TEST_F(PaneStateTest, APanesRecordCarriesItsRecentFloatingAndDockedRectangles)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pFiles->Serialize(ar);
        ar.Close();
    }
    const UINT nBytes = (UINT)file.GetLength();
    // Alignment and visibility, then two rectangles and the floating state.
    EXPECT_EQ(2u * 4 + 2 * 16 + 4, nBytes);
    BYTE* pData = file.Detach();
    TestPane* pLoaded = MakePane("Loaded", 102, CSize(50, 50), CBRS_TOP);
    {
        CMemFile in(pData, nBytes);
        CArchive ar(&in, CArchive::load);
        pLoaded->Serialize(ar);
    }
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pLoaded->GetCurrentAlignment());
    // The docked rectangle is the pane's place in the frame when it was stored.
    EXPECT_EQ("0,0,200,300", Text(pLoaded->GetRecentDockInfo().m_rectDockedRect));
    EXPECT_EQ(Text(pFiles->GetRecentDockInfo().m_rectRecentFloatingRect),
              Text(pLoaded->GetRecentDockInfo().m_rectRecentFloatingRect));
    // Cut short, the record is refused with an archive exception.
    bool bThrew = false;
    try {
        CMemFile in(pData, nBytes - 3);
        CArchive ar(&in, CArchive::load);
        pLoaded->Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        bThrew = true;
    }
    EXPECT_TRUE(bThrew);
    free(pData);
}

TEST_F(PaneStateTest, AnAutoHiddenPaneComesBackOnItsStripFromAFrameOrATabWithTheStripsFlags)
{
    // The stored strip's flags are not the ones a new strip starts with.
    const DWORD stored[3] = {0, 1, 0};
    for (bool bTabbed : {false, true}) {
        SCOPED_TRACE(bTabbed ? "a tab" : "floating");
        SHDeleteKeyA(HKEY_CURRENT_USER, kPaneStateRoot);
        TestPane* pFiles = MakePane(bTabbed ? "Files" : "Tree", bTabbed ? 101 : 111,
                                    CSize(200, 300));
        m_pFrame->DockControlBar(pFiles);
        TestPane* pOutput = MakePane("Output", bTabbed ? 103 : 113, CSize(120, 300), CBRS_RIGHT);
        m_pFrame->DockControlBar(pOutput, 0xE81D);
        CZAVPAutoHideToolBar* pStrip = pOutput->SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, nullptr,
                                                                FALSE);
        ASSERT_NE(nullptr, pStrip);
        pStrip->SetStateFlags(stored);
        ASSERT_TRUE(Manager().SaveState(kPaneStateProfile, kFrameId));

        // Off its strip and somewhere else: floating, or a tab of Files' group.
        pOutput->SetAutoHideMode(FALSE, CBRS_ALIGN_RIGHT);
        ASSERT_FALSE(pOutput->IsAutoHideMode());
        if (bTabbed) {
            CZAVPDockingControlBar* pGroup = nullptr;
            ASSERT_EQ(pOutput, pOutput->AttachToTabbedBar(pFiles, ZAVP_DM_MOUSE, TRUE, pGroup));
            ASSERT_TRUE(pOutput->IsTabbed());
        } else {
            ASSERT_TRUE(
                pOutput->FloatControlBar(CRect(300, 200, 420, 400), ZAVP_DM_DBL_CLICK, TRUE));
            ASSERT_TRUE(pOutput->IsFloating());
        }

        ASSERT_TRUE(Manager().LoadState(kPaneStateProfile, kFrameId));
        Manager().SetDockState();
        PumpFor(50);
        EXPECT_TRUE(pOutput->IsAutoHideMode());
        EXPECT_FALSE(pOutput->IsTabbed());
        EXPECT_FALSE(pOutput->IsFloating());
        EXPECT_EQ((DWORD)CBRS_ALIGN_RIGHT, pOutput->GetCurrentAlignment());
        pStrip = pOutput->GetAutoHideToolBar();
        ASSERT_NE(nullptr, pStrip);
        DWORD flags[3] = {9, 9, 9};
        pStrip->GetStateFlags(flags);
        EXPECT_EQ(stored[0], flags[0]);
        EXPECT_EQ(stored[1], flags[1]);
        EXPECT_EQ(stored[2], flags[2]);
        EXPECT_EQ("", BrokenDocking());

        pOutput->SetAutoHideMode(FALSE, CBRS_ALIGN_RIGHT);
        pOutput->DestroyWindow();
        pFiles->DestroyWindow();
        PumpFor(50);
    }
}

TEST_F(PaneStateTest, TheSlidersRecordKeepsItsSideInTheBasePartAndItsStyleAlone)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    CZAVPSlider* pSlider = pFiles->GetDefaultSlider();
    ASSERT_NE(nullptr, pSlider);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pSlider->Serialize(ar);
    }
    const ULONGLONG nLength = file.GetLength();
    ASSERT_GE(nLength, 40u);
    std::vector<DWORD> words((size_t)nLength / 4);
    file.SeekToBegin();
    file.Read(words.data(), (UINT)(words.size() * 4));
    // Base part: side, visible; then id, preferred row, the rectangle (4), visible, style.
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, words[0]);
    EXPECT_EQ((DWORD)CZAVPSlider::SS_VERT, words[9]);
}
