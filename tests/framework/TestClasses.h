// Small CObject classes for the run-time class and archive tests: serialisable ones (one with a
// versionable schema), an unrelated one, and creatable and plain ones that are not serialisable.
#pragma once

#include "framework/CArchive.h"
#include "framework/CObject.h"

// Counts its live instances, so tests can see that a failed load leaves none behind.
class TestItem : public CObject
{
    DECLARE_SERIAL(TestItem)
public:
    TestItem() { ++s_live; }
    explicit TestItem(DWORD v) : value(v) { ++s_live; }
    ~TestItem() override { --s_live; }
    void Serialize(CArchive& ar) override;

    DWORD value = 0;
    static int s_live;
};

// Schema 2, versionable: it reads any stored schema and remembers which.
class VersionedItem : public CObject
{
    DECLARE_SERIAL(VersionedItem)
public:
    void Serialize(CArchive& ar) override;

    DWORD value = 0;
    UINT loadedSchema = 0;
};

// Derived from TestItem, so a reader that asks for a TestItem accepts it.
class DerivedItem : public TestItem
{
    DECLARE_SERIAL(DerivedItem)
};

// Owns the two objects it stores after itself.
class OwningItem : public CObject
{
    DECLARE_SERIAL(OwningItem)
public:
    ~OwningItem() override;
    void Serialize(CArchive& ar) override;

    CObject* first = nullptr;
    CObject* second = nullptr;
};

class UnrelatedItem : public CObject
{
    DECLARE_SERIAL(UnrelatedItem)
};

class CreatableOnly : public CObject
{
    DECLARE_DYNCREATE(CreatableOnly)
};

class PlainDynamic : public CObject
{
    DECLARE_DYNAMIC(PlainDynamic)
};
