// The caption bar's arithmetic: its height, the places of the image, the button and the text for
// each alignment, and how the text and the button give way to the image and to each other.
// Expected rectangles are worked out by hand from the rules (margin and spacing 4).
#include <gtest/gtest.h>

#include <string>

#include "ui/panes/ZAVPCaptionBarLayout.h"

using namespace ZAVPCaptionBarLayout;

namespace
{
std::string CaptionText(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}
}  // namespace

TEST(CaptionBarLayout, HeightIsBorderMarginsAndTheTallerOfLineAndImage)
{
    struct Case
    {
        int nFont, cyImage, nForced, expected;
    } cases[] = {
        {13, 0, -1, 4 + 8 + 15},   // the text line: font height + 2
        {13, 32, -1, 4 + 8 + 32},  // the image is taller
        {13, 15, -1, 4 + 8 + 15},  // equal
        {13, 32, 30, 30},          // a forced height wins
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CalcHeight(c.nFont, CSize(c.cyImage, c.cyImage), 4, 4, c.nForced))
            << c.nFont << " " << c.cyImage << " " << c.nForced;
}

TEST(CaptionBarLayout, ClipRuleTable)
{
    struct Case
    {
        CRect a, b;
        int nSpace;
        BOOL bRight;
        CRect expected;
    } cases[] = {
        // The obstacle inside: the element keeps its own side of it.
        {CRect(10, 0, 50, 10), CRect(20, 0, 30, 10), 0, TRUE, CRect(10, 0, 20, 10)},
        {CRect(10, 0, 50, 10), CRect(20, 0, 30, 10), 0, FALSE, CRect(30, 0, 50, 10)},
        // The spacing widens the obstacle.
        {CRect(10, 0, 50, 10), CRect(20, 0, 30, 10), 2, TRUE, CRect(10, 0, 18, 10)},
        // Wholly covered: empty at its own left.
        {CRect(20, 0, 30, 10), CRect(10, 0, 50, 10), 0, TRUE, CRect(20, 0, 20, 10)},
        // An edge inside the obstacle moves out of it.
        {CRect(10, 0, 50, 10), CRect(40, 0, 60, 10), 0, TRUE, CRect(10, 0, 40, 10)},
        {CRect(10, 0, 50, 10), CRect(0, 0, 20, 10), 0, FALSE, CRect(20, 0, 50, 10)},
        // Pushed to the wrong side of an obstacle that belongs on its right: nothing is left.
        {CRect(10, 0, 50, 10), CRect(0, 0, 20, 10), 0, TRUE, CRect(20, 0, 20, 10)},
        // Apart: unchanged.
        {CRect(10, 0, 50, 10), CRect(60, 0, 70, 10), 0, TRUE, CRect(10, 0, 50, 10)},
        // An empty obstacle or an empty element: unchanged.
        {CRect(10, 0, 50, 10), CRect(20, 0, 20, 10), 0, TRUE, CRect(10, 0, 50, 10)},
        {CRect(10, 0, 10, 10), CRect(0, 0, 60, 10), 0, TRUE, CRect(10, 0, 10, 10)},
    };
    for (const Case& c : cases) {
        CRect a = c.a;
        ClipAgainst(a, c.b, c.nSpace, c.bRight);
        EXPECT_EQ(CaptionText(c.expected), CaptionText(a))
            << CaptionText(c.a) << " against " << CaptionText(c.b);
    }
}

namespace
{
Inputs Bar(int cx, int cy)
{
    Inputs in;
    in.rectClient = CRect(0, 0, cx, cy);
    return in;
}
void WithImage(Inputs& in, int size, int nAlign, BOOL bStretch = FALSE)
{
    in.bHasImage = TRUE;
    in.sizeImage = CSize(size, size);
    in.nImageAlign = nAlign;
    in.bStretchImage = bStretch;
}
void WithButton(Inputs& in, int cxText, int nAlign, BOOL bDropDown)
{
    in.bHasButton = TRUE;
    in.cxButtonText = cxText;
    in.nButtonAlign = nAlign;
    in.bButtonDropDown = bDropDown;
}
void WithText(Inputs& in, int cx, int cy, int nAlign)
{
    in.bHasText = TRUE;
    in.sizeText = CSize(cx, cy);
    in.nTextAlign = nAlign;
}
}  // namespace

TEST(CaptionBarLayout, ImageLeftButtonRightTextLeft)
{
    Inputs in = Bar(200, 20);
    WithImage(in, 16, AlignLeft);
    WithButton(in, 30, AlignRight, TRUE);  // 30 + 2 x 4 + 10 = 48 wide
    WithText(in, 50, 13, AlignLeft);
    Result r;
    Layout(in, r);
    EXPECT_EQ("4,2,20,18", CaptionText(r.rectImage));      // centred: 10 - 8
    EXPECT_EQ("152,0,200,20", CaptionText(r.rectButton));  // at the client edge, full height
    EXPECT_EQ("24,4,74,17", CaptionText(r.rectText));      // after the image and the spacing
    EXPECT_EQ("24,4,74,17", CaptionText(r.rectDrawText));  // nothing in its way
}

