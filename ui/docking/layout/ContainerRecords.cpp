// Slider, container and mini-frame records (see ContainerRecords.h).
#include "ui/docking/layout/ContainerRecords.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMiniFrameWnd.h"
#include "ui/docking/layout/ContainerMath.h"
#include "ui/docking/layout/DockAxis.h"

namespace DockLayout
{
const DWORD kSliderStyleMask = kSliderHorizontal | kSliderVertical | DOCK_ALIGN_ANY | WS_VISIBLE;
const DWORD kMiniFrameStyleMask = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                  WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | MFS_SYNCACTIVE |
                                  MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME |
                                  MFS_BLOCKSYSMENU;

namespace
{
// Smallest stored size of a repeated entry, for bounding counts.
const size_t kIdBytes = 4;
const DWORD kSubtreeAbsent = 0;
const DWORD kSubtreePresent = 1;

[[noreturn]] void Refuse() { AfxThrowArchiveException(CArchiveException::genericException); }

// Reads one record tree; remembers what it staged so that a refused record leaves nothing behind.
class Reader
{
public:
    Reader(CArchive& ar, size_t nImageBytes, ContainerRecordNested& nested)
        : m_ar(ar), m_nImageBytes(nImageBytes), m_nested(nested)
    {
    }

    // Runs the read; on any fault discards the staged objects and lets the fault go on.
    template <class F>
    void Guarded(F read)
    {
        try {
            read();
        } catch (...) {
            for (CObject* p : m_staged) m_nested.Discard(p);
            m_staged.clear();
            throw;
        }
    }

    DWORD U32()
    {
        DWORD v = 0;
        m_ar >> v;
        return v;
    }
    LONG I32() { return (LONG)U32(); }

    DWORD Count(size_t nMinEntry)
    {
        const DWORD n = U32();
        if ((size_t)n > m_nImageBytes / nMinEntry) Refuse();
        return n;
    }

    void Slider(BOOL bInTree, SliderRecord& s)
    {
        s.alignment = U32() & DOCK_ALIGN_ANY;
        s.baseVisible = U32();
        s.id = I32();
        s.preferredRow = I32();
        m_ar >> s.rect;
        s.visible = U32();
        s.style = U32() & kSliderStyleMask;
        s.width = I32();
        s.defaultSlider = U32();
        s.minOffset = I32();
        s.maxOffset = I32();
        if (s.width < 0) Refuse();
        if (s.defaultSlider != 0) {
            // Only a frame's own slider carries a tree; a slider inside one never does.
            if (bInTree) Refuse();
            s.container = std::make_unique<ContainerRecord>();
            Container(*s.container);
        }
    }

    void Container(ContainerRecord& c)
    {
        Node(c.root, 0);
        const DWORD n = Count(kIdBytes);
        c.bars.reserve(n);
        for (DWORD i = 0; i < n; ++i) {
            ContainerBarEntry e = {U32(), 0};
            if (e.id == kIdlessTabbedBar) e.firstTabId = U32();
            c.bars.push_back(e);
        }
    }

    void Node(NodeRecord& node, int depth)
    {
        if (depth >= kMaxContainerDepth) Refuse();
        SideBar(node.first);
        SideBar(node.second);
        node.sliderId = U32();
        if (node.sliderId != 0) {
            node.slider = std::make_unique<SliderRecord>();
            Slider(TRUE, *node.slider);
        }
        Subtree(node.first, depth);
        Subtree(node.second, depth);
    }

    void SideBar(NodeSideRecord& side)
    {
        side.barId = U32();
        if (side.barId == kIdlessTabbedBar) {
            side.tabbed = std::make_unique<TabbedBarRecord>();
            Tabbed(*side.tabbed);
        }
    }

    void Subtree(NodeSideRecord& side, int depth)
    {
        const DWORD present = U32();
        if (present == kSubtreeAbsent) return;
        // A side is a pane or a subtree, never both.
        if (present != kSubtreePresent || side.barId != 0) Refuse();
        side.sub = std::make_unique<NodeRecord>();
        Node(*side.sub, depth + 1);
    }

    void Tabbed(TabbedBarRecord& t)
    {
        const CRuntimeClass* pBase = m_nested.TabbedBarBase();
        if (pBase == nullptr) Refuse();
        const DWORD n = Count(kIdBytes);
        t.tabIds.reserve(n);
        for (DWORD i = 0; i < n; ++i) t.tabIds.push_back(U32());
        t.pClass = m_ar.ReadClass(pBase);
        t.style = U32();
        t.pBar = m_nested.LoadTabbedBar(m_ar, t);
        if (t.pBar == nullptr) Refuse();
        m_staged.push_back(t.pBar);
    }

