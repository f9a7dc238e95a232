// What the item list shows and how: the columns with their saved widths, the rows of the current
// node, their order, and what a double-click, a context click or a finished cell edit does. The
// empty base shows nothing; the node and file representations fill it in.
#pragma once
#include <windows.h>

#include "app/RepresentationColumns.h"
#include "framework/CString.h"

class VIEW_ItemsList;

class ItemsRepresentation
{
public:
    virtual ~ItemsRepresentation() = default;

    void SetOwner(VIEW_ItemsList* view) { m_pView = view; }
    VIEW_ItemsList* GetOwner() const { return m_pView; }

    virtual int GetKind() const { return RepresentationEmpty; }
    // On two rows' item data, by the view's sort column.
    virtual bool IsLess(LPARAM, LPARAM) { return true; }
    // Inserts the kind's columns with the widths kept in the profile.
    virtual void SetupColumns();
    // Deletes the rows and the columns and keeps the columns' widths in the profile.
    virtual void SaveColumns();
    // The rows of the document's current node, sorted.
    virtual void Refill();
    virtual void CommitEdit(int, int, const CString&) {}
    virtual void OnDoubleClick(int, int) {}
    virtual void OnContextMenu(int, int) {}

protected:
    VIEW_ItemsList* m_pView = nullptr;
};
