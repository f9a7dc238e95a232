// The search dialog's result list (list box 1017) as the catalogue uses it. It owns the hits
// added to it. The application shell gives the real, owner-drawn list through CatalogShell.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class CatalogNode;
class CWnd;
struct SearchHit;

class SearchResultList
{
public:
    virtual ~SearchResultList() = default;
    // The list box window object, bound to control 1017 of the dialog.
    virtual CWnd& Control() = 0;
    // Takes the hit and shows it; when the list refuses it the hit is freed and false returned.
    virtual bool AddResult(SearchHit* hit) = 0;
    // Takes the hits and shows them in their order as one batch, the list's drawing off until it
    // paints once at the end; answers how many were taken. From the first one the list refuses
    // on, the hits are freed. Without `paint` the drawing stays off, and the next batch that
    // paints (an empty one will do) or Clear paints them all.
    virtual std::size_t AddResults(const std::vector<SearchHit*>& hits, bool paint) = 0;
    // Empties the list and frees every hit.
    virtual void Clear() = 0;
    // Shows again every hit held (the dialog's window was made anew).
    virtual void AddAllItems() = 0;
    // Frees the hits that lie in the subtree of `node`, which is about to be destroyed.
    virtual void RemoveHitsUnder(const CatalogNode* node) = 0;
    // Milliseconds the last batch took to paint once drawing was on again (0 when it draws
    // nothing); the dialog spaces its batches by it.
    virtual std::uint32_t LastPaintMs() const { return 0; }
};
