// The category tree's two kinds of drag.
#include "app/TreeDragOperation.h"

#include "app/VIEW_CategoryTree.h"
#include "catalog/CatalogNode.h"

namespace
{
const UINT kDragRefusedBeep = 0xFFFFFFFF;
}

TreeDragImage::TreeDragImage(VIEW_CategoryTree* tree, HIMAGELIST image)
    : m_tree(tree), m_image(image)
{
}

TreeDragImage::~TreeDragImage()
{
    if (m_image) ImageList_Destroy(m_image);
}

void TreeDragImage::Begin(POINT point)
{
    m_dragged = m_tree->GetCurrentItem();
    // The item tips would stand in the way of the drag image.
    m_tree->ModifyStyle(0, TVS_NOTOOLTIPS);
    ImageList_DragShowNolock(TRUE);
    ImageList_SetDragCursorImage(m_image, 0, 0, 0);
    ImageList_BeginDrag(m_image, 0, 0, 0);
    ImageList_DragMove(point.x, point.y);
    ImageList_DragEnter(m_tree->GetSafeHwnd(), point.x, point.y);
}

void TreeDragImage::Move(POINT point)
{
    ImageList_DragMove(point.x, point.y);
    CTreeCtrl& tree = m_tree->GetTreeCtrl();
    HTREEITEM item = tree.HitTest(CPoint(point));
    const CatalogNode* node = item ? m_tree->NodeOf(item) : nullptr;
    if (item) {
        ImageList_DragLeave(m_tree->GetSafeHwnd());
        tree.SelectDropTarget(item);
        ImageList_DragEnter(m_tree->GetSafeHwnd(), point.x, point.y);
    }
    const bool acceptsNodes = node &&
                              (node->m_type == NodeCollection || node->m_type == NodeUserFolder);
    if (acceptsNodes) {
        if (m_refusing) {
            ::SetCursor(m_savedCursor);
            m_refusing = false;
        }
    } else if (!m_refusing) {
        m_savedCursor = ::SetCursor(::LoadCursor(nullptr, IDC_NO));
        m_refusing = true;
    }
}

void TreeDragImage::TakeDown()
{
    ImageList_DragLeave(m_tree->GetSafeHwnd());
    ImageList_EndDrag();
    m_tree->GetTreeCtrl().SelectDropTarget(nullptr);
    m_tree->ModifyStyle(TVS_NOTOOLTIPS, 0);
    if (m_refusing) ::SetCursor(m_savedCursor);
}

void TreeDragImage::Drop(POINT)
{
    TakeDown();
    if (m_refusing) {
        ::MessageBeep(kDragRefusedBeep);
        return;
    }
    m_tree->MoveNode(m_tree->GetCurrentItem(), m_dragged);
}

void TreeDragImage::Cancel() { TakeDown(); }

void TreeDragCursor::Begin(POINT) { m_savedCursor = ::SetCursor(::LoadCursor(nullptr, IDC_NO)); }

void TreeDragCursor::Drop(POINT)
{
    ::SetCursor(m_savedCursor);
    ::MessageBeep(kDragRefusedBeep);
}

void TreeDragCursor::Cancel() { ::SetCursor(m_savedCursor); }
