// Lines of a search hit: the staircase, folded at the top when the path is too deep.
#include "app/SearchHitLayout.h"

#include <algorithm>

int SearchHitLayout::MaxLines(int clientWidth, int clientHeight)
{
    const int tallest = clientHeight > 0 ? std::min(clientHeight, kTallestItem) : kTallestItem;
    int lines = LinesIn(tallest);
    if (clientWidth > 0)
        lines = std::min(lines, (clientWidth / 2 - kLeftMargin - kTextOffset) / kIndentStep + 1);
    return std::max(lines, 2);
}

int SearchHitLayout::LinesIn(int itemHeight)
{
    return itemHeight < kItemPadding ? 1 : (itemHeight - kItemPadding) / kLineHeight + 1;
}

SearchHitLayout::SearchHitLayout(size_t pathLength, int maxLines) : m_pathLength(pathLength)
{
    const size_t most = static_cast<size_t>(std::max(maxLines, 2));
    if (pathLength + 1 <= most) {
        m_lines = static_cast<int>(pathLength + 1);
        return;
    }
    // The first line takes the upper levels; the rest keep a line each, the hit the last one.
    m_folded = pathLength + 2 - most;
    m_lines = static_cast<int>(most);
}

size_t SearchHitLayout::PathIndexOfLine(int line) const
{
    if (line >= m_lines - 1) return m_pathLength;
    if (m_folded == 0) return static_cast<size_t>(line);
    return m_folded - 1 + static_cast<size_t>(line);
}

std::wstring SearchHitLayout::FoldedText(const std::vector<std::wstring>& names)
{
    std::wstring text;
    for (const std::wstring& name : names) {
        if (!text.empty()) text += L'\\';
        text += name;
    }
    return text;
}
