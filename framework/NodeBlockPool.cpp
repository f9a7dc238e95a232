// NodeBlockPool: one allocation per block of nodes.
#include "framework/NodeBlockPool.h"

#include <cstdint>
#include <cstdlib>

#include "framework/CMemoryException.h"

namespace
{
const size_t kAlignment = alignof(std::max_align_t);

size_t RoundUp(size_t n) { return (n + kAlignment - 1) / kAlignment * kAlignment; }
}  // namespace

NodeBlockPool::NodeBlockPool(size_t nNodeSize, INT_PTR nBlockSize)
    : m_nNodeSize(RoundUp(nNodeSize < sizeof(FreeNode) ? sizeof(FreeNode) : nNodeSize)),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1), m_pBlocks(nullptr), m_pFree(nullptr)
{
}

void* NodeBlockPool::Allocate()
{
    if (m_pFree == nullptr) {
        const size_t header = RoundUp(sizeof(Block));
        // A block size the address space cannot hold would wrap the product to a small block.
        if ((size_t)m_nBlockSize > (SIZE_MAX - header) / m_nNodeSize) AfxThrowMemoryException();
        Block* pBlock = (Block*)std::malloc(header + m_nNodeSize * (size_t)m_nBlockSize);
        if (pBlock == nullptr) AfxThrowMemoryException();
        pBlock->pNext = m_pBlocks;
        m_pBlocks = pBlock;
        // Chain the new nodes so that they are handed out in address order.
        char* first = (char*)pBlock + header;
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
            FreeNode* pNode = (FreeNode*)(first + (size_t)i * m_nNodeSize);
            pNode->pNext = m_pFree;
            m_pFree = pNode;
        }
    }
    FreeNode* pNode = m_pFree;
    m_pFree = pNode->pNext;
    return pNode;
}

void NodeBlockPool::Free(void* pNode)
{
    FreeNode* p = (FreeNode*)pNode;
    p->pNext = m_pFree;
    m_pFree = p;
}

void NodeBlockPool::ReleaseAll()
{
    while (m_pBlocks != nullptr) {
        Block* pNext = m_pBlocks->pNext;
        std::free(m_pBlocks);
        m_pBlocks = pNext;
    }
    m_pFree = nullptr;
}
