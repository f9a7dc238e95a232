// The search dialog's result list: an owner-drawn list box that owns the hits the search thread
// found and draws each one as a staircase of its path, the hit itself on the last line (a path too
// deep for the list folds its upper levels into the first line, see SearchHitLayout). A double
// click asks the dialog to show the folder that holds the hit.
#pragma once
#include <memory>
#include <vector>

#include "framework/CListBox.h"

#include "catalog/SearchHit.h"
#include "catalog/SearchResultList.h"

class CatalogNode;
class CTarnimelDoc;

class SearchResultsListBox : public CListBox, public SearchResultList
{
public:
    // Sent to the parent on a double click: wParam 0, lParam the CatalogNode holding the hit.
    static const UINT WM_SHOW_SEARCH_RESULT = WM_USER + 100;

    // `document` gives the image list and file-type icons the hits are drawn with; null draws
    // the names alone.
    explicit SearchResultsListBox(CTarnimelDoc* document = nullptr);
    ~SearchResultsListBox() override;

    CWnd& Control() override { return *this; }
    // Takes the hit and lists it; when the list box refuses the item, frees the hit and answers
    // false.
    bool AddResult(SearchHit* hit) override;
    // Takes the hits as one batch with the list's drawing off, then paints once (or leaves the
    // drawing off for the next batch to paint).
    std::size_t AddResults(const std::vector<SearchHit*>& hits, bool paint) override;
    // Lists again every hit held (the dialog's window was made anew).
    void AddAllItems() override;
    // Empties the list and frees every hit.
    void Clear() override;
    // Frees the hits that lie in the subtree of `node`, which is about to be destroyed, and lists
    // the rest again.
    void RemoveHitsUnder(const CatalogNode* node) override;
    std::uint32_t LastPaintMs() const override { return m_lastPaintMs; }

    size_t GetResultCount() const { return m_results.size(); }
    const SearchHit* GetResult(size_t index) const { return m_results[index].get(); }

    // The most lines an item may take in this list's window (without one: a list box's limit).
    int MaxLines() const;

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override;

protected:
    void OnDblClk();

private:
    // Lists the hit at `index` of the results; false when the list box refuses it.
    bool AddItem(size_t index);
    // Turns the list's drawing off for a batch, and on again with one repaint.
    void BeginBatch();
    void EndBatch();
    // Draws `image` of the document's list (if any) and `name` at (x, y).
    void DrawLine(HDC dc, int x, int y, int image, const wchar_t* name);
    // The same for a folded line: the names as one path, shortened in its middle to end at `right`.
    void DrawFoldedLine(HDC dc, int x, int y, int right, int image, const std::wstring& path);

    std::vector<std::unique_ptr<SearchHit>> m_results;  // item data of each list item: its index here
    CTarnimelDoc* m_document;                           // not owned; null draws names only
    std::uint32_t m_lastPaintMs = 0;  // drawing on and the repaint, at the end of the last batch
    bool m_drawingOff = false;        // a batch turned the drawing off and has not painted yet

    DECLARE_MESSAGE_MAP()
};
