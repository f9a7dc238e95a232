// Building and posting search hits.
#include "catalog/SearchResultSink.h"
#include "catalog/CatalogNode.h"
#include "catalog/EntryContainerNode.h"
#include "catalog/SearchHit.h"
#include <algorithm>

namespace
{

// The path from the collection down to `node`, the node included.
std::vector<CatalogNode*> PathTo(CatalogNode* node)
{
    std::vector<CatalogNode*> path;
    for (; node; node = node->m_parent) path.push_back(node);
    std::reverse(path.begin(), path.end());
    return path;
}

const DWORD QueueFullRetryMs = 1;

}  // namespace

void SearchResultSink::VisitNode(CatalogNode* node)
{
    SearchHit* hit = new SearchHit;
    hit->kind = SearchHit::Node;
    hit->path = PathTo(node->m_parent);
    hit->object = node;
    Post(0, hit);
}

void SearchResultSink::VisitEntry(EntryContainerNode* owner, FileEntry* entry)
{
    SearchHit* hit = new SearchHit;
    hit->kind = SearchHit::Entry;
    hit->path = PathTo(owner);
    hit->object = entry;
    Post(1, hit);
}

void SearchResultSink::Post(WPARAM kind, SearchHit* hit)
{
    // The system keeps only so many posted messages for one thread; a full queue empties as the
    // dialog takes its hits, so the hit waits for room. A hit that cannot be delivered (the window
    // is gone, or the search stops) would never be freed by anyone else.
    while (!PostMessageA(m_target, HitMessage, kind, (LPARAM)hit)) {
        const bool stopping = m_cancel && WaitForSingleObject(m_cancel, 0) == WAIT_OBJECT_0;
        if (stopping || !IsWindow(m_target)) {
            delete hit;
            return;
        }
        Sleep(QueueFullRetryMs);
    }
    ++m_posted;
    if (m_pause) Sleep(m_pause);
}
