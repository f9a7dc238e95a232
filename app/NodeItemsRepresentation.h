// The children of a collection or user folder: user folders and discs with their adding time,
// description and who a disc is lent to; the description and lent-to cells are edited in place.
#pragma once
#include "app/ItemsRepresentation.h"

class NodeItemsRepresentation : public ItemsRepresentation
{
public:
    int GetKind() const override { return RepresentationNodes; }
    bool IsLess(LPARAM a, LPARAM b) override;
    void CommitEdit(int row, int column, const CString& text) override;
    void OnDoubleClick(int row, int column) override;
    void OnContextMenu(int row, int column) override;
};
