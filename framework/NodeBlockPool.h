// Storage for the nodes of lists and maps, taken from the system in blocks of a fixed number of
// nodes and recycled through a free chain; all blocks go back when the owner empties itself.
#pragma once

#include <windows.h>
#include <cstddef>

class NodeBlockPool
{
public:
    NodeBlockPool(size_t nNodeSize, INT_PTR nBlockSize);
    ~NodeBlockPool() { ReleaseAll(); }
    NodeBlockPool(const NodeBlockPool&) = delete;
    NodeBlockPool& operator=(const NodeBlockPool&) = delete;

    // Raw storage for one node; raises CMemoryException when no block can be had.
    void* Allocate();
    // Gives one node's storage back to the free chain.
    void Free(void* pNode);
    // Returns every block to the system. Only when no node is in use.
    void ReleaseAll();

private:
    struct FreeNode
    {
        FreeNode* pNext;
    };
    struct Block
    {
        Block* pNext;
    };  // followed by the block's nodes

    size_t m_nNodeSize;  // rounded up so that every node is suitably aligned
    INT_PTR m_nBlockSize;
    Block* m_pBlocks;
    FreeNode* m_pFree;
};
