// The stored state of a tab window: exact bytes, round trips with Cyrillic labels, and damaged
// records that must leave the destination as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMemFile.h"
#include "ui/docking/layout/DockLayoutCodec.h"
#include "ui/docking/layout/TabWindowRecord.h"

using namespace TabLayout;

namespace
{
// "Обзор" and "Каталог" in the ANSI code page of the program (1251).
const char kReview[] = "\xCE\xE1\xE7\xEE\xF0";
const char kCatalogue[] = "\xCA\xE0\xF2\xE0\xEB\xEE\xE3";

std::vector<BYTE> Store(const TabWindowRecord& record)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        StoreTabWindowRecord(ar, record);
    }
    const size_t n = (size_t)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    std::free(p);
    return bytes;
}

// Loads the bytes; answers the archive fault's cause, or -1 when the record was read.
int Load(std::vector<BYTE> bytes, TabWindowRecord& record)
{
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), (UINT)bytes.size());
    try {
        CArchive ar(&file, CArchive::load);
        LoadTabWindowRecord(ar, bytes.size(), record);
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

TabWindowRecord::Tab MakeTab(const char* label, BOOL visible, int id, BOOL detachable,
                             COLORREF text, COLORREF fill)
{
    TabWindowRecord::Tab tab;
    tab.label = label;
    tab.bVisible = visible;
    tab.nControlId = id;
    tab.bDetachable = detachable;
    tab.clrText = text;
    tab.clrFill = fill;
    return tab;
}

// What a destination holds before a refused read; it must hold the same afterwards.
TabWindowRecord Sentinel()
{
    TabWindowRecord r;
    r.tabs = {MakeTab("keep", FALSE, 7, FALSE, 1, 2)};
    r.nActiveTab = 0;
    r.nLocation = 1;
    return r;
}

void ExpectSame(const TabWindowRecord& expected, const TabWindowRecord& actual)
{
    ASSERT_EQ(expected.tabs.size(), actual.tabs.size());
    for (size_t i = 0; i < expected.tabs.size(); ++i) {
        const TabWindowRecord::Tab& e = expected.tabs[i];
        const TabWindowRecord::Tab& a = actual.tabs[i];
        EXPECT_STREQ((LPCSTR)e.label, (LPCSTR)a.label) << i;
        EXPECT_EQ(e.bVisible, a.bVisible) << i;
        EXPECT_EQ(e.nControlId, a.nControlId) << i;
        EXPECT_EQ(e.bDetachable, a.bDetachable) << i;
        EXPECT_EQ(e.clrText, a.clrText) << i;
        EXPECT_EQ(e.clrFill, a.clrFill) << i;
    }
    EXPECT_EQ(expected.nActiveTab, actual.nActiveTab);
    EXPECT_EQ(expected.nLocation, actual.nLocation);
}
}  // namespace

TEST(TabWindowRecord, WritesTheArchiveLayoutByteForByte)
{
    TabWindowRecord record;
    record.tabs = {MakeTab(kReview, TRUE, 1001, FALSE, (COLORREF)-1, 0x9FCDBD)};
    record.nActiveTab = 0;
    record.nLocation = 0;
    const std::vector<BYTE> expected = {
        0x01, 0x00, 0x00, 0x00,              // one tab
        0x05, 0xCE, 0xE1, 0xE7, 0xEE, 0xF0,  // label: byte length, then the ANSI bytes
        0x01, 0x00, 0x00, 0x00,              // visible
        0xE9, 0x03, 0x00, 0x00,              // control id 1001
        0x00, 0x00, 0x00, 0x00,              // not detachable
        0xFF, 0xFF, 0xFF, 0xFF,              // text colour: default
        0xBD, 0xCD, 0x9F, 0x00,              // fill colour
        0x00, 0x00, 0x00, 0x00,              // active tab 0
        0x00, 0x00, 0x00, 0x00,              // tabs at the bottom
    };
    EXPECT_EQ(expected, Store(record));

    // No tabs: the count, no active tab, the location.
    TabWindowRecord empty;
    empty.nLocation = 1;
    const std::vector<BYTE> expectedEmpty = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0};
    EXPECT_EQ(expectedEmpty, Store(empty));
}

