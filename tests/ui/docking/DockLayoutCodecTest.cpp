// The stored docking layout: exact bytes of a small image, round trips, and damaged images.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMemFile.h"
#include "ui/docking/layout/DockLayoutCodec.h"

using namespace DockLayout;

namespace
{
const DWORD kNoId = (DWORD)-1;

// Stand-ins for the nested records: a slider carrying one number, a mini frame as an archived
// object of its own class, and a class the layout must never create.
class TestSlider : public CObject
{
public:
    explicit TestSlider(DWORD value = 0) : m_value(value) { ++s_live; }
    ~TestSlider() override { --s_live; }
    DWORD m_value;
    static int s_live;
};
int TestSlider::s_live = 0;

class TestMiniFrame : public CObject
{
    DECLARE_SERIAL(TestMiniFrame)
public:
    TestMiniFrame() { ++s_live; }
    ~TestMiniFrame() override { --s_live; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_barId;
        else
            ar >> m_barId;
    }
    DWORD m_barId = 0;
    static int s_live;
};
int TestMiniFrame::s_live = 0;
IMPLEMENT_SERIAL(TestMiniFrame, CObject, 1)

class TestStranger : public CObject
{
    DECLARE_SERIAL(TestStranger)
public:
    TestStranger() { ++s_created; }
    void Serialize(CArchive&) override {}
    static int s_created;
};
int TestStranger::s_created = 0;
IMPLEMENT_SERIAL(TestStranger, CObject, 1)

class TestNested : public DockLayoutNested
{
public:
    void StoreSlider(CArchive& ar, CObject* p) override
    {
        ar << static_cast<TestSlider*>(p)->m_value;
    }
    CObject* LoadSlider(CArchive& ar) override
    {
        DWORD value = 0;
        ar >> value;
        return new TestSlider(value);
    }
    CObject* LoadMiniFrame(CArchive& ar) override
    {
        return ar.ReadObject(RUNTIME_CLASS(TestMiniFrame));
    }
};

std::vector<BYTE> Store(const DockLayoutImage& image)
{
    TestNested nested;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        StoreDockLayout(ar, image, nested);
    }
    const size_t n = (size_t)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    std::free(p);
    return bytes;
}

// Loads the bytes; answers the archive fault's cause, or -1 when the image was read.
int Load(std::vector<BYTE> bytes, DockLayoutImage& image)
{
    TestNested nested;
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), (UINT)bytes.size());
    try {
        CArchive ar(&file, CArchive::load);
        LoadDockLayout(ar, bytes.size(), image, nested);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

void PutDword(std::vector<BYTE>& bytes, DWORD v)
{
    for (int i = 0; i < 4; ++i) bytes.push_back((BYTE)(v >> (8 * i)));
}

std::vector<BYTE> Dwords(std::initializer_list<DWORD> values)
{
    std::vector<BYTE> bytes;
    for (DWORD v : values) PutDword(bytes, v);
    return bytes;
}

AutoHideRecord Record(DWORD id, DWORD align, std::vector<DWORD> siblings)
{
    AutoHideRecord r{};
    r.id = id;
    r.alignment = align;
    r.visible = 1;
    r.siblingIds = siblings;
    r.rect = RECT{1, 2, 3, 4};
    r.stripFields[0] = 5, r.stripFields[1] = 6, r.stripFields[2] = 7;
    return r;
}

void ReleaseImage(DockLayoutImage& image)
{
    for (DockedEntry& e : image.entries) delete e.pSlider;
    for (CObject* p : image.miniFrames) delete p;
    image = DockLayoutImage();
}
}  // namespace

