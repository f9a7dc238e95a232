// Back and forward histories of current nodes.
#include "catalog/NavigationHistory.h"
#include "catalog/CatalogNode.h"
#include <algorithm>

void NavigationHistory::Reset(CatalogNode* node)
{
    m_current = node;
    m_back.clear();
    m_forward.clear();
}

bool NavigationHistory::NavigateTo(CatalogNode* node)
{
    if (node == m_current) return false;
    m_forward.clear();
    if (m_current) m_back.push_back(m_current);
    m_current = node;
    return true;
}

bool NavigationHistory::GoBack()
{
    if (m_back.empty()) return false;
    CatalogNode* node = m_back.back();
    m_back.pop_back();
    m_forward.push_front(m_current);
    m_current = node;
    return true;
}

bool NavigationHistory::GoForward()
{
    if (m_forward.empty()) return false;
    CatalogNode* node = m_forward.front();
    m_forward.pop_front();
    m_back.push_back(m_current);
    m_current = node;
    return true;
}

namespace
{

void Prune(std::deque<CatalogNode*>& list, const CatalogNode* subtree)
{
    list.erase(std::remove_if(list.begin(), list.end(),
                              [subtree](CatalogNode* n) { return subtree->Contains(n); }),
               list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

}  // namespace

bool NavigationHistory::ForgetSubtree(CatalogNode* node)
{
    bool moved = false;
    if (m_current && node->Contains(m_current)) moved = NavigateTo(node->m_parent);
    Prune(m_back, node);
    Prune(m_forward, node);
    while (!m_back.empty() && m_back.back() == m_current) m_back.pop_back();
    while (!m_forward.empty() && m_forward.front() == m_current) m_forward.pop_front();
    return moved;
}
