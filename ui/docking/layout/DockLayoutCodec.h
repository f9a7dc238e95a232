// The stored docking layout of a frame, the registry value "DockingCBAndSliders": the fixed
// tabbed bars, the docking panes and sliders in list order, the floating mini frames and the
// auto-hide records. Every number is a 32-bit little-endian value. The nested records (a tab
// window's tabs, a slider with its container, a mini frame) belong to their window classes and
// are read and written through DockLayoutNested.
//
// Reading treats the value as untrusted: every count is checked against the bytes present, a
// damaged image raises CArchiveException, and whatever the reader staged is handed back to
// DockLayoutNested::Discard so that the current layout is untouched.
#pragma once

#include <windows.h>

#include <vector>

class CArchive;
class CObject;

namespace DockLayout
{
// An entry of the panes-and-sliders section.
struct DockedEntry
{
    enum Kind : DWORD
    {
        slider = 0,
        bar = 1
    };
    Kind kind;
    DWORD id;          // bar: its control id, or (DWORD)-1 for an id-less tabbed bar
    DWORD firstTabId;  // an id-less tabbed bar: the control id of its first tab
    CObject* pSlider;  // slider: the staged or saved slider (not owned by the image)
};

// A fixed tabbed bar and the staged content of its tab window.
struct TabbedEntry
{
    DWORD id;
    CObject* pContent;
};

// A docking pane in auto-hide mode.
struct AutoHideRecord
{
    DWORD id;
    DWORD alignment;  // one CBRS_ALIGN_* side
    DWORD visible;
    std::vector<DWORD> siblingIds;  // always empty when this system writes
    RECT rect;                      // the pane's window rectangle
    DWORD stripFields[3];           // of the auto-hide strip that holds the pane
};

struct DockLayoutImage
{
    std::vector<TabbedEntry> tabbedBars;
    std::vector<DockedEntry> entries;
    std::vector<CObject*> miniFrames;
    std::vector<AutoHideRecord> autoHide;
};

// What the window classes contribute to the image.
class DockLayoutNested
{
public:
    virtual ~DockLayoutNested() = default;
    virtual void StoreTabContent(CArchive& ar, const TabbedEntry& entry);
    // The content for the fixed tabbed bar with this id; raises CArchiveException when there is
    // no such bar (the content's length is only known to the bar).
    virtual CObject* LoadTabContent(CArchive& ar, DWORD id);
    virtual void StoreSlider(CArchive& ar, CObject* pSlider);
    virtual CObject* LoadSlider(CArchive& ar);
    virtual void StoreMiniFrame(CArchive& ar, CObject* pMiniFrame);
    virtual CObject* LoadMiniFrame(CArchive& ar);
    // The fewest bytes a stored mini frame takes (its object tag and its fixed fields), for
    // bounding the count of frames by the bytes left.
    virtual size_t MinMiniFrameBytes() const { return 2; }
    // Destroys an object staged by a Load above when the image as a whole is refused.
    virtual void Discard(CObject* pStaged);
};

// Writes the image; each count is the number of records that follow it.
void StoreDockLayout(CArchive& ar, const DockLayoutImage& image, DockLayoutNested& nested);
// Reads an image of nImageBytes bytes into a fresh image. Every count is bounded by the bytes
// left after it, so a forged count is refused before its records make anything. On a fault
// (or an allocation failure) every staged object is discarded, the image is left empty and the
// exception goes on to the caller.
void LoadDockLayout(CArchive& ar, size_t nImageBytes, DockLayoutImage& image,
                    DockLayoutNested& nested);
}  // namespace DockLayout
