// The stored records of sliders, bar-container trees and mini frames inside the docking layout
// value, as plain structures with a writer and a reader. Every number is a 32-bit little-endian
// value written through CArchive.
//
//   slider:     alignment, visible (the base bar's part); id, preferred row, rectangle (16 bytes),
//               visible, style, width, default flag, minimum offset, maximum offset; a default
//               slider's container follows
//   node:       first side, second side (a pane's id, 0 for none, or -1 and a tabbed-bar record);
//               slider id (non-zero: the slider's record follows); first and second subtree
//               present (0 or 1, 1 followed by that node)
//   tabbed bar: tab count and ids, the bar's class record, its window style, the bar's own record
//               and its tab window's record
//   container:  the root node, the pane count and per pane its id (-1: an id-less tabbed bar,
//               followed by the id of its first tab's pane)
//   mini frame: style, rectangle, visible, pane id, caption-button flags, pinned; a multi mini
//               frame's container follows
//
// Reading treats the bytes as untrusted: counts are bounded by the bytes present, a tree is at
// most kMaxContainerDepth deep, a class record must name a tabbed-bar kind, styles are masked to
// what the window may carry. A fault raises CArchiveException; the destination is then untouched
// and every object staged for it has been discarded.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

class CArchive;
class CObject;
struct CRuntimeClass;

namespace DockLayout
{
// Deeper trees than this are refused: no frame side holds that many panes.
const int kMaxContainerDepth = 64;
const DWORD kIdlessTabbedBar = (DWORD)-1;

// The bits a slider's stored style may keep: orientation, side and visibility.
extern const DWORD kSliderStyleMask;
// The bits a mini frame's stored window style may keep.
extern const DWORD kMiniFrameStyleMask;
// Caption-button flags a mini frame knows: pin, close, spare, menu.
const DWORD kCaptionButtonFlagsMask = 0x01 | 0x02 | 0x04 | 0x10;

struct ContainerRecord;

// An id-less tabbed bar standing on a side of a node.
struct TabbedBarRecord
{
    std::vector<DWORD> tabIds;
    const CRuntimeClass* pClass = nullptr;
    DWORD style = 0;
    CObject* pBar = nullptr;  // the bar made from the class and its record (not owned)
};

struct SliderRecord
{
    DWORD alignment = 0;
    DWORD baseVisible = 0;
    LONG id = -1;
    LONG preferredRow = -1;
    RECT rect = {0, 0, 0, 0};
    DWORD visible = 0;
    DWORD style = 0;
    LONG width = 0;
    DWORD defaultSlider = 0;
    LONG minOffset = 0;
    LONG maxOffset = 0;
    std::unique_ptr<ContainerRecord> container;  // a default slider's tree
};

struct NodeSideRecord
{
    DWORD barId = 0;  // kIdlessTabbedBar: see tabbed
    std::unique_ptr<TabbedBarRecord> tabbed;
    std::unique_ptr<struct NodeRecord> sub;
};

struct NodeRecord
{
    NodeSideRecord first;
    NodeSideRecord second;
    DWORD sliderId = 0;
    std::unique_ptr<SliderRecord> slider;
};

struct ContainerBarEntry
{
    DWORD id;
    DWORD firstTabId;  // only for an id-less tabbed bar
};

struct ContainerRecord
{
    NodeRecord root;
    std::vector<ContainerBarEntry> bars;
};

struct MiniFrameRecord
{
    DWORD style = 0;
    RECT rect = {0, 0, 0, 0};
    DWORD visible = 0;
    DWORD barId = 0;
    DWORD captionButtons = 0;
    DWORD pinned = 0;
    std::unique_ptr<ContainerRecord> container;  // a multi mini frame's panes
};

// What the tabbed bars contribute: their class and their own record.
class ContainerRecordNested
{
public:
    virtual ~ContainerRecordNested() = default;
    // The class every stored tabbed bar must be of or derive from; null refuses them all.
    virtual const CRuntimeClass* TabbedBarBase() const;
    virtual void StoreTabbedBar(CArchive& ar, const TabbedBarRecord& record);
    // Makes the bar of record.pClass and reads its records (its own and its tab window's).
    virtual CObject* LoadTabbedBar(CArchive& ar, const TabbedBarRecord& record);
    virtual void Discard(CObject* pStaged);
};

void StoreSliderRecord(CArchive& ar, const SliderRecord& record, ContainerRecordNested& nested);
// bInTree: a slider between two sides of a node, which is never a default slider.
void LoadSliderRecord(CArchive& ar, size_t nImageBytes, BOOL bInTree, SliderRecord& record,
                      ContainerRecordNested& nested);

void StoreContainerRecord(CArchive& ar, const ContainerRecord& record,
                          ContainerRecordNested& nested);
void LoadContainerRecord(CArchive& ar, size_t nImageBytes, ContainerRecord& record,
                         ContainerRecordNested& nested);

// bMulti: the frame holds several panes and its container follows.
void StoreMiniFrameRecord(CArchive& ar, const MiniFrameRecord& record,
                          ContainerRecordNested& nested);
void LoadMiniFrameRecord(CArchive& ar, size_t nImageBytes, BOOL bMulti, MiniFrameRecord& record,
                         ContainerRecordNested& nested);
}  // namespace DockLayout
