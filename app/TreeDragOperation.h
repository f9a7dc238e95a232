// A drag in the category tree, from the button press on an item to its release. The application
// holds the one in progress. Folders and discs are dragged with their image and may be dropped
// on a collection or folder; collections and disc folders cannot move, so their drag only shows
// the refusing cursor and ends with a beep.
#pragma once
#include <windows.h>
#include <commctrl.h>

class VIEW_CategoryTree;

class TreeDragOperation
{
public:
    virtual ~TreeDragOperation() = default;
    virtual void Move(POINT) {}
    virtual void Drop(POINT point) = 0;
    virtual void Begin(POINT point) = 0;
    // The drag is called off (the mouse capture went elsewhere): everything it showed goes, and
    // nothing moves.
    virtual void Cancel() = 0;
};

// Dragging a user folder or a disc.
class TreeDragImage : public TreeDragOperation
{
public:
    TreeDragImage(VIEW_CategoryTree* tree, HIMAGELIST image);
    ~TreeDragImage() override;

    void Move(POINT point) override;
    void Drop(POINT point) override;
    void Begin(POINT point) override;
    void Cancel() override;

    HTREEITEM DraggedItem() const { return m_dragged; }
    bool Refusing() const { return m_refusing; }

private:
    // Takes away the drag image, the drop highlight and the refusing cursor.
    void TakeDown();

    VIEW_CategoryTree* m_tree;
    HIMAGELIST m_image;
    HTREEITEM m_dragged = nullptr;
    bool m_refusing = false;
    HCURSOR m_savedCursor = nullptr;
};

// Dragging a collection or a disc folder.
class TreeDragCursor : public TreeDragOperation
{
public:
    void Drop(POINT point) override;
    void Begin(POINT point) override;
    void Cancel() override;

private:
    HCURSOR m_savedCursor = nullptr;
};