TEST(DockLayoutCodec, CountsOnlyTheEntriesWritten)
{
    // An id-less tabbed bar without tabs writes nothing and is not counted.
    DockLayoutImage image;
    image.entries = {{DockedEntry::bar, 0x65, kNoId, nullptr},
                     {DockedEntry::bar, kNoId, kNoId, nullptr},
                     {DockedEntry::bar, kNoId, 0x12C, nullptr}};
    image.autoHide = {Record(7, 0x1000, {})};
    const std::vector<BYTE> expected = Dwords({0,  // no fixed tabbed bars
                                               2, 1, 0x65,   1, kNoId, 0x12C,  // two entries
                                               0,                              // no mini frames
                                               1, 7, 0x1000, 1, 0,     1,     2, 3, 4, 5, 6, 7});
    EXPECT_EQ(expected, Store(image));
}

TEST(DockLayoutCodec, RoundTripKeepsEveryRecord)
{
    TestSlider slider(42);
    TestMiniFrame mini;
    mini.m_barId = 0x77;
    DockLayoutImage image;
    image.entries = {{DockedEntry::slider, 0, 0, &slider},
                     {DockedEntry::bar, 0x65, kNoId, nullptr},
                     {DockedEntry::bar, kNoId, 0x12C, nullptr}};
    image.miniFrames = {&mini};
    image.autoHide = {Record(7, 0x1000, {}), Record(8, 0x8000, {9, 10})};

    DockLayoutImage loaded;
    ASSERT_EQ(-1, Load(Store(image), loaded));
    ASSERT_EQ(3u, loaded.entries.size());
    EXPECT_EQ(DockedEntry::slider, loaded.entries[0].kind);
    ASSERT_NE(nullptr, loaded.entries[0].pSlider);
    EXPECT_EQ(42u, static_cast<TestSlider*>(loaded.entries[0].pSlider)->m_value);
    EXPECT_EQ(0x65u, loaded.entries[1].id);
    EXPECT_EQ(kNoId, loaded.entries[2].id);
    EXPECT_EQ(0x12Cu, loaded.entries[2].firstTabId);
    ASSERT_EQ(1u, loaded.miniFrames.size());
    EXPECT_EQ(0x77u, static_cast<TestMiniFrame*>(loaded.miniFrames[0])->m_barId);
    ASSERT_EQ(2u, loaded.autoHide.size());
    EXPECT_EQ(8u, loaded.autoHide[1].id);
    EXPECT_EQ(0x8000u, loaded.autoHide[1].alignment);
    EXPECT_EQ((std::vector<DWORD>{9, 10}), loaded.autoHide[1].siblingIds);
    EXPECT_EQ(3, loaded.autoHide[1].rect.right);
    EXPECT_EQ(7u, loaded.autoHide[1].stripFields[2]);
    ReleaseImage(loaded);
}

TEST(DockLayoutCodec, TruncatedAtEveryByteIsRefusedAndStagesNothing)
{
    TestSlider slider(1);
    TestMiniFrame mini;
    DockLayoutImage image;
    image.entries = {{DockedEntry::slider, 0, 0, &slider}, {DockedEntry::bar, 5, kNoId, nullptr}};
    image.miniFrames = {&mini};
    image.autoHide = {Record(5, 0x4000, {6})};
    const std::vector<BYTE> bytes = Store(image);
    const int slidersBefore = TestSlider::s_live;
    const int miniFramesBefore = TestMiniFrame::s_live;
    for (size_t n = 0; n < bytes.size(); ++n) {
        DockLayoutImage loaded;
        loaded.entries.push_back({DockedEntry::bar, 99, kNoId, nullptr});  // replaced by nothing
        EXPECT_NE(-1, Load(std::vector<BYTE>(bytes.begin(), bytes.begin() + n), loaded)) << n;
        EXPECT_TRUE(loaded.entries.empty() && loaded.miniFrames.empty() && loaded.autoHide.empty())
            << n;
        EXPECT_EQ(slidersBefore, TestSlider::s_live) << "slider left behind at " << n;
        EXPECT_EQ(miniFramesBefore, TestMiniFrame::s_live) << "mini frame left behind at " << n;
    }
}

