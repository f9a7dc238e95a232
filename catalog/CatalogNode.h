// Base of every catalogue node: a type code, a UTF-16 name, a parent link and the owned children.
// Also the walk that the search and the views use to visit a node's descendants.
#pragma once
#include <windows.h>
#include <cstdint>
#include <set>
#include <string>
#include "catalog/CatalogText.h"
#include "catalog/OwnedPtrSet.h"
#include "catalog/NodeVisitor.h"
#include "catalog/WildcardPattern.h"

class DatabaseStream;

// The type code of a node; the same number tags each child record in the database file.
enum NodeType : std::uint32_t
{
    NodeCollection = 0,
    NodeUserFolder = 1,
    NodeDiscFolder = 2,
    NodeDisc = 3,
};

// The state of one walk: the visitor, the prepared pattern, the cancel event and a buffer for the
// narrow form of each name.
class WalkState
{
public:
    WalkState(NodeVisitor* visitor, const char* pattern, bool deep, HANDLE cancel);
    NodeVisitor* Visitor() const { return m_visitor; }
    bool Deep() const { return m_deep; }
    // True when the name passes the pattern (a null pattern passes everything).
    bool Accepts(const CatalogText& name);
    // Polls the cancel event at most once every couple of milliseconds, before names and reports
    // alike: a poll is a system call (a round trip to the server under some emulators, a slow
    // one while the user-interface thread draws), walks go over millions of names and a search
    // may report a hundred thousand of them. So a walk stops, reports included, moments after a
    // cancel.
    bool Cancelled();

private:
    NodeVisitor* m_visitor;
    bool m_hasPattern;
    WildcardPattern m_pattern;
    bool m_deep;
    HANDLE m_cancel;  // null: the walk cannot be cancelled
    bool m_cancelled = false;
    bool m_polled = false;  // the event was polled at least once
    DWORD m_lastPoll = 0;   // GetTickCount of the last poll
    std::string m_narrow;   // reused for every name
};

class CatalogNode
{
public:
    explicit CatalogNode(std::uint32_t type);
    virtual void Serialize(DatabaseStream& stream);
    virtual ~CatalogNode();  // destroys the whole subtree

    // Visits the descendants: every child whose narrow name matches `pattern` (null: all), and
    // with `deep` the children's own descendants too; an entry container also reports its file
    // entries. Never reports the node it starts on. `cancel` (or null) is an event that stops the walk.
    void Walk(NodeVisitor* visitor, const char* pattern, bool deep, HANDLE cancel);

    void AddChild(CatalogNode* child);     // takes ownership
    void RemoveChild(CatalogNode* child);  // destroys the child and its subtree
    // Takes the child out without destroying it (moves between parents).
    void DetachChild(CatalogNode* child);

    // The child list of the record. Both directions refuse (DatabaseError TooDeep) a tree with
    // nodes deeper than MaxDepth, counted from the node that Serialize started on.
    void SerializeChildren(DatabaseStream& stream);
    void LoadChild(DatabaseStream& stream);

    // The topmost node above this one (this node itself without a parent).
    CatalogNode* Root();
    // Levels between this node and the topmost one above it (0 for the topmost).
    int Depth() const;

    // The deepest level below its collection at which a node may stand (the collection's children
    // are at level 1). A file holding deeper nodes is refused when read and never written; new
    // folders and scanned discs stay within it. Real discs and shelves come nowhere near it, and
    // it bounds the recursion of reading and writing.
    static constexpr int MaxDepth = 512;
    // True when `node` is this node or lies in its subtree.
    bool Contains(const CatalogNode* node) const;

    const std::uint32_t m_type;
    CatalogText m_name;
    CatalogNode* m_parent = nullptr;  // not owned; null for a collection
    // Keyed by address, so equal names are kept apart. The order means nothing: views sort.
    OwnedPtrSet<CatalogNode> m_children;

    CatalogNode(const CatalogNode&) = delete;
    CatalogNode& operator=(const CatalogNode&) = delete;

protected:
    friend class WalkState;
    // The walk after the state was prepared; each kind of node adds its own rules.
    virtual void WalkChildren(WalkState& state);
    void WalkNodeChildren(WalkState& state);
};
