// The node base: ownership of children, walks, and the child list of a record.
#include "catalog/CatalogNode.h"
#include "catalog/DatabaseError.h"
#include "catalog/DatabaseStream.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"
#include <memory>

namespace
{
const DWORD CancelPollInterval = 2;  // ms between two polls of the cancel event
}

WalkState::WalkState(NodeVisitor* visitor, const char* pattern, bool deep, HANDLE cancel)
    : m_visitor(visitor), m_hasPattern(pattern != nullptr), m_pattern(pattern), m_deep(deep),
      m_cancel(cancel)
{
}

bool WalkState::Accepts(const CatalogText& name)
{
    if (!m_hasPattern) return true;
    ToAnsiString(name.c_str(), name.length(), m_narrow);
    return m_pattern.Matches(m_narrow);
}

bool WalkState::Cancelled()
{
    if (m_cancelled) return true;
    if (!m_cancel) return false;
    const DWORD now = GetTickCount();
    if (m_polled && now - m_lastPoll < CancelPollInterval) return false;
    m_polled = true;
    m_lastPoll = now;
    if (WaitForSingleObject(m_cancel, 0) != WAIT_TIMEOUT) m_cancelled = true;
    return m_cancelled;
}

CatalogNode::CatalogNode(std::uint32_t type) : m_type(type) {}

CatalogNode::~CatalogNode() = default;  // m_children deletes the subtree

void CatalogNode::Walk(NodeVisitor* visitor, const char* pattern, bool deep, HANDLE cancel)
{
    WalkState state(visitor, pattern, deep, cancel);
    WalkChildren(state);
}

void CatalogNode::WalkChildren(WalkState& state) { WalkNodeChildren(state); }

void CatalogNode::WalkNodeChildren(WalkState& state)
{
    if (state.Cancelled()) return;
    for (CatalogNode* child : m_children) {
        if (state.Cancelled()) return;
        if (state.Accepts(child->m_name)) state.Visitor()->VisitNode(child);
        if (state.Deep()) child->WalkChildren(state);
    }
}

void CatalogNode::AddChild(CatalogNode* child)
{
    child->m_parent = this;
    m_children.Adopt(child);
}

void CatalogNode::RemoveChild(CatalogNode* child) { m_children.Destroy(child); }

void CatalogNode::DetachChild(CatalogNode* child)
{
    if (m_children.Release(child)) child->m_parent = nullptr;
}

CatalogNode* CatalogNode::Root()
{
    CatalogNode* n = this;
    while (n->m_parent) n = n->m_parent;
    return n;
}

int CatalogNode::Depth() const
{
    int depth = 0;
    for (const CatalogNode* n = m_parent; n; n = n->m_parent) ++depth;
    return depth;
}

bool CatalogNode::Contains(const CatalogNode* node) const
{
    for (; node; node = node->m_parent)
        if (node == this) return true;
    return false;
}

void CatalogNode::Serialize(DatabaseStream& stream)
{
    if (stream.IsStoring()) {
        WriteString(m_name, stream);
    } else {
        ReadString(m_name, stream);
    }
    SerializeChildren(stream);
}

void CatalogNode::SerializeChildren(DatabaseStream& stream)
{
    DatabaseStream::NestingGuard guard(stream);
    const DatabaseError tooDeep(DatabaseError::TooDeep, "catalogue folders nested too deeply");
    if (stream.IsStoring()) {
        // The reader would refuse the file: a save never writes it.
        if (!m_children.empty() && guard.Level() > MaxDepth) throw tooDeep;
        stream.WriteU32((std::uint32_t)m_children.size());
        for (CatalogNode* child : m_children) {
            stream.WriteU32(child->m_type);
            child->Serialize(stream);
        }
        return;
    }
    // The count is not believed in advance: every child must be present in the data, so a false
    // count runs into the end of the data instead of into an allocation.
    std::uint32_t count = stream.ReadU32();
    if (count > 0 && guard.Level() > MaxDepth) throw tooDeep;
    for (std::uint32_t i = 0; i < count; ++i) LoadChild(stream);
}

void CatalogNode::LoadChild(DatabaseStream& stream)
{
    std::uint32_t tag = stream.ReadU32();
    std::unique_ptr<CatalogNode> child;
    switch (tag) {
    case NodeUserFolder: child.reset(new UserFolderNode); break;
    case NodeDiscFolder: child.reset(new DiscFolderNode); break;
    case NodeDisc: child.reset(new DiscNode); break;
    default: throw DatabaseError(DatabaseError::BadTag, "unknown record tag in database file");
    }
    child->Serialize(stream);
    // Released only once it is in the set: inserting may run out of memory.
    AddChild(child.get());
    child.release();
}
