// Stored records of sliders, container trees and mini frames: exact bytes worked out by hand,
// round trips, and damaged records that must be refused without changing anything.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMemFile.h"
#include "ui/docking/layout/ContainerRecords.h"

using namespace DockLayout;

namespace
{
const DWORD kIdless = (DWORD)-1;

// A stand-in tabbed bar carrying one number, a kind derived from it, and a class a tabbed-bar
// record must never name.
class RecordTabbedBar : public CObject
{
    DECLARE_SERIAL(RecordTabbedBar)
public:
    RecordTabbedBar() { ++s_live; }
    ~RecordTabbedBar() override { --s_live; }
    DWORD m_value = 0;
    static int s_live;
};
int RecordTabbedBar::s_live = 0;
IMPLEMENT_SERIAL(RecordTabbedBar, CObject, 1)

class RecordOutlookKind : public RecordTabbedBar
{
    DECLARE_SERIAL(RecordOutlookKind)
};
IMPLEMENT_SERIAL(RecordOutlookKind, RecordTabbedBar, 1)

class RecordStranger : public CObject
{
    DECLARE_SERIAL(RecordStranger)
};
IMPLEMENT_SERIAL(RecordStranger, CObject, 1)

class TestNested : public ContainerRecordNested
{
public:
    const CRuntimeClass* TabbedBarBase() const override { return RUNTIME_CLASS(RecordTabbedBar); }
    void StoreTabbedBar(CArchive& ar, const TabbedBarRecord& t) override
    {
        ar << static_cast<RecordTabbedBar*>(t.pBar)->m_value;
    }
    CObject* LoadTabbedBar(CArchive& ar, const TabbedBarRecord& t) override
    {
        RecordTabbedBar* p = static_cast<RecordTabbedBar*>(t.pClass->CreateObject());
        try {
            ar >> p->m_value;
        } catch (...) {
            delete p;
            throw;
        }
        return p;
    }
};

std::vector<BYTE> Bytes(std::initializer_list<DWORD> words)
{
    std::vector<BYTE> bytes;
    for (DWORD w : words)
        for (int i = 0; i < 4; ++i) bytes.push_back((BYTE)(w >> (8 * i)));
    return bytes;
}

std::vector<BYTE> Store(const std::function<void(CArchive&, ContainerRecordNested&)>& write)
{
    TestNested nested;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar, nested);
    }
    const size_t n = (size_t)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    std::free(p);
    return bytes;
}

// Reads the bytes; answers the fault's cause, or -1 when they were read.
int Load(std::vector<BYTE> bytes,
         const std::function<void(CArchive&, size_t, ContainerRecordNested&)>& read,
         ContainerRecordNested* pNested = nullptr)
{
    TestNested nested;
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), (UINT)bytes.size());
    try {
        CArchive ar(&file, CArchive::load);
        read(ar, bytes.size(), pNested ? *pNested : nested);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

// An inner slider: vertical, left side, 4 wide at (10,20)-(14,300), limits -50..60.
SliderRecord InnerSlider(LONG id)
{
    SliderRecord s;
    s.alignment = 0x1000;
    s.baseVisible = 1;
    s.id = id;
    s.preferredRow = -1;
    s.rect = RECT{10, 20, 14, 300};
    s.visible = 1;
    s.style = 0x1002;
    s.width = 4;
    s.minOffset = -50;
    s.maxOffset = 60;
    return s;
}

#define INNER_SLIDER_WORDS(id)                                                                     \
    0x1000, 1, id, kIdless, 10, 20, 14, 300, 1, 0x1002, 4, 0, (DWORD)-50, 60

// "Files" over a node of "Search" and "Output".
ContainerRecord SampleContainer()
{
    ContainerRecord c;
    c.root.first.barId = 101;
    c.root.sliderId = 1;
    c.root.slider = std::make_unique<SliderRecord>(InnerSlider(1));
    c.root.second.sub = std::make_unique<NodeRecord>();
    NodeRecord& n = *c.root.second.sub;
    n.first.barId = 102;
    n.second.barId = 103;
    n.sliderId = 2;
    n.slider = std::make_unique<SliderRecord>(InnerSlider(2));
    c.bars = {{101, 0}, {102, 0}, {103, 0}};
    return c;
}

std::vector<BYTE> SampleContainerBytes()
{
    return Bytes({101, 0, 1, INNER_SLIDER_WORDS(1), 0, 1,    // root: pane, slider, subtree
                  102, 103, 2, INNER_SLIDER_WORDS(2), 0, 0,  // the lower node
                  3, 101, 102, 103});                        // the pane list
}

// The sample with an id-less tabbed bar of two tabs in place of "Output".
ContainerRecord TabbedContainer(RecordTabbedBar* pBar, const CRuntimeClass* pClass)
{
    ContainerRecord c = SampleContainer();
    NodeSideRecord& side = c.root.second.sub->second;
    side.barId = kIdless;
    side.tabbed = std::make_unique<TabbedBarRecord>();
    side.tabbed->tabIds = {103, 104};
    side.tabbed->pClass = pClass;
    side.tabbed->style = 0x50000000;
    side.tabbed->pBar = pBar;
    c.bars.back() = ContainerBarEntry{kIdless, 103};
    return c;
}

void ReadContainer(const std::vector<BYTE>& bytes, ContainerRecord& c, int* pCause = nullptr)
{
    const int cause = Load(bytes, [&](CArchive& ar, size_t n, ContainerRecordNested& nested) {
        LoadContainerRecord(ar, n, c, nested);
    });
    if (pCause) *pCause = cause;
}
}  // namespace

