// The outlook family without windows: where a pane puts its buttons and scroll buttons, how it
// scrolls by steps and pages, the width search of a label across a horizontal pane, the page
// buttons of the outlook window around the active page, and the bar's custom-page list with its
// registry key, each against hand-worked values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMemFile.h"
#include "ui/panes/ZAVPOutlookCustomPages.h"
#include "ui/panes/ZAVPOutlookPaneLayout.h"
#include "ui/panes/ZAVPOutlookWndLayout.h"

namespace
{
std::string OutlookText(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

const CSize kScrollButton(13, 13);
}  // namespace

// ---- the pane's column

TEST(OutlookPaneLayout, ColumnCentredAndScrollButtonsOnlyWhereThereIsMore)
{
    const CRect client(0, 0, 100, 200);
    const std::vector<CSize> five(5, CSize(60, 50));
    ZAVPOutlookPaneLayout::Placement p = ZAVPOutlookPaneLayout::Locate(client, five, 0, 0, 0,
                                                                       kScrollButton);
    ASSERT_EQ(5u, p.buttons.size());
    EXPECT_EQ("20,0,80,50", OutlookText(p.buttons[0]));
    EXPECT_EQ("20,200,80,250", OutlookText(p.buttons[4]));
    EXPECT_TRUE(p.bCanScrollDown);
    EXPECT_FALSE(p.bShowUp);  // nothing above the first button
    ASSERT_TRUE(p.bShowDown);
    EXPECT_EQ(CPoint(82, 182), p.ptDown);  // 5 pixels from the bottom right corner

    // Scrolled by one button: the column moves up, the up button shows at the top right.
    p = ZAVPOutlookPaneLayout::Locate(client, five, 50, 1, 0, kScrollButton);
    EXPECT_EQ("20,-50,80,0", OutlookText(p.buttons[0]));
    ASSERT_TRUE(p.bShowUp);
    EXPECT_EQ(CPoint(82, 5), p.ptUp);

    // Everything visible: neither scroll button; spacing goes above every button.
    const std::vector<CSize> three(3, CSize(60, 50));
    p = ZAVPOutlookPaneLayout::Locate(client, three, 0, 0, 4, kScrollButton);
    EXPECT_EQ("20,4,80,54", OutlookText(p.buttons[0]));
    EXPECT_EQ("20,112,80,162", OutlookText(p.buttons[2]));
    EXPECT_FALSE(p.bCanScrollDown);
    EXPECT_FALSE(p.bShowUp);
    EXPECT_FALSE(p.bShowDown);
}

TEST(OutlookPaneLayout, WideButtonsAndSmallPanes)
{
    // A button wider than the pane keeps one pixel free.
    ZAVPOutlookPaneLayout::Placement p = ZAVPOutlookPaneLayout::Locate(
        CRect(10, 0, 110, 40), {CSize(150, 30), CSize(150, 30)}, 30, 1, 0, kScrollButton);
    EXPECT_EQ("10,-30,109,0", OutlookText(p.buttons[0]));
    // A pane too small for a scroll button shows none, even with something to scroll.
    p = ZAVPOutlookPaneLayout::Locate(CRect(0, 0, 15, 15), {CSize(10, 30)}, 0, 1, 0, kScrollButton);
    EXPECT_TRUE(p.bCanScrollDown);
    EXPECT_FALSE(p.bShowDown);
    EXPECT_FALSE(p.bShowUp);
}

TEST(OutlookPaneLayout, StepsUpAndDownByTheFirstButtonsHeight)
{
    const std::vector<int> heights = {50, 40, 30};
    ZAVPOutlookPaneLayout::ScrollState s;
    ASSERT_TRUE(ZAVPOutlookPaneLayout::StepDown(s, heights, TRUE));
    EXPECT_EQ(50, s.nOffset);
    EXPECT_EQ(1, s.nFirstVisible);
    ASSERT_TRUE(ZAVPOutlookPaneLayout::StepDown(s, heights, TRUE));
    EXPECT_EQ(90, s.nOffset);
    EXPECT_EQ(2, s.nFirstVisible);
    // The last button is never scrolled off the top.
    EXPECT_FALSE(ZAVPOutlookPaneLayout::StepDown(s, heights, TRUE));
    EXPECT_EQ(90, s.nOffset);

    // Up subtracts the height of the button that was first, and at the first button the
    // column is back at its start.
    ASSERT_TRUE(ZAVPOutlookPaneLayout::StepUp(s, heights));
    EXPECT_EQ(60, s.nOffset);
    EXPECT_EQ(1, s.nFirstVisible);
    ASSERT_TRUE(ZAVPOutlookPaneLayout::StepUp(s, heights));
    EXPECT_EQ(0, s.nOffset);
    EXPECT_EQ(0, s.nFirstVisible);
    EXPECT_FALSE(ZAVPOutlookPaneLayout::StepUp(s, heights));

    // Nothing runs past the pane: no step down.
    ZAVPOutlookPaneLayout::ScrollState still;
    EXPECT_FALSE(ZAVPOutlookPaneLayout::StepDown(still, heights, FALSE));
    EXPECT_EQ(0, still.nOffset);
}

TEST(OutlookPaneLayout, PageStepsNeverDivideByZero)
{
    struct
    {
        int nClient, nSpacing, nFirst, nSteps;
    } cases[] = {
        {200, 0, 50, 4},  {200, 10, 40, 4}, {30, 0, 50, 1},  // less than a button: still one step
        {200, 0, 0, 200},                                    // an empty button counts one pixel
        {0, 0, 50, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nSteps, ZAVPOutlookPaneLayout::PageSteps(c.nClient, c.nSpacing, c.nFirst))
            << c.nClient << " " << c.nSpacing << " " << c.nFirst;
}

TEST(OutlookPaneLayout, LabelWidthSearchStopsAtTheSingleLineWidth)
{
    // A label 100 pixels long on lines 10 pixels high.
    int nCalls = 0;
    auto wrapped = [&](int cx) {
        ++nCalls;
        return ((100 + cx - 1) / cx) * 10;
    };
    EXPECT_EQ(34, ZAVPOutlookPaneLayout::FitTextWidth(1, 100, 30, wrapped));   // three lines
    EXPECT_EQ(100, ZAVPOutlookPaneLayout::FitTextWidth(1, 100, 10, wrapped));  // one line
    // One line is taller than the button: the search ends at the single-line width instead
    // of running forever.
    nCalls = 0;
    EXPECT_EQ(100, ZAVPOutlookPaneLayout::FitTextWidth(1, 100, 5, wrapped));
    EXPECT_LE(nCalls, 100);
    EXPECT_EQ(120, ZAVPOutlookPaneLayout::FitTextWidth(120, 100, 5, wrapped));
}

// ---- the outlook window's page buttons

namespace
{
ZAVPOutlookWndLayout::Result Lay(int nTabs, int nActive, BOOL bArrows = FALSE)
{
    ZAVPOutlookWndLayout::Input in;
    in.rectClient = CRect(0, 0, 200, 300);
    in.nTabs = nTabs;
    in.nActive = nActive;
    in.nButtonHeight = 20;
    in.bArrows = bArrows;
    return ZAVPOutlookWndLayout::Layout(in);
}
}  // namespace

TEST(OutlookWndLayout, PagesUpToTheActiveOneAtTheTopTheRestAtTheBottom)
{
    ZAVPOutlookWndLayout::Result r = Lay(3, 0);
    EXPECT_EQ("0,1,201,21", OutlookText(r.tabs[0]));
    EXPECT_EQ("0,261,201,281", OutlookText(r.tabs[1]));
    EXPECT_EQ("0,281,201,301", OutlookText(r.tabs[2]));
    EXPECT_EQ("1,21,199,260", OutlookText(r.rectPage));  // ends one pixel above the bottom buttons
    EXPECT_TRUE(r.rectUp.IsRectEmpty());

    r = Lay(3, 1);
    EXPECT_EQ("0,21,201,41", OutlookText(r.tabs[1]));
    EXPECT_EQ("0,281,201,301", OutlookText(r.tabs[2]));
    EXPECT_EQ("1,41,199,280", OutlookText(r.rectPage));

    // The last page active: every page button at the top.
    r = Lay(3, 2);
    EXPECT_EQ("0,41,201,61", OutlookText(r.tabs[2]));
    EXPECT_EQ("1,61,199,299", OutlookText(r.rectPage));
    CRect top, bottom;
    ZAVPOutlookWndLayout::TabAreas(r.tabs, top, bottom);
    EXPECT_EQ("0,1,201,61", OutlookText(top));
    EXPECT_TRUE(bottom.IsRectEmpty());

    // One page: its button at the top, the page filling the rest, one more pixel kept.
    r = Lay(1, 0);
    EXPECT_EQ("0,2,201,22", OutlookText(r.tabs[0]));
    EXPECT_EQ("1,22,199,298", OutlookText(r.rectPage));

    // A border widens the inset.
    ZAVPOutlookWndLayout::Input in;
    in.rectClient = CRect(0, 0, 200, 300);
    in.nBorderSize = 3;
    in.nTabs = 2;
    in.nActive = 0;
    in.nButtonHeight = 20;
    r = ZAVPOutlookWndLayout::Layout(in);
    EXPECT_EQ("0,4,201,24", OutlookText(r.tabs[0]));
    EXPECT_EQ("4,24,196,280", OutlookText(r.rectPage));
}

TEST(OutlookWndLayout, ArrowsBesideTheActivePageAndTheNext)
{
    ZAVPOutlookWndLayout::Result r = Lay(3, 0, TRUE);
    EXPECT_EQ("0,1,181,21", OutlookText(r.tabs[0]));
    EXPECT_EQ("181,1,201,21", OutlookText(r.rectUp));
    EXPECT_EQ("0,261,181,281", OutlookText(r.tabs[1]));
    EXPECT_EQ("181,261,201,281", OutlookText(r.rectDown));
    EXPECT_EQ("0,281,201,301", OutlookText(r.tabs[2]));  // untouched

    // The last page active: the down arrow takes a row of its own at the bottom.
    r = Lay(3, 2, TRUE);
    EXPECT_EQ("181,41,201,61", OutlookText(r.rectUp));
    EXPECT_EQ("1,61,199,279", OutlookText(r.rectPage));
    EXPECT_EQ("181,279,201,299", OutlookText(r.rectDown));
}

TEST(OutlookWndLayout, TabAreasAndSlideSteps)
{
    const ZAVPOutlookWndLayout::Result r = Lay(4, 1);
    CRect top, bottom;
    ZAVPOutlookWndLayout::TabAreas(r.tabs, top, bottom);
    EXPECT_EQ("0,1,201,41", OutlookText(top));
    EXPECT_EQ("0,261,201,301", OutlookText(bottom));
    ZAVPOutlookWndLayout::TabAreas({}, top, bottom);
    EXPECT_TRUE(top.IsRectEmpty());
    EXPECT_TRUE(bottom.IsRectEmpty());

    EXPECT_EQ(7, ZAVPOutlookWndLayout::SlideSteps(219));
    EXPECT_EQ(0, ZAVPOutlookWndLayout::SlideSteps(29));
    EXPECT_EQ(0, ZAVPOutlookWndLayout::SlideSteps(-5));
}

// ---- the custom-page list

namespace
{
std::vector<BYTE> OutlookBytes(const std::vector<ZAVPOutlookCustomPages::Page>& pages)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ZAVPOutlookCustomPages::Write(ar, pages);
        ar.Flush();
    }
    const UINT n = (UINT)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    free(p);
    return bytes;
}

BOOL ReadOutlookBytes(std::vector<BYTE> bytes, std::vector<ZAVPOutlookCustomPages::Page>& pages)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    try {
        ZAVPOutlookCustomPages::Read(ar, pages);
        return TRUE;
    } catch (CArchiveException* e) {
        e->Delete();
        return FALSE;
    }
}

