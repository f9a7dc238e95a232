// How a search hit's lines fit its item in the result list: a staircase of one line per node of
// its path (the collection first), each one step further in, and the hit's own line last. A path
// deeper than the list has room for keeps its deepest levels and folds the upper ones into its
// first line, so that the hit's own name always stays in view. Plain arithmetic and text, for the
// list box to apply.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class SearchHitLayout
{
public:
    static const int kLineHeight = 16;   // one line: an icon and a name
    static const int kItemPadding = 20;  // added to every item's height
    static const int kIndentStep = 16;   // each line starts this much further right
    static const int kLeftMargin = 6;
    static const int kTextOffset = 18;  // from a line's icon to its name
    // A list box keeps an owner-drawn item's height in a byte.
    static const int kTallestItem = 255;

    // The most lines an item may take in a list with this client area (0 where unknown): the
    // item fits the list's height and a list box item's limit, and its last line's name starts in
    // the left half of the list. Never fewer than two: the folded path and the hit.
    static int MaxLines(int clientWidth, int clientHeight);
    // The lines an item of this height has room for (the inverse of ItemHeight).
    static int LinesIn(int itemHeight);

    // The layout of a hit whose path has `pathLength` nodes, in at most `maxLines` lines.
    SearchHitLayout(size_t pathLength, int maxLines);

    int LineCount() const { return m_lines; }
    // Path nodes folded into the first line, from the collection down; 0 when nothing is folded.
    size_t FoldedCount() const { return m_folded; }
    // The path node on a line, or the path's length for the hit's own line. A folded first line
    // answers the last node folded into it.
    size_t PathIndexOfLine(int line) const;
    int ItemHeight() const { return kLineHeight * (m_lines - 1) + kItemPadding; }
    // Where a line's icon goes, from the item's top left corner.
    static int LineLeft(int line) { return kLeftMargin + kIndentStep * line; }
    static int LineTop(int line) { return 1 + kLineHeight * line; }

    // The text of a folded first line: the folded names joined as a path.
    static std::wstring FoldedText(const std::vector<std::wstring>& names);

private:
    size_t m_pathLength;
    size_t m_folded = 0;
    int m_lines;
};