TEST(ContainerRecords, ExactBytesOfASliderAndATree)
{
    const SliderRecord slider = InnerSlider(3);
    EXPECT_EQ(Bytes({INNER_SLIDER_WORDS(3)}), Store([&](CArchive& ar, ContainerRecordNested& n) {
                  StoreSliderRecord(ar, slider, n);
              }));
    const ContainerRecord c = SampleContainer();
    EXPECT_EQ(SampleContainerBytes(), Store([&](CArchive& ar, ContainerRecordNested& n) {
                  StoreContainerRecord(ar, c, n);
              }));

    ContainerRecord loaded;
    int cause = 0;
    ReadContainer(SampleContainerBytes(), loaded, &cause);
    ASSERT_EQ(-1, cause);
    EXPECT_EQ(101u, loaded.root.first.barId);
    ASSERT_TRUE(loaded.root.slider && loaded.root.second.sub);
    EXPECT_EQ(-50, loaded.root.slider->minOffset);
    EXPECT_EQ(300, loaded.root.slider->rect.bottom);
    EXPECT_EQ(103u, loaded.root.second.sub->second.barId);
    EXPECT_EQ(2u, loaded.root.second.sub->sliderId);
    ASSERT_EQ(3u, loaded.bars.size());
    EXPECT_EQ(103u, loaded.bars[2].id);
}

TEST(ContainerRecords, RoundTripsOfEveryKind)
{
    // A frame's default slider with a tree holding a tabbed bar of a derived kind.
    RecordOutlookKind bar;
    bar.m_value = 77;
    SliderRecord slider = InnerSlider(5);
    slider.defaultSlider = 1;
    slider.container = std::make_unique<ContainerRecord>(
        TabbedContainer(&bar, RUNTIME_CLASS(RecordOutlookKind)));
    const std::vector<BYTE> bytes = Store(
        [&](CArchive& ar, ContainerRecordNested& n) { StoreSliderRecord(ar, slider, n); });
    SliderRecord loaded;
    ASSERT_EQ(-1, Load(bytes, [&](CArchive& ar, size_t n, ContainerRecordNested& nested) {
        LoadSliderRecord(ar, n, FALSE, loaded, nested);
    }));
    ASSERT_TRUE(loaded.container);
    const NodeSideRecord& side = loaded.container->root.second.sub->second;
    ASSERT_TRUE(side.tabbed);
    EXPECT_EQ(RUNTIME_CLASS(RecordOutlookKind), side.tabbed->pClass);
    EXPECT_EQ((std::vector<DWORD>{103, 104}), side.tabbed->tabIds);
    EXPECT_EQ(0x50000000u, side.tabbed->style);
    ASSERT_NE(nullptr, side.tabbed->pBar);
    EXPECT_EQ(77u, static_cast<RecordTabbedBar*>(side.tabbed->pBar)->m_value);
    EXPECT_EQ(103u, loaded.container->bars[2].firstTabId);
    // Written again it gives the same bytes.
    EXPECT_EQ(bytes, Store([&](CArchive& ar, ContainerRecordNested& n) {
                  StoreSliderRecord(ar, loaded, n);
              }));
    delete side.tabbed->pBar;

    // A multi mini frame, rolled up and pinned, with its panes.
    MiniFrameRecord frame;
    frame.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    frame.rect = RECT{100, 120, 400, 520};
    frame.visible = 1;
    frame.barId = 101;
    frame.captionButtons = 0x03;
    frame.pinned = 1;
    frame.container = std::make_unique<ContainerRecord>(SampleContainer());
    const std::vector<BYTE> frameBytes = Store(
        [&](CArchive& ar, ContainerRecordNested& n) { StoreMiniFrameRecord(ar, frame, n); });
    EXPECT_EQ(Bytes({WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 120, 400, 520, 1, 101, 3, 1}),
              std::vector<BYTE>(frameBytes.begin(), frameBytes.begin() + 36));
    MiniFrameRecord loadedFrame;
    ASSERT_EQ(-1, Load(frameBytes, [&](CArchive& ar, size_t n, ContainerRecordNested& nested) {
        LoadMiniFrameRecord(ar, n, TRUE, loadedFrame, nested);
    }));
    EXPECT_EQ(frameBytes, Store([&](CArchive& ar, ContainerRecordNested& n) {
                  StoreMiniFrameRecord(ar, loadedFrame, n);
              }));
}