TEST(TabWindowRecord, RoundTripKeepsCyrillicLabelsAndEveryField)
{
    // A label of 300 bytes takes the archive's longer length form (0xFF and a WORD).
    std::string longLabel;
    for (int i = 0; i < 60; ++i) longLabel += kReview;
    TabWindowRecord record;
    record.tabs = {MakeTab(kReview, TRUE, 1001, TRUE, (COLORREF)-1, (COLORREF)-1),
                   MakeTab(kCatalogue, FALSE, 0x7FFF, FALSE, 0x0000FF, 0xE6AF94),
                   MakeTab("", TRUE, -1, TRUE, 0, 0),
                   MakeTab(longLabel.c_str(), TRUE, 3, FALSE, 0xFFFFFF, 0x123456)};
    record.nActiveTab = 3;
    record.nLocation = 1;

    const std::vector<BYTE> bytes = Store(record);
    // 4 + (1 + 5) + (1 + 7) + 1 + (3 + 300) + 4 tabs of 20 + 8.
    EXPECT_EQ(4u + 6 + 8 + 1 + 303 + 80 + 8, bytes.size());

    TabWindowRecord loaded = Sentinel();
    ASSERT_EQ(-1, Load(bytes, loaded));
    ExpectSame(record, loaded);
    EXPECT_EQ(300, loaded.tabs[3].label.GetLength());
}

TEST(TabWindowRecord, TruncatedAtEveryByteIsRefusedAndChangesNothing)
{
    TabWindowRecord record;
    record.tabs = {MakeTab(kReview, TRUE, 1001, TRUE, 5, 6),
                   MakeTab(kCatalogue, FALSE, 1002, FALSE, 7, 8)};
    record.nActiveTab = 1;
    record.nLocation = 1;
    const std::vector<BYTE> bytes = Store(record);
    for (size_t n = 0; n < bytes.size(); ++n) {
        TabWindowRecord loaded = Sentinel();
        EXPECT_NE(-1, Load(std::vector<BYTE>(bytes.begin(), bytes.begin() + n), loaded))
            << "cut at " << n;
        ExpectSame(Sentinel(), loaded);
    }
}

TEST(TabWindowRecord, DamagedRecordsAreRefused)
{
    // One well-formed tab: an empty label and five numbers.
    const auto tab = [](std::vector<BYTE>& b) {
        b.push_back(0);
        for (int i = 0; i < 5; ++i) PutDword(b, 0);
    };
    struct Case
    {
        const char* name;
        std::vector<BYTE> bytes;
        int cause;
    };
    std::vector<Case> cases;
    {
        std::vector<BYTE> b;
        PutDword(b, 0x7FFFFFFF);  // far more tabs than bytes
        PutDword(b, 0);
        PutDword(b, 0);
        cases.push_back({"huge count", b, CArchiveException::genericException});
    }
    {
        std::vector<BYTE> b;
        PutDword(b, 0xFFFFFFFF);  // a negative count
        PutDword(b, 0);
        PutDword(b, 0);
        cases.push_back({"negative count", b, CArchiveException::genericException});
    }
    {
        // Two tabs announced, one present: 4 + 21 + 8 = 33 bytes hold room for only one tab,
        // so the count is refused before any tab is read.
        std::vector<BYTE> b;
        PutDword(b, 2);
        tab(b);
        PutDword(b, 0);
        PutDword(b, 0);
        cases.push_back({"count one too big", b, CArchiveException::genericException});
    }
    {
        // A label claiming 0x7FFFFFFF bytes runs out of data.
        std::vector<BYTE> b;
        PutDword(b, 1);
        b.push_back(0xFF);
        b.push_back(0xFF);
        b.push_back(0xFF);
        PutDword(b, 0x7FFFFFFF);
        for (int i = 0; i < 7; ++i) PutDword(b, 0);
        cases.push_back({"huge label", b, CArchiveException::endOfFile});
    }
    const struct
    {
        const char* name;
        int active, location;
    } tails[] = {{"active past the tabs", 1, 0},
                 {"active below -1", -2, 0},
                 {"unknown location", 0, 2},
                 {"negative location", 0, -1}};
    for (const auto& t : tails) {
        std::vector<BYTE> b;
        PutDword(b, 1);
        tab(b);
        PutDword(b, (DWORD)t.active);
        PutDword(b, (DWORD)t.location);
        cases.push_back({t.name, b, CArchiveException::genericException});
    }

    for (const Case& c : cases) {
        TabWindowRecord loaded = Sentinel();
        EXPECT_EQ(c.cause, Load(c.bytes, loaded)) << c.name;
        ExpectSame(Sentinel(), loaded);
    }

    // The same frame with sound values is read.
    std::vector<BYTE> good;
    PutDword(good, 1);
    tab(good);
    PutDword(good, 0);
    PutDword(good, 1);
    TabWindowRecord loaded = Sentinel();
    ASSERT_EQ(-1, Load(good, loaded));
    ASSERT_EQ(1u, loaded.tabs.size());
    EXPECT_EQ(0, loaded.tabs[0].nControlId);
    EXPECT_FALSE(loaded.tabs[0].bVisible);
    EXPECT_EQ(1, loaded.nLocation);
}

