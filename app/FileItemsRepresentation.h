// The content of a disc or disc folder: its folders first, then its files with size, type, time
// and description. A folder opens on a double-click and can be excluded from the search.
#pragma once
#include "app/ItemsRepresentation.h"

class FileItemsRepresentation : public ItemsRepresentation
{
public:
    int GetKind() const override { return RepresentationFiles; }
    bool IsLess(LPARAM a, LPARAM b) override;
    void OnDoubleClick(int row, int column) override;
    void OnContextMenu(int row, int column) override;
};
