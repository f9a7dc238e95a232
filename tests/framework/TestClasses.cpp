// The test classes' records and Serialize, and the archive test helper.
#include "TestClasses.h"

#include "ArchiveImage.h"
#include "framework/CArchiveException.h"

int TestItem::s_live = 0;

IMPLEMENT_SERIAL(TestItem, CObject, 1)
IMPLEMENT_SERIAL(VersionedItem, CObject, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_SERIAL(DerivedItem, TestItem, 1)
IMPLEMENT_SERIAL(OwningItem, CObject, 1)
IMPLEMENT_SERIAL(UnrelatedItem, CObject, 1)
IMPLEMENT_DYNCREATE(CreatableOnly, CObject)
IMPLEMENT_DYNAMIC(PlainDynamic, CObject)

void TestItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

void VersionedItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << value;
    } else {
        loadedSchema = ar.GetObjectSchema();
        ar >> value;
    }
}

OwningItem::~OwningItem()
{
    delete first;
    delete second;
}

void OwningItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << first << second;
    } else {
        first = ar.ReadObject(nullptr);
        second = ar.ReadObject(nullptr);
    }
}

int ArchiveFailure(const std::function<void()>& action)
{
    try {
        action();
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}
