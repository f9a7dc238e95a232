// The visitor of the search walk: turns every node and entry reported into a SearchHit and posts
// it to the search dialog's window, which takes ownership. Runs on the search thread.
#pragma once
#include <windows.h>
#include "catalog/NodeVisitor.h"

class SearchResultSink : public NodeVisitor
{
public:
    // Message carrying a hit: wParam 0 node, 1 entry; lParam the SearchHit, owned by the receiver.
    static const UINT HitMessage = WM_USER + 3;
    // No pause after a hit: the dialog takes what has arrived in batches, so a steady stream
    // of hits keeps it answering. Tests slow the worker down with a pause of their own.
    static const DWORD PauseAfterHit = 0;

    // `cancel` (or null) is the search's stop event: a hit that waits for room in a full queue is
    // dropped once it is set.
    explicit SearchResultSink(HWND target = nullptr, DWORD pause = PauseAfterHit,
                              HANDLE cancel = nullptr)
        : m_target(target), m_pause(pause), m_cancel(cancel)
    {
    }
    void SetTarget(HWND target) { m_target = target; }
    int Posted() const { return m_posted; }

    void VisitNode(CatalogNode* node) override;
    void VisitEntry(EntryContainerNode* owner, FileEntry* entry) override;

private:
    void Post(WPARAM kind, struct SearchHit* hit);

    HWND m_target;
    DWORD m_pause;
    HANDLE m_cancel;
    int m_posted = 0;
};
