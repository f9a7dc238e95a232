// A set of pointers that owns what it points to: its destructor deletes every element. The tree
// keeps each node's children in one, so a node's subtree goes with it. It stays a set of plain
// pointers (not of unique_ptr) because the database reader and writer and the walks use the
// children as node pointers; ownership moves in and out only through Adopt and Release.
#pragma once
#include <set>

template <class T>
class OwnedPtrSet : public std::set<T*>
{
public:
    OwnedPtrSet() = default;
    ~OwnedPtrSet()
    {
        for (T* p : *this) delete p;
    }
    OwnedPtrSet(const OwnedPtrSet&) = delete;
    OwnedPtrSet& operator=(const OwnedPtrSet&) = delete;

    // Takes ownership of p.
    void Adopt(T* p) { this->insert(p); }
    // Gives up ownership of p without deleting it; false when p is not here.
    bool Release(T* p) { return this->erase(p) != 0; }
    // Deletes p when it is here.
    void Destroy(T* p)
    {
        if (Release(p)) delete p;
    }
};
