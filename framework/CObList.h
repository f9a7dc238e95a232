// A list of CObject pointers. It does not own the objects. Its archive form is the count, then
// each object as an object record (class record on first use, back reference when repeated).
#pragma once

#include "framework/CList.h"

class CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}

    // Loading appends to what the list holds; objects read before a fault stay in the list.
    void Serialize(CArchive& ar) override;
};
