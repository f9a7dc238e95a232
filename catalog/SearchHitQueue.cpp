// The queue of hits between the search worker and the search dialog.
#include "catalog/SearchHitQueue.h"
#include "catalog/SearchHit.h"
#include "framework/CSingleLock.h"

SearchHitQueue::~SearchHitQueue() { Clear(); }

bool SearchHitQueue::Push(SearchHit* hit)
{
    CSingleLock lock(&m_lock, TRUE);
    const bool wasEmpty = m_hits.empty();
    m_hits.push_back(hit);
    return wasEmpty;
}

std::vector<SearchHit*> SearchHitQueue::TakeAll()
{
    std::vector<SearchHit*> taken;
    CSingleLock lock(&m_lock, TRUE);
    taken.swap(m_hits);
    return taken;
}

void SearchHitQueue::Clear()
{
    // Freed outside the lock: the worker need not wait for the deletes.
    for (SearchHit* hit : TakeAll()) delete hit;
}

void SearchHitQueue::DropHitsUnder(const CatalogNode* node)
{
    std::vector<SearchHit*> dropped;
    {
        CSingleLock lock(&m_lock, TRUE);
        std::vector<SearchHit*> kept;
        kept.reserve(m_hits.size());
        for (SearchHit* hit : m_hits) (hit->LiesUnder(node) ? dropped : kept).push_back(hit);
        m_hits.swap(kept);
    }
    for (SearchHit* hit : dropped) delete hit;
}

std::size_t SearchHitQueue::Size()
{
    CSingleLock lock(&m_lock, TRUE);
    return m_hits.size();
}