TEST(CaptionBarLayout, LongTextGivesWayToTheButtonButTheButtonKeepsItsPlace)
{
    Inputs in = Bar(120, 20);
    WithButton(in, 20, AlignRight, FALSE);  // 28 wide, no arrow
    WithText(in, 100, 13, AlignLeft);
    Result r;
    Layout(in, r);
    EXPECT_EQ("92,0,120,20", CaptionText(r.rectButton));
    EXPECT_EQ("4,4,104,17", CaptionText(r.rectText));
    EXPECT_EQ("4,4,88,17", CaptionText(r.rectDrawText));  // up to the button less the spacing
}

TEST(CaptionBarLayout, TextGivesWayToARightImage)
{
    Inputs in = Bar(100, 20);
    WithImage(in, 16, AlignRight);
    WithText(in, 90, 13, AlignLeft);
    Result r;
    Layout(in, r);
    EXPECT_EQ("80,2,96,18", CaptionText(r.rectImage));
    EXPECT_EQ("4,4,94,17", CaptionText(r.rectText));
    EXPECT_EQ("4,4,76,17", CaptionText(r.rectDrawText));
}

TEST(CaptionBarLayout, CentredElementsSitSideBySideAroundTheMiddle)
{
    Inputs in = Bar(200, 20);
    WithImage(in, 16, AlignCenter);
    WithText(in, 40, 13, AlignCenter);
    Result r;
    Layout(in, r);
    // The centre cursor: 100 - 8 - 20 = 72; the image, the spacing, then the text.
    EXPECT_EQ("72,2,88,18", CaptionText(r.rectImage));
    EXPECT_EQ("92,4,132,17", CaptionText(r.rectText));
    EXPECT_EQ("92,4,132,17", CaptionText(r.rectDrawText));
}

TEST(CaptionBarLayout, ImageTallerThanTheBarStartsAtTheTopMargin)
{
    Inputs in = Bar(100, 20);
    WithImage(in, 32, AlignLeft);
    Result r;
    Layout(in, r);
    EXPECT_EQ("4,4,36,36", CaptionText(r.rectImage));
    WithImage(in, 32, AlignLeft, TRUE);
    Layout(in, r);
    EXPECT_EQ("4,4,36,16", CaptionText(r.rectImage));  // stretched: down to the bottom margin
}

TEST(CaptionBarLayout, ForcedHeightStillCentresTextAndImage)
{
    Inputs in = Bar(100, 40);
    WithImage(in, 16, AlignLeft);
    WithText(in, 30, 13, AlignLeft);
    Result r;
    Layout(in, r);
    EXPECT_EQ("4,12,20,28", CaptionText(r.rectImage));
    EXPECT_EQ("24,14,54,27", CaptionText(r.rectText));
}

TEST(CaptionBarLayout, UnknownAlignmentStopsTheLayoutAtThatElement)
{
    Inputs in = Bar(200, 20);
    WithImage(in, 16, AlignLeft);
    WithButton(in, 30, 5, TRUE);
    WithText(in, 50, 13, AlignLeft);
    Result r;
    r.rectText = CRect(1, 2, 3, 4);
    r.rectDrawText = CRect(5, 6, 7, 8);
    Layout(in, r);
    EXPECT_EQ("4,2,20,18", CaptionText(r.rectImage));  // placed before the button
    EXPECT_EQ("1,2,3,4", CaptionText(r.rectText));     // never reached
    EXPECT_EQ("5,6,7,8", CaptionText(r.rectDrawText));

    Inputs text = Bar(200, 20);
    WithText(text, 50, 13, 0);
    Result r2;
    r2.rectDrawText = CRect(5, 6, 7, 8);
    Layout(text, r2);
    EXPECT_EQ("5,6,7,8", CaptionText(r2.rectDrawText));
}

TEST(CaptionBarLayout, EmptyClientAreaPlacesNothing)
{
    Inputs in = Bar(0, 0);
    WithText(in, 50, 13, AlignLeft);
    Result r;
    r.rectText = CRect(1, 2, 3, 4);
    Layout(in, r);
    EXPECT_EQ("1,2,3,4", CaptionText(r.rectText));
}

TEST(CaptionBarLayout, LeftButtonStartsAtTheEdgeUnlessSomethingIsBeforeIt)
{
    Inputs in = Bar(200, 20);
    WithButton(in, 20, AlignLeft, FALSE);
    Result r;
    Layout(in, r);
    EXPECT_EQ("0,0,28,20", CaptionText(r.rectButton));
    WithImage(in, 16, AlignLeft);
    Layout(in, r);
    EXPECT_EQ("24,0,52,20", CaptionText(r.rectButton));
}
