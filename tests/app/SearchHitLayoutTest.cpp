// How a search hit's lines fit the result list: the plain staircase while it fits, the upper
// levels folded into one line when the path is deeper, and the room a list gives.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/SearchHitLayout.h"

TEST(SearchHitLayout, ADeepPathFoldsItsUpperLevelsAndKeepsTheHitsLine)
{
    const struct
    {
        size_t pathLength;
        int maxLines;
        int lines;
        size_t folded;
        int height;                 // 16 per line after the first, plus 20
        std::vector<size_t> nodes;  // the path node of each line; the path's length for the hit
    } cases[] = {
        {0, 13, 1, 0, 20, {0}},
        {3, 13, 4, 0, 68, {0, 1, 2, 3}},
        {12, 13, 13, 0, 212, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        // One level too deep: the collection and the next level share the first line.
        {13, 13, 13, 2, 212, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        // A file 32 folders down a disc in a user folder: collection, folder, disc, 31 folders.
        {34, 13, 13, 23, 212, {22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34}},
        // However small the list, the folded path and the hit keep a line each.
        {5, 0, 2, 5, 36, {4, 5}},
        {1, 1, 2, 0, 36, {0, 1}},
    };
    for (const auto& c : cases) {
        const SearchHitLayout layout(c.pathLength, c.maxLines);
        SCOPED_TRACE(std::to_string(c.pathLength) + " nodes in " + std::to_string(c.maxLines));
        EXPECT_EQ(c.lines, layout.LineCount());
        EXPECT_EQ(c.folded, layout.FoldedCount());
        EXPECT_EQ(c.height, layout.ItemHeight());
        std::vector<size_t> nodes;
        for (int line = 0; line < layout.LineCount(); ++line)
            nodes.push_back(layout.PathIndexOfLine(line));
        EXPECT_EQ(c.nodes, nodes);
        EXPECT_EQ(layout.LineCount(), SearchHitLayout::LinesIn(layout.ItemHeight()));
    }
}

TEST(SearchHitLayout, TheListsRoomBoundsTheLines)
{
    const struct
    {
        int width, height;
        int lines;
    } cases[] = {
        {0, 0, 15},        // no window: a list box item's 255 pixels, (255 - 20) / 16 + 1
        {2000, 2000, 15},  // a roomy list: still 255 pixels at most
        {2000, 222, 13},   // as high as the search dialog's list: (222 - 20) / 16 + 1
        {374, 2000, 11},   // as wide: the last name starts by 187, (187 - 24) / 16 + 1
        {374, 222, 11},   {30, 30, 2},  // a tiny list still shows the folded path and the hit
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.lines, SearchHitLayout::MaxLines(c.width, c.height))
            << c.width << "x" << c.height;
    EXPECT_EQ(1, SearchHitLayout::LinesIn(20));
    EXPECT_EQ(1, SearchHitLayout::LinesIn(35));
    EXPECT_EQ(2, SearchHitLayout::LinesIn(36));
}

TEST(SearchHitLayout, FoldedLevelsReadAsAPath)
{
    EXPECT_EQ(L"Коллекция\\Игры\\Диск",
              SearchHitLayout::FoldedText({L"Коллекция", L"Игры", L"Диск"}));
    EXPECT_EQ(L"Диск", SearchHitLayout::FoldedText({L"Диск"}));
    EXPECT_EQ(L"", SearchHitLayout::FoldedText({}));
}
