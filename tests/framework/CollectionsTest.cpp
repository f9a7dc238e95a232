// Lists, arrays and maps: edits and walks against hand-written expectations, the map's bucket
// order in iteration and in its stored image, and the images of the stored collection classes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ArchiveImage.h"
#include "framework/CArchiveException.h"
#include "framework/CByteArray.h"
#include "framework/CDWordArray.h"
#include "framework/CInvalidArgException.h"
#include "framework/CMap.h"
#include "framework/CMemoryException.h"
#include "framework/CPtrList.h"
#include "framework/CStringArray.h"
#include "framework/CStringList.h"
#include "framework/CWordArray.h"

namespace
{

template <class LIST>
std::vector<int> Forward(const LIST& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) out.push_back(list.GetNext(pos));
    return out;
}

template <class LIST>
std::vector<int> Backward(const LIST& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        out.insert(out.begin(), list.GetPrev(pos));
    return out;
}

template <class F>
bool RaisesInvalidArg(F f)
{
    try {
        f();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}

TEST(Collections, ListEditsKeepBothDirectionsLinked)
{
    CList<int, int> list;
    list.AddTail(1);
    const POSITION two = list.AddTail(2);
    const POSITION three = list.AddTail(3);
    list.InsertBefore(two, 10);     // 1 10 2 3
    list.InsertAfter(three, 30);    // 1 10 2 3 30
    list.InsertBefore(nullptr, 0);  // at the head
    list.InsertAfter(nullptr, 99);  // at the tail
    list.AddHead(-1);
    std::vector<int> expected = {-1, 0, 1, 10, 2, 3, 30, 99};
    EXPECT_EQ(expected, Forward(list));
    EXPECT_EQ(expected, Backward(list));

    list.RemoveAt(two);
    list.RemoveAt(list.Find(-1));
    list.RemoveAt(list.Find(99));
    expected = {0, 1, 10, 3, 30};
    EXPECT_EQ(expected, Forward(list));
    EXPECT_EQ(expected, Backward(list));
    EXPECT_EQ(5, list.GetCount());

    EXPECT_EQ(three, list.Find(3));
    EXPECT_EQ(nullptr, list.Find(3, three));
    EXPECT_EQ(three, list.FindIndex(3));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    EXPECT_EQ(0, list.RemoveHead());
    EXPECT_EQ(30, list.RemoveTail());
    list.SetAt(list.FindIndex(1), 11);
    EXPECT_EQ((std::vector<int>{1, 11, 3}), Forward(list));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(RaisesInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { list.RemoveTail(); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { list.GetAt(nullptr); }));
    // Emptied and used again: the node blocks were given back and are taken anew.
    for (int i = 0; i < 25; ++i) list.AddTail(i);
    EXPECT_EQ(25, list.GetCount());
    EXPECT_EQ(24, list.GetTail());
}

TEST(Collections, ListsCopyOtherLists)
{
    CList<int, int> a, b;
    a.AddTail(1);
    a.AddTail(2);
    b.AddTail(8);
    b.AddTail(9);
    a.AddHead(&b);
    a.AddTail(&b);
    EXPECT_EQ((std::vector<int>{8, 9, 1, 2, 8, 9}), Forward(a));
}

TEST(Collections, ArrayEdits)
{
    CArray<int, int> a;
    for (int i = 0; i < 5; ++i) a.Add(i * 10);  // 0 10 20 30 40
    a.InsertAt(1, 7, 2);                        // 0 7 7 10 20 30 40
    a.RemoveAt(4, 2);                           // 0 7 7 10 40
    a.SetAtGrow(7, 70);                         // ... 40 0 0 70
    a.InsertAt(a.GetSize(), 80);
    const std::vector<int> expected = {0, 7, 7, 10, 40, 0, 0, 70, 80};
    ASSERT_EQ((INT_PTR)expected.size(), a.GetSize());
    for (INT_PTR i = 0; i < a.GetSize(); ++i) EXPECT_EQ(expected[i], a[i]) << i;
    EXPECT_EQ(8, a.GetUpperBound());

    CArray<int, int> b;
    b.Copy(a);
    EXPECT_EQ(9, b.Append(a));
    EXPECT_EQ(18, b.GetSize());
    b.InsertAt(0, &a);
    EXPECT_EQ(27, b.GetSize());
    EXPECT_EQ(80, b[8]);

    for (INT_PTR bad : {(INT_PTR)-1, a.GetSize()}) {
        EXPECT_TRUE(RaisesInvalidArg([&] { a.GetAt(bad); })) << bad;
        EXPECT_TRUE(RaisesInvalidArg([&] { a.SetAt(bad, 1); })) << bad;
        EXPECT_TRUE(RaisesInvalidArg([&] { a[bad] = 1; })) << bad;
    }
    EXPECT_TRUE(RaisesInvalidArg([&] { a.RemoveAt(8, 2); }));
    a.SetSize(2);
    EXPECT_EQ(2, a.GetSize());
    EXPECT_EQ(7, a[1]);
}

// Buckets by hand: HashKey(k) = k >> 4, bucket = that % 17, new keys at the head of a chain.
//   0x10 -> 1, 0x20 -> 2, 0x110 -> 17 % 17 = 0, 0x121 -> 18 % 17 = 1 (ahead of 0x10)
TEST(Collections, MapWalksBucketsInOrderAndStoresThatOrder)
{
    CMap<UINT, UINT, UINT, UINT> map;
    map[0x10] = 1;
    map.SetAt(0x20, 2);
    map.SetAt(0x110, 3);
    map.SetAt(0x121, 4);
    map.SetAt(0x20, 5);  // an existing key keeps its place
    EXPECT_EQ(17u, map.GetHashTableSize());

    std::vector<UINT> keys;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        UINT key, value;
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    EXPECT_EQ((std::vector<UINT>{0x110, 0x121, 0x10, 0x20}), keys);

    const Bytes image = StoreImage([&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(Hex("04 00"
                  " 10 01 00 00 03 00 00 00"
                  " 21 01 00 00 04 00 00 00"
                  " 10 00 00 00 01 00 00 00"
                  " 20 00 00 00 05 00 00 00"),
              image);

    CMap<UINT, UINT, UINT, UINT> back;
    LoadImage(image, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(4, back.GetCount());
    for (UINT key : {0x10u, 0x20u, 0x110u, 0x121u}) {
        UINT mine = 0, theirs = 0;
        EXPECT_TRUE(map.Lookup(key, mine));
        EXPECT_TRUE(back.Lookup(key, theirs)) << key;
        EXPECT_EQ(mine, theirs) << key;
    }

    EXPECT_TRUE(map.RemoveKey(0x121));
    EXPECT_FALSE(map.RemoveKey(0x121));
    UINT value = 0;
    EXPECT_FALSE(map.Lookup(0x121, value));
    EXPECT_TRUE(map.Lookup(0x10, value));
    EXPECT_EQ(1u, value);
    EXPECT_EQ(3, map.GetCount());
}

TEST(Collections, MapWithStringKeysAndOwnTableSize)
{
    CMap<CString, LPCSTR, int, int> map;
    map.InitHashTable(5);
    map.SetAt("one", 1);
    map.SetAt(CString("two"), 2);
    int value = 0;
    EXPECT_TRUE(map.Lookup("two", value));
    EXPECT_EQ(2, value);
    EXPECT_FALSE(map.Lookup("three", value));
    EXPECT_EQ(5u, map.GetHashTableSize());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(Collections, StoredCollectionImages)
{
    const struct
    {
        const char* name;
        std::function<void(CArchive&)> write;
        const char* bytes;
    } cases[] = {
        {"CDWordArray",
         [](CArchive& ar) {
             CDWordArray a;
             a.Add(1);
             a.Add(0x80000000);
             a.Serialize(ar);
         },
         "02 00 01 00 00 00 00 00 00 80"},
        {"CWordArray",
         [](CArchive& ar) {
             CWordArray a;
             a.Add(0x1234);
             a.Serialize(ar);
         },
         "01 00 34 12"},
        {"CByteArray",
         [](CArchive& ar) {
             CByteArray a;
             a.Add(0xFE);
             a.Add(0x01);
             a.Serialize(ar);
         },
         "02 00 FE 01"},
        {"CStringArray",
         [](CArchive& ar) {
             CStringArray a;
             a.Add("a");
             a.Add("");
             a.Add("bc");
             a.Serialize(ar);
         },
         "03 00 01 'a' 00 02 'bc'"},
        {"CStringList",
         [](CArchive& ar) {
             CStringList l;
             l.AddTail("x");
             l.AddHead("yz");
             l.Serialize(ar);
         },
         "02 00 02 'yz' 01 'x'"},
        {"CList of UINT",
         [](CArchive& ar) {
             CList<UINT, UINT> l;
             l.AddTail(7);
             l.Serialize(ar);
         },
         "01 00 07 00 00 00"},
        {"empty CDWordArray",
         [](CArchive& ar) {
             CDWordArray a;
             a.Serialize(ar);
         },
         "00 00"},
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(c.bytes), StoreImage(c.write)) << c.name;

    CStringArray strings;
    LoadImage(Hex("03 00 01 'a' 00 02 'bc'"), [&](CArchive& ar) { strings.Serialize(ar); });
    ASSERT_EQ(3, strings.GetSize());
    EXPECT_TRUE(strings[2] == "bc");
    CDWordArray words;
    words.Add(99);  // loading replaces what was there
    LoadImage(Hex("02 00 01 00 00 00 00 00 00 80"), [&](CArchive& ar) { words.Serialize(ar); });
    ASSERT_EQ(2, words.GetSize());
    EXPECT_EQ(0x80000000u, words[1]);
}

TEST(Collections, ForgedCountsEndInEndOfFileNotInAHugeAllocation)
{
    const struct
    {
        const char* name;
        const char* bytes;
        std::function<void(CArchive&)> read;
    } cases[] = {
        {"CDWordArray", "FF FF FF FF FF FF 01 00 00 00",
         [](CArchive& ar) {
             CDWordArray a;
             a.Serialize(ar);
         }},
        {"CByteArray", "FF FF FF FF FF 7F 01",
         [](CArchive& ar) {
             CByteArray a;
             a.Serialize(ar);
         }},
        {"CStringArray", "FF FF FF FF FF FF 01 'a'",
         [](CArchive& ar) {
             CStringArray a;
             a.Serialize(ar);
         }},
        {"CStringList", "FF FF FF FF FF FF 01 'a'",
         [](CArchive& ar) {
             CStringList l;
             l.Serialize(ar);
         }},
        {"CMap", "FF FF FF FF FF FF 01 00 00 00",
         [](CArchive& ar) {
             CMap<UINT, UINT, UINT, UINT> m;
             m.Serialize(ar);
         }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(Hex(c.bytes), c.read)) << c.name;
}

// A block of nodes as large as the address space allows must be refused, not computed as a
// product that wraps around to a small block (which the list would then write past).
TEST(Collections, NodeBlocksBeyondTheAddressSpaceAreRefused)
{
    const INT_PTR kHugeBlock = INTPTR_MAX;
    const auto raisesMemory = [](auto add) {
        try {
            add();
        } catch (CMemoryException* e) {
            e->Delete();
            return true;
        }
        return false;
    };
    EXPECT_TRUE(raisesMemory([&] {
        CList<int, int> list(kHugeBlock);
        list.AddTail(1);
    })) << "CList";
    EXPECT_TRUE(raisesMemory([&] {
        CMap<UINT, UINT, UINT, UINT> map(kHugeBlock);
        map[1] = 2;
    })) << "CMap";
}

}  // namespace