ZAVPOutlookCustomPages::Page Page(UINT nID, const char* lpszName)
{
    ZAVPOutlookCustomPages::Page page;
    page.nID = nID;
    page.strName = lpszName;
    return page;
}
}  // namespace

TEST(OutlookCustomPages, ValueLayoutAndRoundTrip)
{
    const std::vector<BYTE> bytes = OutlookBytes({Page(0xEA00, "Mail"), Page(0xEA05, "")});
    const std::vector<BYTE> expected = {2,    0,    0, 0,                         // count
                                        0x00, 0xEA, 0, 0, 4, 'M', 'a', 'i', 'l',  // id, name
                                        0x05, 0xEA, 0, 0, 0};
    EXPECT_EQ(expected, bytes);
    std::vector<ZAVPOutlookCustomPages::Page> pages;
    ASSERT_TRUE(ReadOutlookBytes(bytes, pages));
    ASSERT_EQ(2u, pages.size());
    EXPECT_EQ(0xEA05u, pages[1].nID);
    EXPECT_STREQ("Mail", pages[0].strName);
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0}), OutlookBytes({}));
}

TEST(OutlookCustomPages, DamagedListsAreRefusedWhole)
{
    const std::vector<BYTE> good = OutlookBytes({Page(0xEA00, "Mail")});
    std::vector<BYTE> tooMany = {101, 0, 0, 0};
    std::vector<BYTE> negative = {0xFF, 0xFF, 0xFF, 0xFF};
    std::vector<BYTE> shortName(good.begin(), good.end() - 2);
    std::vector<BYTE> shortCount = {1, 0};
    struct
    {
        const char* name;
        std::vector<BYTE> bytes;
    } cases[] = {{"over the limit", tooMany},
                 {"negative count", negative},
                 {"name cut short", shortName},
                 {"count cut short", shortCount}};
    for (const auto& c : cases) {
        std::vector<ZAVPOutlookCustomPages::Page> pages = {Page(1, "kept")};
        EXPECT_FALSE(ReadOutlookBytes(c.bytes, pages)) << c.name;
        ASSERT_EQ(1u, pages.size()) << c.name;
        EXPECT_STREQ("kept", pages[0].strName) << c.name;
    }
}