namespace
{
// A fixed tabbed bar's staged tab window state, as the layout reader holds it until the whole
// image has been read.
class StagedTabs : public CObject
{
public:
    explicit StagedTabs(const TabWindowRecord& r = TabWindowRecord()) : record(r) { ++s_live; }
    ~StagedTabs() override { --s_live; }
    TabWindowRecord record;
    static int s_live;
};
int StagedTabs::s_live = 0;

class TabsNested : public DockLayout::DockLayoutNested
{
public:
    explicit TabsNested(size_t nImageBytes) : m_nImageBytes(nImageBytes) {}
    void StoreTabContent(CArchive& ar, const DockLayout::TabbedEntry& entry) override
    {
        StoreTabWindowRecord(ar, static_cast<StagedTabs*>(entry.pContent)->record);
    }
    CObject* LoadTabContent(CArchive& ar, DWORD) override
    {
        StagedTabs* p = new StagedTabs;
        try {
            LoadTabWindowRecord(ar, m_nImageBytes, p->record);
        } catch (CException*) {
            delete p;
            throw;
        }
        return p;
    }
    size_t m_nImageBytes;
};
}  // namespace

TEST(TabWindowRecord, ALayoutWithADamagedTabRecordIsRefusedWhole)
{
    TabWindowRecord first;
    first.tabs = {MakeTab(kReview, TRUE, 1001, TRUE, (COLORREF)-1, (COLORREF)-1)};
    first.nActiveTab = 0;
    TabWindowRecord second = first;
    second.tabs.push_back(MakeTab(kCatalogue, TRUE, 1002, TRUE, (COLORREF)-1, (COLORREF)-1));
    second.nActiveTab = 1;
    StagedTabs a(first), b(second);
    DockLayout::DockLayoutImage image;
    image.tabbedBars = {{101, &a}, {102, &b}};
    image.entries = {{DockLayout::DockedEntry::bar, 0x65, (DWORD)-1, nullptr}};

    CMemFile file;
    {
        TabsNested nested(0);
        CArchive ar(&file, CArchive::store);
        DockLayout::StoreDockLayout(ar, image, nested);
    }
    const size_t n = (size_t)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    std::free(p);

    const auto load = [](std::vector<BYTE> data, DockLayout::DockLayoutImage& out) {
        TabsNested nested(data.size());
        CMemFile in(data.data(), (UINT)data.size());
        try {
            CArchive ar(&in, CArchive::load);
            DockLayout::LoadDockLayout(ar, data.size(), out, nested);
        } catch (CArchiveException* e) {
            e->Delete();
            return false;
        }
        return true;
    };

    const int liveBefore = StagedTabs::s_live;
    DockLayout::DockLayoutImage loaded;
    ASSERT_TRUE(load(bytes, loaded));
    ASSERT_EQ(2u, loaded.tabbedBars.size());
    EXPECT_EQ(102u, loaded.tabbedBars[1].id);
    ExpectSame(second, static_cast<StagedTabs*>(loaded.tabbedBars[1].pContent)->record);
    for (const DockLayout::TabbedEntry& t : loaded.tabbedBars) delete t.pContent;

    // The second bar's tab location (the last number of its record) becomes 2: the first bar's
    // record was fine and staged, but the image is refused and nothing staged is left behind.
    // T, id 101, record 1 (count, 6 + 20 for its tab, active, location), id 102, then record 2 up
    // to its location: count, 6 + 20 and 8 + 20 for its tabs, active.
    const size_t secondLocation = 4 + 4 + (4 + 26 + 8) + 4 + (4 + 26 + 28 + 4);
    ASSERT_LT(secondLocation, bytes.size());
    ASSERT_EQ(0, bytes[secondLocation]);
    std::vector<BYTE> damaged = bytes;
    damaged[secondLocation] = 2;
    DockLayout::DockLayoutImage refused;
    EXPECT_FALSE(load(damaged, refused));
    EXPECT_TRUE(refused.tabbedBars.empty());
    EXPECT_TRUE(refused.entries.empty());
    EXPECT_EQ(liveBefore, StagedTabs::s_live);
}