TEST(ContainerRecords, TruncatedAtEveryByteIsRefusedAndChangesNothing)
{
    RecordTabbedBar bar;
    bar.m_value = 9;
    const ContainerRecord c = TabbedContainer(&bar, RUNTIME_CLASS(RecordTabbedBar));
    MiniFrameRecord frame;
    frame.barId = 101;
    frame.container = std::make_unique<ContainerRecord>(
        TabbedContainer(&bar, RUNTIME_CLASS(RecordTabbedBar)));
    const std::vector<BYTE> bytes = Store(
        [&](CArchive& ar, ContainerRecordNested& n) { StoreMiniFrameRecord(ar, frame, n); });
    const int liveBefore = RecordTabbedBar::s_live;
    for (size_t n = 0; n < bytes.size(); ++n) {
        MiniFrameRecord loaded;
        loaded.barId = 4242;  // must survive a refused read
        const int cause = Load(std::vector<BYTE>(bytes.begin(), bytes.begin() + (long)n),
                               [&](CArchive& ar, size_t size, ContainerRecordNested& nested) {
                                   LoadMiniFrameRecord(ar, size, TRUE, loaded, nested);
                               });
        EXPECT_NE(-1, cause) << n;
        EXPECT_EQ(4242u, loaded.barId) << n;
        EXPECT_FALSE(loaded.container) << n;
        EXPECT_EQ(liveBefore, RecordTabbedBar::s_live) << "tabbed bar left behind at " << n;
    }
    // And the whole record reads.
    MiniFrameRecord loaded;
    EXPECT_EQ(-1, Load(bytes, [&](CArchive& ar, size_t size, ContainerRecordNested& nested) {
        LoadMiniFrameRecord(ar, size, TRUE, loaded, nested);
    }));
    EXPECT_EQ(liveBefore + 1, RecordTabbedBar::s_live);
    delete loaded.container->root.second.sub->second.tabbed->pBar;
}

namespace
{
// A chain of nodes, each holding the next as its first subtree.
std::vector<BYTE> Chain(int nodes)
{
    std::vector<BYTE> bytes;
    for (int i = 0; i < nodes; ++i) {
        const std::vector<BYTE> head = Bytes({0, 0, 0, i + 1 < nodes ? 1u : 0u});
        bytes.insert(bytes.end(), head.begin(), head.end());
    }
    for (int i = 0; i < nodes; ++i) {
        const std::vector<BYTE> tail = Bytes({0});
        bytes.insert(bytes.end(), tail.begin(), tail.end());
    }
    const std::vector<BYTE> count = Bytes({0});
    bytes.insert(bytes.end(), count.begin(), count.end());
    return bytes;
}
}  // namespace