TEST(OutlookCustomPages, KeysKeepTheSecondS)
{
    EXPECT_STREQ("Path\\ZAVPOutlookBar-5", ZAVPOutlookCustomPages::Key("Path\\", 5, (UINT)-1));
    EXPECT_STREQ("Path\\sZAVPOutlookBar-51f", ZAVPOutlookCustomPages::Key("Path\\", 5, 0x1F));
    EXPECT_STREQ("Path\\ZAVPOutlookBar--1", ZAVPOutlookCustomPages::Key("Path\\", -1, (UINT)-1));
}

TEST(OutlookCustomPages, IdTableOnlyInItsRange)
{
    using namespace ZAVPOutlookCustomPages;
    EXPECT_TRUE(IsCustomId(kFirstId));
    EXPECT_TRUE(IsCustomId(kFirstId + kMaxPages - 1));
    EXPECT_FALSE(IsCustomId(kFirstId + kMaxPages));
    EXPECT_FALSE(IsCustomId(kFirstId - 1));
    EXPECT_FALSE(IsCustomId(0));
    EXPECT_FALSE(MarkUsed(kFirstId + kMaxPages));
    EXPECT_FALSE(IsUsed(kFirstId + kMaxPages));
    const UINT nID = kFirstId + 7;
    EXPECT_FALSE(IsUsed(nID));
    EXPECT_TRUE(MarkUsed(nID));
    EXPECT_TRUE(IsUsed(nID));
    Release(nID);
    EXPECT_FALSE(IsUsed(nID));
}
