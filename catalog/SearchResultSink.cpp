// Building search hits and handing them to the dialog.
#include "catalog/SearchResultSink.h"
#include "catalog/CatalogNode.h"
#include "catalog/EntryContainerNode.h"
#include "catalog/SearchHit.h"
#include "catalog/SearchHitQueue.h"
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

const DWORD WakeRetryMs = 1;

}  // namespace

void SearchResultSink::VisitNode(CatalogNode* node)
{
    SearchHit* hit = new SearchHit;
    hit->kind = SearchHit::Node;
    hit->path = PathTo(node->m_parent);
    hit->object = node;
    Hand(hit);
}

void SearchResultSink::VisitEntry(EntryContainerNode* owner, FileEntry* entry)
{
    SearchHit* hit = new SearchHit;
    hit->kind = SearchHit::Entry;
    hit->path = PathTo(owner);
    hit->object = entry;
    Hand(hit);
}

void SearchResultSink::Hand(SearchHit* hit)
{
    if (!m_queue) {
        delete hit;
        return;
    }
    // Only the hit that finds the queue empty wakes the window: the ones after it ride along
    // with it until the dialog has taken the queue.
    if (m_queue->Push(hit)) Wake();
    ++m_queued;
    if (m_pause) Sleep(m_pause);
}

void SearchResultSink::Wake()
{
    // The system keeps only so many posted messages for one thread; a full queue empties as the
    // dialog's thread works, so the wake-up waits for room. Without one the hits would wait until
    // the search ends. When the window is gone or the search stops, the hits stay queued and the
    // queue's owner frees or delivers them.
    while (!PostMessageA(m_target, HitMessage, 0, 0)) {
        const bool stopping = m_cancel && WaitForSingleObject(m_cancel, 0) == WAIT_OBJECT_0;
        if (stopping || !IsWindow(m_target)) return;
        Sleep(WakeRetryMs);
    }
}