TEST(ContainerRecords, DamagedRecordsAreRefused)
{
    const std::vector<BYTE> slider = Bytes({INNER_SLIDER_WORDS(1)});
    auto with = [](std::vector<BYTE> head, const std::vector<BYTE>& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    struct Case
    {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"huge pane count", Bytes({0, 0, 0, 0, 0, 0x7FFFFFFF, 1, 2})},
        {"huge tab count", Bytes({kIdless, 0xFFFFFFF0, 1, 2, 3})},
        {"subtree flag 2", Bytes({0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0})},
        {"pane and subtree on one side", Bytes({101, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 101})},
        {"default slider inside a tree",
         with(Bytes({101, 102, 1}), Bytes({0x1000, 1, 1, kIdless, 10, 20, 14, 300, 1, 2, 4, 1,
                                           0,      0, 0, 0,       0,  0,  0,  0,   0, 0, 0, 0}))},
        {"negative slider width",
         with(Bytes({101, 102, 1}), Bytes({0x1000, 1, 1, kIdless, 10, 20, 14, 300, 1, 2, (DWORD)-4,
                                           0, 0, 0, 0, 0, 2, 101, 102}))},
        {"tree deeper than the limit", Chain(kMaxContainerDepth + 1)},
    };
    for (const Case& c : cases) {
        ContainerRecord loaded;
        loaded.bars = {{55, 0}};
        int cause = -1;
        ReadContainer(c.bytes, loaded, &cause);
        EXPECT_NE(-1, cause) << c.what;
        ASSERT_EQ(1u, loaded.bars.size()) << c.what;
        EXPECT_EQ(55u, loaded.bars[0].id) << c.what;
    }
    ContainerRecord deep;
    int cause = 0;
    ReadContainer(Chain(kMaxContainerDepth), deep, &cause);
    EXPECT_EQ(-1, cause) << "a tree at the limit reads";

    // A tabbed-bar record naming a class that is not a tabbed bar, and any tabbed-bar record
    // while no tabbed bars are known.
    RecordTabbedBar bar;
    const std::vector<BYTE> stranger = Store([&](CArchive& ar, ContainerRecordNested& n) {
        StoreContainerRecord(ar, TabbedContainer(&bar, RUNTIME_CLASS(RecordStranger)), n);
    });
    ContainerRecord loaded;
    ReadContainer(stranger, loaded, &cause);
    EXPECT_EQ(CArchiveException::badClass, cause);
    const std::vector<BYTE> tabbed = Store([&](CArchive& ar, ContainerRecordNested& n) {
        StoreContainerRecord(ar, TabbedContainer(&bar, RUNTIME_CLASS(RecordTabbedBar)), n);
    });
    ContainerRecordNested knowsNoTabbedBars;
    EXPECT_NE(-1, Load(
                      tabbed,
                      [&](CArchive& ar, size_t n, ContainerRecordNested& nested) {
                          LoadContainerRecord(ar, n, loaded, nested);
                      },
                      &knowsNoTabbedBars));
    EXPECT_TRUE(loaded.bars.empty());
}

TEST(ContainerRecords, StoredStylesAndFlagsAreMasked)
{
    // Mini frame: WS_CHILD and WS_DISABLED dropped; unknown caption flags dropped; pinned 7 is 1.
    const std::vector<BYTE> frameBytes = Bytes(
        {WS_CHILD | WS_DISABLED | WS_POPUP | WS_CAPTION, 0, 0, 100, 100, 1, 5, 0xFF, 7});
    MiniFrameRecord frame;
    ASSERT_EQ(-1, Load(frameBytes, [&](CArchive& ar, size_t n, ContainerRecordNested& nested) {
        LoadMiniFrameRecord(ar, n, FALSE, frame, nested);
    }));
    EXPECT_EQ((DWORD)(WS_POPUP | WS_CAPTION), frame.style);
    EXPECT_EQ(0x17u, frame.captionButtons);
    EXPECT_EQ(1u, frame.pinned);
    EXPECT_EQ(5u, frame.barId);

    // Slider: a popup bit dropped from the style; stray bits dropped from the side.
    const std::vector<BYTE> sliderBytes = Bytes(
        {0x1044, 1, 3, kIdless, 0, 0, 4, 100, 1, WS_POPUP | WS_VISIBLE | 0x2, 4, 0, 0, 0});
    SliderRecord s;
    ASSERT_EQ(-1, Load(sliderBytes, [&](CArchive& ar, size_t n, ContainerRecordNested& nested) {
        LoadSliderRecord(ar, n, TRUE, s, nested);
    }));
    EXPECT_EQ((DWORD)(WS_VISIBLE | 0x2), s.style);
    EXPECT_EQ(0x1000u, s.alignment);
}