TEST(TabWindowRecord, SiblingIdsAreBoundedAndAppendedOnlyWhole)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        StoreSiblingBarIds(ar, {1001, -1, 0x7FFF});
    }
    const size_t n = (size_t)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    std::free(p);
    const std::vector<BYTE> expected = {3,    0,    0,    0,    0xE9, 0x03, 0, 0,
                                        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0};
    ASSERT_EQ(expected, bytes);

    const auto load = [](std::vector<BYTE> data, std::vector<int>& ids) {
        CMemFile in(data.empty() ? nullptr : data.data(), (UINT)data.size());
        try {
            CArchive ar(&in, CArchive::load);
            LoadSiblingBarIds(ar, data.size(), ids);
        } catch (CArchiveException* e) {
            const int cause = e->m_cause;
            e->Delete();
            return cause;
        }
        return -1;
    };
    std::vector<int> ids = {5};
    ASSERT_EQ(-1, load(bytes, ids));
    EXPECT_EQ((std::vector<int>{5, 1001, -1, 0x7FFF}), ids);

    // Cut short: nothing is appended. Four ids announced in 16 bytes: the count is refused.
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        std::vector<int> kept = {5};
        EXPECT_NE(-1, load(std::vector<BYTE>(bytes.begin(), bytes.begin() + cut), kept)) << cut;
        EXPECT_EQ(std::vector<int>{5}, kept) << cut;
    }
    std::vector<BYTE> tooMany = bytes;
    tooMany[0] = 4;
    std::vector<int> kept;
    EXPECT_EQ(CArchiveException::genericException, load(tooMany, kept));
    EXPECT_TRUE(kept.empty());
}

TEST(TabWindowRecord, DumpShowsTheTabOrderAndEveryFlag)
{
    TabWindowRecord record;
    record.tabs = {MakeTab("Files", TRUE, 1001, TRUE, (COLORREF)-1, (COLORREF)-1),
                   MakeTab(kCatalogue, FALSE, 1002, FALSE, 0x0000FF, 0xE6AF94)};
    record.nActiveTab = 0;
    record.nLocation = 1;
    const std::string expected = std::string("tabs top active 0\n"
                                             "  tab 1001 \"Files\" visible detachable\n"
                                             "  tab 1002 \"") +
                                 kCatalogue + "\" hidden text 0000FF fill E6AF94\n";
    EXPECT_EQ(expected, DumpTabWindowRecord(record));
}
