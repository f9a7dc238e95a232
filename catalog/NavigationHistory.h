// The current node and the back and forward histories of the document, without any window:
// moves, and forgetting a subtree that is about to be destroyed so no entry is left dangling.
#pragma once
#include <deque>

class CatalogNode;

class NavigationHistory
{
public:
    CatalogNode* Current() const { return m_current; }
    // Makes `node` current with empty histories.
    void Reset(CatalogNode* node);
    // The user goes to a node: the forward history is dropped and the old current node is
    // remembered. False (nothing changes) when the node is already current.
    bool NavigateTo(CatalogNode* node);
    bool GoBack();     // false when there is nothing to go back to
    bool GoForward();  // false when there is nothing to go forward to
    bool CanGoBack() const { return !m_back.empty(); }
    bool CanGoForward() const { return !m_forward.empty(); }

    // Before `node` and its subtree are destroyed: when the current node lies in it, goes to the
    // node's parent (as NavigateTo does, returning true); then drops every entry of the subtree
    // from both histories, and any entry that would lead nowhere (to the current node itself, or
    // twice in a row to the same node).
    bool ForgetSubtree(CatalogNode* node);

    const std::deque<CatalogNode*>& Back() const { return m_back; }        // most recent last
    const std::deque<CatalogNode*>& Forward() const { return m_forward; }  // next first

private:
    CatalogNode* m_current = nullptr;
    std::deque<CatalogNode*> m_back;
    std::deque<CatalogNode*> m_forward;
};
