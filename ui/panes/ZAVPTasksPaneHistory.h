// The tasks pane's browser-like history of visited pages, without a window: the pages visited in
// order, the current entry, Back and Forward within it, and a new visit that drops the entries
// after the current one and the oldest entry once the limit is reached.
#pragma once

#include <vector>

class ZAVPTasksPaneHistory
{
public:
    static const int kDefaultLimit = 10;

    ZAVPTasksPaneHistory() : m_entries(1, 0), m_nPos(0), m_nLimit(kDefaultLimit) {}

    // The page of the current entry.
    int GetActivePage() const { return m_entries[(size_t)m_nPos]; }
    int GetPosition() const { return m_nPos; }
    int GetCount() const { return (int)m_entries.size(); }
    int GetLimit() const { return m_nLimit; }
    const std::vector<int>& GetEntries() const { return m_entries; }
    BOOL CanGoBack() const { return m_nPos > 0; }
    BOOL CanGoForward() const { return m_nPos < GetCount() - 1; }

    // A visit: FALSE (nothing changes) when the page is the active one. Otherwise the entries
    // after the current one go, at the limit the oldest goes too, and the page becomes the last
    // and current entry.
    BOOL Visit(int nPage);
    // One step along the history without changing it; FALSE at its end.
    BOOL Back();
    BOOL Forward();
    // Back to the single entry of page 0 (a pane whose pages were all removed).
    void Reset();

private:
    std::vector<int> m_entries;  // never empty
    int m_nPos;                  // index into m_entries, always valid
    int m_nLimit;
};