    void MiniFrame(BOOL bMulti, MiniFrameRecord& m)
    {
        m.style = U32() & kMiniFrameStyleMask;
        m_ar >> m.rect;
        m.visible = U32();
        m.barId = U32();
        m.captionButtons = U32() & kCaptionButtonFlagsMask;
        m.pinned = U32() != 0 ? 1 : 0;
        if (bMulti) {
            m.container = std::make_unique<ContainerRecord>();
            Container(*m.container);
        }
    }

private:
    CArchive& m_ar;
    size_t m_nImageBytes;
    ContainerRecordNested& m_nested;
    std::vector<CObject*> m_staged;
};

class Writer
{
public:
    Writer(CArchive& ar, ContainerRecordNested& nested) : m_ar(ar), m_nested(nested) {}

    void Slider(const SliderRecord& s)
    {
        m_ar << s.alignment << s.baseVisible << s.id << s.preferredRow << s.rect << s.visible
             << s.style << s.width << s.defaultSlider << s.minOffset << s.maxOffset;
        if (s.defaultSlider != 0) {
            if (s.container)
                Container(*s.container);
            else
                Container(ContainerRecord());
        }
    }

    void Container(const ContainerRecord& c)
    {
        Node(c.root);
        m_ar << (DWORD)c.bars.size();
        for (const ContainerBarEntry& e : c.bars) {
            m_ar << e.id;
            if (e.id == kIdlessTabbedBar) m_ar << e.firstTabId;
        }
    }

    void Node(const NodeRecord& n)
    {
        SideBar(n.first);
        SideBar(n.second);
        m_ar << (n.slider ? n.sliderId : (DWORD)0);
        if (n.slider) Slider(*n.slider);
        m_ar << (n.first.sub ? kSubtreePresent : kSubtreeAbsent);
        if (n.first.sub) Node(*n.first.sub);
        m_ar << (n.second.sub ? kSubtreePresent : kSubtreeAbsent);
        if (n.second.sub) Node(*n.second.sub);
    }

    void SideBar(const NodeSideRecord& side)
    {
        if (side.tabbed) {
            const TabbedBarRecord& t = *side.tabbed;
            m_ar << kIdlessTabbedBar << (DWORD)t.tabIds.size();
            for (DWORD id : t.tabIds) m_ar << id;
            m_ar.WriteClass(t.pClass);
            m_ar << t.style;
            m_nested.StoreTabbedBar(m_ar, t);
        } else
            m_ar << (side.barId == kIdlessTabbedBar ? (DWORD)0 : side.barId);
    }

    void MiniFrame(const MiniFrameRecord& m)
    {
        m_ar << m.style << m.rect << m.visible << m.barId << m.captionButtons << m.pinned;
        if (m.container) Container(*m.container);
    }

private:
    CArchive& m_ar;
    ContainerRecordNested& m_nested;
};
}  // namespace

const CRuntimeClass* ContainerRecordNested::TabbedBarBase() const { return nullptr; }

void ContainerRecordNested::StoreTabbedBar(CArchive&, const TabbedBarRecord&) {}

CObject* ContainerRecordNested::LoadTabbedBar(CArchive&, const TabbedBarRecord&) { Refuse(); }

void ContainerRecordNested::Discard(CObject* pStaged) { delete pStaged; }

void StoreSliderRecord(CArchive& ar, const SliderRecord& record, ContainerRecordNested& nested)
{
    Writer(ar, nested).Slider(record);
}

void LoadSliderRecord(CArchive& ar, size_t nImageBytes, BOOL bInTree, SliderRecord& record,
                      ContainerRecordNested& nested)
{
    Reader reader(ar, nImageBytes, nested);
    SliderRecord loaded;
    reader.Guarded([&] { reader.Slider(bInTree, loaded); });
    record = std::move(loaded);
}

void StoreContainerRecord(CArchive& ar, const ContainerRecord& record,
                          ContainerRecordNested& nested)
{
    Writer(ar, nested).Container(record);
}

void LoadContainerRecord(CArchive& ar, size_t nImageBytes, ContainerRecord& record,
                         ContainerRecordNested& nested)
{
    Reader reader(ar, nImageBytes, nested);
    ContainerRecord loaded;
    reader.Guarded([&] { reader.Container(loaded); });
    record = std::move(loaded);
}

void StoreMiniFrameRecord(CArchive& ar, const MiniFrameRecord& record,
                          ContainerRecordNested& nested)
{
    Writer(ar, nested).MiniFrame(record);
}

void LoadMiniFrameRecord(CArchive& ar, size_t nImageBytes, BOOL bMulti, MiniFrameRecord& record,
                         ContainerRecordNested& nested)
{
    Reader reader(ar, nImageBytes, nested);
    MiniFrameRecord loaded;
    reader.Guarded([&] { reader.MiniFrame(bMulti, loaded); });
    record = std::move(loaded);
}
}  // namespace DockLayout
