// Object records in archives: the bytes of new and repeated classes, repeated objects and null;
// creation by class name; and every way a stored image can be wrong, down to a cut at each byte.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "ArchiveImage.h"
#include "TestClasses.h"
#include "framework/CArchiveException.h"
#include "framework/CObList.h"

namespace
{

// "TestItem" is 8 characters; class and object indexes share one sequence from 1.
const char kTwoItemsImage[] =
    "FF FF 01 00 08 00 'TestItem' 44 33 22 11"  // new class (index 1), object A (index 2)
    " 01 80 05 00 00 00"                        // class 1 again, object B (index 3)
    " 02 00"                                    // object A again
    " 00 00";                                   // null

TEST(ArchiveObjects, NewClassRepeatedClassRepeatedObjectAndNull)
{
    TestItem a(0x11223344), b(5);
    const Bytes image = StoreImage(
        [&](CArchive& ar) { ar << &a << &b << &a << (CObject*)nullptr; });
    EXPECT_EQ(Hex(kTwoItemsImage), image);

    CObject* read[4] = {};
    LoadImage(image, [&](CArchive& ar) { ar >> read[0] >> read[1] >> read[2] >> read[3]; });
    ASSERT_NE(nullptr, read[0]);
    ASSERT_NE(nullptr, read[1]);
    EXPECT_TRUE(read[0]->IsKindOf(RUNTIME_CLASS(TestItem)));
    EXPECT_EQ(0x11223344u, static_cast<TestItem*>(read[0])->value);
    EXPECT_EQ(5u, static_cast<TestItem*>(read[1])->value);
    EXPECT_EQ(read[0], read[2]);  // the repeated object is the same object, not a copy
    EXPECT_EQ(nullptr, read[3]);
    delete read[0];
    delete read[1];
}

TEST(ArchiveObjects, ObjectListRoundTrip)
{
    TestItem a(1), b(2);
    DerivedItem d;
    d.value = 3;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&d);
    list.AddTail(&b);
    list.AddTail(&a);
    const Bytes image = StoreImage([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(Hex("04 00"
                  " FF FF 01 00 08 00 'TestItem' 01 00 00 00"     // class 1, object 2
                  " FF FF 01 00 0B 00 'DerivedItem' 03 00 00 00"  // class 3, object 4
                  " 01 80 02 00 00 00"                            // object 5
                  " 02 00"),
              image);

    CObList back;
    LoadImage(image, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(4, back.GetCount());
    POSITION pos = back.GetHeadPosition();
    CObject* items[4];
    for (CObject*& item : items) item = back.GetNext(pos);
    EXPECT_EQ(RUNTIME_CLASS(TestItem), items[0]->GetRuntimeClass());
    EXPECT_EQ(RUNTIME_CLASS(DerivedItem), items[1]->GetRuntimeClass());
    EXPECT_EQ(3u, static_cast<TestItem*>(items[1])->value);
    EXPECT_EQ(items[0], items[3]);
    delete items[0];
    delete items[1];
    delete items[2];
}

// From index 0x7FFF on, references are the WORD 0x7FFF and a DWORD (class bit 0x80000000).
// By hand: class TestItem is 1 and item k is k + 2, so the last of 0x7FFE items is 0x7FFF;
// class DerivedItem is then 0x8000, d1 0x8001 and d2 0x8002.
TEST(ArchiveObjects, LargeIndexesUseTheLongReference)
{
    const int kItems = 0x7FFE;
    std::vector<std::unique_ptr<TestItem>> items;
    for (int k = 0; k < kItems; ++k) items.emplace_back(new TestItem(k));
    DerivedItem d1, d2;
    const Bytes image = StoreImage([&](CArchive& ar) {
        for (auto& item : items) ar << item.get();
        ar << &d1 << &d2 << items.front().get() << items.back().get() << &d1;
    });
    const Bytes tail = Hex("FF 7F 00 80 00 80 00 00 00 00"  // d2: class 0x8000 again, its value
                           " 02 00"                         // item 0
                           " FF 7F FF 7F 00 00"             // the last item, 0x7FFF
                           " FF 7F 01 80 00 00");           // d1, 0x8001
    ASSERT_GT(image.size(), tail.size());
    EXPECT_EQ(tail, Bytes(image.end() - tail.size(), image.end()));

    std::vector<CObject*> back;
    LoadImage(image, [&](CArchive& ar) {
        for (int i = 0; i < kItems + 5; ++i) back.push_back(ar.ReadObject(nullptr));
    });
    ASSERT_EQ((size_t)kItems + 5, back.size());
    EXPECT_EQ(RUNTIME_CLASS(DerivedItem), back[kItems + 1]->GetRuntimeClass());
    EXPECT_EQ(back[0], back[kItems + 2]);
    EXPECT_EQ(back[kItems - 1], back[kItems + 3]);
    EXPECT_EQ(back[kItems], back[kItems + 4]);
    EXPECT_EQ(kItems - 1, (int)static_cast<TestItem*>(back[kItems - 1])->value);
    for (int i = 0; i < kItems + 2; ++i) delete back[i];
}

TEST(ArchiveObjects, ClassesAreFoundAndCreatedByName)
{
    EXPECT_EQ(RUNTIME_CLASS(TestItem), CRuntimeClass::FromName("TestItem"));
    EXPECT_EQ(RUNTIME_CLASS(CObList), CRuntimeClass::FromName("CObList"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("NoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("testitem"));

    CObject* created = CRuntimeClass::FromName("CreatableOnly")->CreateObject();
    ASSERT_NE(nullptr, created);
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CreatableOnly)));
    EXPECT_FALSE(created->IsSerializable());
    delete created;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(PlainDynamic)->CreateObject());

    // Registering again (the start-up list names classes the statics already registered) keeps
    // one entry: the registry still ends, and still finds the class.
    AfxClassInit(RUNTIME_CLASS(TestItem));
    AfxClassInit(RUNTIME_CLASS(TestItem));
    EXPECT_EQ(RUNTIME_CLASS(TestItem), CRuntimeClass::FromName("TestItem"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
}

TEST(ArchiveObjects, KindTests)
{
    DerivedItem d;
    EXPECT_TRUE(d.IsKindOf(RUNTIME_CLASS(DerivedItem)));
    EXPECT_TRUE(d.IsKindOf(RUNTIME_CLASS(TestItem)));
    EXPECT_TRUE(d.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(d.IsKindOf(RUNTIME_CLASS(UnrelatedItem)));
    EXPECT_TRUE(RUNTIME_CLASS(DerivedItem)->IsDerivedFrom(RUNTIME_CLASS(TestItem)));
    EXPECT_FALSE(RUNTIME_CLASS(TestItem)->IsDerivedFrom(RUNTIME_CLASS(DerivedItem)));
}

TEST(ArchiveObjects, VersionableSchemaReadsAnyStoredSchema)
{
    VersionedItem item;
    item.value = 9;
    // The versionable bit is not stored: the schema word is 2.
    const Bytes image = StoreImage([&](CArchive& ar) { ar << &item; });
    EXPECT_EQ(Hex("FF FF 02 00 0D 00 'VersionedItem' 09 00 00 00"), image);

    for (WORD schema : {1, 2, 7}) {
        Bytes older = image;
        older[2] = (BYTE)schema;
        VersionedItem* back = nullptr;
        LoadImage(older, [&](CArchive& ar) { ar >> back; });
        ASSERT_NE(nullptr, back);
        EXPECT_EQ(schema, back->loadedSchema);
        EXPECT_EQ(9u, back->value);
        delete back;
    }
}

TEST(ArchiveObjects, BadImagesRaiseArchiveExceptionsWithTheirCause)
{
    const auto readAny = [](CArchive& ar) { delete ar.ReadObject(nullptr); };
    const auto readTestItem = [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(TestItem)); };
    const struct
    {
        const char* name;
        const char* bytes;
        std::function<void(CArchive&)> read;
        int cause;
    } cases[] = {
        {"unknown class name", "FF FF 01 00 07 00 'NoClass' 00 00 00 00", readAny,
         CArchiveException::badClass},
        {"class that is not serialisable", "FF FF FF FF 0D 00 'CreatableOnly'", readAny,
         CArchiveException::badClass},
        {"unrelated class where TestItem is asked", "FF FF 01 00 0D 00 'UnrelatedItem'",
         readTestItem, CArchiveException::badClass},
        {"unrelated class through the typed operator", "FF FF 01 00 0D 00 'UnrelatedItem'",
         [](CArchive& ar) {
             TestItem* p = nullptr;
             ar >> p;
             delete p;
         },
         CArchiveException::badClass},
        {"repeated object of the wrong kind", "FF FF 01 00 0D 00 'UnrelatedItem' 02 00",
         [](CArchive& ar) {
             CObject* first = ar.ReadObject(nullptr);
             std::unique_ptr<CObject> owner(first);
             ar.ReadObject(RUNTIME_CLASS(TestItem));
         },
         CArchiveException::badClass},
        {"name longer than any class", "FF FF 01 00 FF 00 'x'", readAny,
         CArchiveException::badClass},
        {"schema the class does not read", "FF FF 02 00 08 00 'TestItem' 00 00 00 00", readAny,
         CArchiveException::badSchema},
        {"object never defined", "05 00", readAny, CArchiveException::badIndex},
        {"class never defined", "03 80 00 00 00 00", readAny, CArchiveException::badIndex},
        {"class index that names an object", "FF FF 01 00 08 00 'TestItem' 00 00 00 00 02 80",
         [](CArchive& ar) {
             delete ar.ReadObject(nullptr);
             ar.ReadObject(nullptr);
         },
         CArchiveException::badIndex},
        {"object index that names a class", "FF FF 01 00 08 00 'TestItem' 00 00 00 00 01 00",
         [](CArchive& ar) {
             delete ar.ReadObject(nullptr);
             ar.ReadObject(nullptr);
         },
         CArchiveException::badIndex},
        {"big tag naming an undefined class", "FF 7F 09 00 00 80", readAny,
         CArchiveException::badIndex},
        {"a class record where none is allowed", "00 00", [](CArchive& ar) { ar.ReadClass(); },
         CArchiveException::badIndex},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.cause, LoadFailure(Hex(c.bytes), c.read)) << c.name;
        EXPECT_EQ(0, TestItem::s_live) << c.name;
    }
}

TEST(ArchiveObjects, ObjectsOfAFailedLoadCannotBeReferencedAfterwards)
{
    // The owner reads a TestItem (index 4), then a record of an unknown class; the owner is
    // dropped and takes its TestItem with it. A reader that goes on and names index 4 gets a
    // fault, not the freed object.
    const Bytes image = Hex("FF FF 01 00 0A 00 'OwningItem'"
                            " FF FF 01 00 08 00 'TestItem' 07 00 00 00"
                            " FF FF 01 00 07 00 'NoClass'"
                            " 04 00");
    LoadImage(image, [](CArchive& ar) {
        EXPECT_EQ(CArchiveException::badClass, ArchiveFailure([&] { ar.ReadObject(nullptr); }));
        EXPECT_EQ(0, TestItem::s_live);
        EXPECT_EQ(CArchiveException::badIndex, ArchiveFailure([&] { ar.ReadObject(nullptr); }));
    });
}

// An object its caller writes or creates itself takes its index as WriteObject and ReadObject
// would give it; mapped as null on loading, nothing can refer back to it.
TEST(ArchiveObjects, MappedObjectsKeepTheNumbering)
{
    TestItem a(7), b(8);
    const Bytes image = StoreImage([&](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(TestItem));  // class 1
        ar.MapObject(&a);                        // object 2
        a.Serialize(ar);
        ar << &b << &a;  // object 3 of class 1, then a again: a reference to 2
    });
    EXPECT_EQ(Hex("FF FF 01 00 08 00 'TestItem' 07 00 00 00 01 80 08 00 00 00 02 00"), image);

    LoadImage(image, [](CArchive& ar) {
        CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(TestItem));
        ASSERT_EQ(RUNTIME_CLASS(TestItem), pClass);
        TestItem first(0);
        ar.MapObject(nullptr);
        first.Serialize(ar);
        EXPECT_EQ(7u, first.value);
        std::unique_ptr<CObject> second(ar.ReadObject(nullptr));
        EXPECT_EQ(8u, static_cast<TestItem*>(second.get())->value);
        EXPECT_EQ(CArchiveException::badIndex, ArchiveFailure([&] { ar.ReadObject(nullptr); }));
    });
}

TEST(ArchiveObjects, ImageCutAtEveryLengthRaisesAndLeavesNoObjectBehind)
{
    TestItem a(1), b(2);
    DerivedItem d;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&d);
    list.AddTail(&b);
    list.AddTail(&a);
    list.AddTail((CObject*)nullptr);
    const CString name(L"Панель");
    const Bytes image = StoreImage([&](CArchive& ar) {
        list.Serialize(ar);
        ar << name << (DWORD)7;
    });
    const int liveBefore = TestItem::s_live;

    for (size_t cut = 0; cut < image.size(); ++cut) {
        CObList back;
        const int cause = LoadFailure(Bytes(image.begin(), image.begin() + cut), [&](CArchive& ar) {
            back.Serialize(ar);
            CString s;
            DWORD v;
            ar >> s >> v;
        });
        EXPECT_EQ(CArchiveException::endOfFile, cause) << "cut at " << cut;
        // Whole objects stay in the list for the caller; the one being read when the data ended is gone.
        std::set<CObject*> owned;
        for (POSITION pos = back.GetHeadPosition(); pos != nullptr;)
            owned.insert(back.GetNext(pos));
        for (CObject* item : owned) delete item;
        EXPECT_EQ(liveBefore, TestItem::s_live) << "cut at " << cut;
    }
}

}  // namespace