TEST(DockLayoutCodec, DamagedImagesAreRefused)
{
    struct Case
    {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"huge entry count", Dwords({0, 0xFFFFFFFF, 1, 5})},
        {"huge mini-frame count", Dwords({0, 0, 0x7FFFFFFF})},
        {"huge auto-hide count", Dwords({0, 0, 0, 0x10000000})},
        {"huge sibling count", Dwords({0, 0, 0, 1, 7, 0x1000, 1, 0xFFFFFFF0, 1, 2, 3, 4, 5, 6, 7})},
        {"two sides in one auto-hide record",
         Dwords({0, 0, 0, 1, 7, 0x3000, 1, 0, 1, 2, 3, 4, 5, 6, 7})},
        {"a fixed tabbed bar this frame does not have", Dwords({1, 0x70, 0, 0, 0, 0})},
    };
    for (const Case& c : cases) {
        DockLayoutImage loaded;
        EXPECT_NE(-1, Load(c.bytes, loaded)) << c.what;
        EXPECT_TRUE(loaded.entries.empty() && loaded.autoHide.empty()) << c.what;
    }
}

TEST(DockLayoutCodec, UnexpectedClassIsNeverCreatedAndStagedSlidersGo)
{
    // One slider, then a mini frame record naming a class the layout does not hold.
    TestSlider slider(3);
    TestStranger stranger;
    const int created = TestStranger::s_created;
    DockLayoutImage image;
    image.entries = {{DockedEntry::slider, 0, 0, &slider}};
    std::vector<BYTE> bytes = Store(image);
    // Replace the mini-frame count and the empty auto-hide section by one foreign object.
    bytes.resize(bytes.size() - 8);
    PutDword(bytes, 1);
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar.WriteObject(&stranger);
        }
        const size_t n = (size_t)file.GetLength();
        BYTE* p = file.Detach();
        bytes.insert(bytes.end(), p, p + n);
        std::free(p);
    }
    PutDword(bytes, 0);

    const int live = TestSlider::s_live;
    DockLayoutImage loaded;
    EXPECT_EQ(CArchiveException::badClass, Load(bytes, loaded));
    EXPECT_EQ(created, TestStranger::s_created);
    EXPECT_EQ(live, TestSlider::s_live);
    EXPECT_TRUE(loaded.entries.empty());
}

TEST(DockLayoutCodec, ACountBeyondTheBytesLeftIsRefusedBeforeItsRecordsMakeAnything)
{
    // Ten bars, then one mini frame record of 23 bytes whose count says two. Each frame takes at
    // least 20 bytes: two would need 40 of the 27 left after the count, though the whole image
    // (119 bytes) could hold five.
    class CountingNested : public TestNested
    {
    public:
        size_t MinMiniFrameBytes() const override { return 20; }
        CObject* LoadMiniFrame(CArchive& ar) override
        {
            ++m_nLoaded;
            return TestNested::LoadMiniFrame(ar);
        }
        int m_nLoaded = 0;
    };
    TestMiniFrame mini;
    DockLayoutImage image;
    for (DWORD id = 1; id <= 10; ++id)
        image.entries.push_back({DockedEntry::bar, id, kNoId, nullptr});
    image.miniFrames = {&mini};
    std::vector<BYTE> bytes = Store(image);
    ASSERT_EQ(119u, bytes.size());
    const size_t nCountAt = 4 + 4 + 10 * 8;
    ASSERT_EQ(1, bytes[nCountAt]);
    bytes[nCountAt] = 2;

    const int miniFramesBefore = TestMiniFrame::s_live;
    CountingNested nested;
    DockLayoutImage loaded;
    CMemFile file(bytes.data(), (UINT)bytes.size());
    int cause = -1;
    try {
        CArchive ar(&file, CArchive::load);
        LoadDockLayout(ar, bytes.size(), loaded, nested);
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::genericException, cause);
    EXPECT_EQ(0, nested.m_nLoaded);
    EXPECT_TRUE(loaded.entries.empty() && loaded.miniFrames.empty());
    EXPECT_EQ(miniFramesBefore, TestMiniFrame::s_live);
}
