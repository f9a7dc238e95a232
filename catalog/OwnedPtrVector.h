// A vector of pointers that owns what it points to: DeleteAll and the destructor delete every
// element. The document keeps its collections in one. It stays a vector of plain pointers (not of
// unique_ptr) because the loader, the saver and the search walk take the collection list as
// std::vector<CollectionNode*>; what they append becomes the vector's to delete.
#pragma once
#include <vector>

template <class T>
class OwnedPtrVector : public std::vector<T*>
{
public:
    OwnedPtrVector() = default;
    ~OwnedPtrVector() { DeleteAll(); }
    OwnedPtrVector(const OwnedPtrVector&) = delete;
    OwnedPtrVector& operator=(const OwnedPtrVector&) = delete;

    void DeleteAll()
    {
        for (T* p : *this) delete p;
        this->clear();
    }
};
