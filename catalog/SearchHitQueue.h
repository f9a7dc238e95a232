// The hits a search worker has found and the search dialog has not yet taken. The worker adds
// each hit under the lock and wakes the dialog with one message only when the queue was empty;
// the dialog takes everything at once, so the threads meet once per batch, not once per hit.
#pragma once
#include <cstddef>
#include <vector>
#include "framework/CCriticalSection.h"

class CatalogNode;
struct SearchHit;

class SearchHitQueue
{
public:
    SearchHitQueue() = default;
    ~SearchHitQueue();  // frees the hits nobody took
    SearchHitQueue(const SearchHitQueue&) = delete;
    SearchHitQueue& operator=(const SearchHitQueue&) = delete;

    // Takes ownership of the hit. True when the queue was empty, i.e. the taker has not yet been
    // told about anything in it and must be woken.
    bool Push(SearchHit* hit);
    // Everything queued, in the order pushed; the caller owns the hits and the queue is empty.
    std::vector<SearchHit*> TakeAll();
    // Frees every queued hit (a search's leftovers that must not reach the next one).
    void Clear();
    // Frees the queued hits that lie under `node`, which is about to be destroyed.
    void DropHitsUnder(const CatalogNode* node);
    std::size_t Size();

private:
    CCriticalSection m_lock;         // guards m_hits between the worker and the dialog
    std::vector<SearchHit*> m_hits;  // owned until taken
};
