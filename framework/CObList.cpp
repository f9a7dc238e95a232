// CObList's record and its object-record archive form.
#include "framework/CObList.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (POSITION pos = GetHeadPosition(); pos != nullptr;) ar << GetNext(pos);
        return;
    }
    for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) AddTail(ar.ReadObject(nullptr));
}
