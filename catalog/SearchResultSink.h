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
    // Pause after each hit, so that at most about twenty hits a second reach the dialog.
    static const DWORD PauseAfterHit = 50;

    explicit SearchResultSink(HWND target = nullptr, DWORD pause = PauseAfterHit)
        : m_target(target), m_pause(pause)
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
    int m_posted = 0;
};
