// The visitor of the search walk: turns every node and entry reported into a SearchHit, queues it
// for the search dialog and wakes the dialog's window when the queue was empty. Runs on the search
// thread.
#pragma once
#include <windows.h>
#include "catalog/NodeVisitor.h"

class SearchHitQueue;

class SearchResultSink : public NodeVisitor
{
public:
    // Posted when hits wait in the queue that the window has not been told about; the receiver
    // takes the whole queue. wParam and lParam are 0.
    static const UINT HitMessage = WM_USER + 3;
    // No pause after a hit: the dialog takes what has queued up in batches, so a steady stream
    // of hits keeps it answering. Tests slow the worker down with a pause of their own.
    static const DWORD PauseAfterHit = 0;

    // `cancel` (or null) is the search's stop event: a wake-up that cannot be posted is given up
    // once it is set. The hits go into `queue`, which owns them from then on.
    explicit SearchResultSink(HWND target = nullptr, DWORD pause = PauseAfterHit,
                              HANDLE cancel = nullptr, SearchHitQueue* queue = nullptr)
        : m_target(target), m_pause(pause), m_cancel(cancel), m_queue(queue)
    {
    }
    void SetTarget(HWND target) { m_target = target; }
    // Hits handed to the queue during this walk.
    int Queued() const { return m_queued; }

    void VisitNode(CatalogNode* node) override;
    void VisitEntry(EntryContainerNode* owner, FileEntry* entry) override;

private:
    void Hand(struct SearchHit* hit);
    void Wake();

    HWND m_target;
    DWORD m_pause;
    HANDLE m_cancel;
    SearchHitQueue* m_queue;
    int m_queued = 0;
};
