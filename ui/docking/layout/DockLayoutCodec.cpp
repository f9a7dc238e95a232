// The stored docking layout (see DockLayoutCodec.h).
#include "ui/docking/layout/DockLayoutCodec.h"

#include <algorithm>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFile.h"
#include "ui/docking/layout/DockSiteMath.h"

namespace DockLayout
{
namespace
{
const DWORD kNoId = (DWORD)-1;
// Smallest stored size of each kind of record, for bounding the counts.
const size_t kMinTabbedBytes = 4;                     // id (the content adds more)
const size_t kMinEntryBytes = 4;                      // kind word (a bar adds its id)
const size_t kMinMiniFrameBytes = 2;                  // an object tag
const size_t kMinAutoHideBytes = 4 * 4 + 16 + 3 * 4;  // id, alignment, visible, K, rect, fields
const size_t kCodecIdBytes = 4;

[[noreturn]] void RefuseLayout() { AfxThrowArchiveException(CArchiveException::genericException); }

// The bytes of the image not read yet: the archive gives back what it read ahead, so the file
// stands right after what was consumed.
size_t BytesLeft(CArchive& ar, size_t nImageBytes)
{
    CFile* pFile = ar.GetFile();
    if (pFile == nullptr) return nImageBytes;
    ar.Flush();
    const ULONGLONG nLength = pFile->GetLength();
    const ULONGLONG nPosition = pFile->GetPosition();
    const ULONGLONG nLeft = nPosition < nLength ? nLength - nPosition : 0;
    return nLeft < (ULONGLONG)nImageBytes ? (size_t)nLeft : nImageBytes;
}

DWORD ReadCountWithin(CArchive& ar, size_t nImageBytes, size_t nMinRecord)
{
    DWORD n = 0;
    ar >> n;
    if ((size_t)n > BytesLeft(ar, nImageBytes) / nMinRecord) RefuseLayout();
    return n;
}

void DiscardAll(DockLayoutImage& image, DockLayoutNested& nested)
{
    for (const TabbedEntry& t : image.tabbedBars)
        if (t.pContent) nested.Discard(t.pContent);
    for (const DockedEntry& e : image.entries)
        if (e.pSlider) nested.Discard(e.pSlider);
    for (CObject* p : image.miniFrames)
        if (p) nested.Discard(p);
    image = DockLayoutImage();
}
}  // namespace

void DockLayoutNested::StoreTabContent(CArchive&, const TabbedEntry&) {}
CObject* DockLayoutNested::LoadTabContent(CArchive&, DWORD) { RefuseLayout(); }
void DockLayoutNested::StoreSlider(CArchive&, CObject*) {}
CObject* DockLayoutNested::LoadSlider(CArchive&) { RefuseLayout(); }
void DockLayoutNested::StoreMiniFrame(CArchive& ar, CObject* pMiniFrame)
{
    ar.WriteObject(pMiniFrame);
}
CObject* DockLayoutNested::LoadMiniFrame(CArchive&) { RefuseLayout(); }
void DockLayoutNested::Discard(CObject* pStaged) { delete pStaged; }

void StoreDockLayout(CArchive& ar, const DockLayoutImage& image, DockLayoutNested& nested)
{
    ar << (DWORD)image.tabbedBars.size();
    for (const TabbedEntry& t : image.tabbedBars) {
        ar << t.id;
        nested.StoreTabContent(ar, t);
    }

    // Only entries that write something are counted: an id-less tabbed bar without tabs has
    // nothing to say.
    DWORD nEntries = 0;
    for (const DockedEntry& e : image.entries)
        if (e.kind == DockedEntry::slider || e.id != kNoId || e.firstTabId != kNoId) ++nEntries;
    ar << nEntries;
    for (const DockedEntry& e : image.entries) {
        if (e.kind == DockedEntry::slider) {
            ar << (DWORD)DockedEntry::slider;
            nested.StoreSlider(ar, e.pSlider);
        } else if (e.id != kNoId) {
            ar << (DWORD)DockedEntry::bar << e.id;
        } else if (e.firstTabId != kNoId) {
            ar << (DWORD)DockedEntry::bar << kNoId << e.firstTabId;
        }
    }

    ar << (DWORD)image.miniFrames.size();
    for (CObject* p : image.miniFrames) nested.StoreMiniFrame(ar, p);

    ar << (DWORD)image.autoHide.size();
    for (const AutoHideRecord& r : image.autoHide) {
        ar << r.id << r.alignment << r.visible << (DWORD)r.siblingIds.size();
        for (DWORD id : r.siblingIds) ar << id;
        ar << r.rect;
        for (DWORD field : r.stripFields) ar << field;
    }
}

void LoadDockLayout(CArchive& ar, size_t nImageBytes, DockLayoutImage& image,
                    DockLayoutNested& nested)
{
    DockLayoutImage staged;
    try {
        const DWORD nTabbed = ReadCountWithin(ar, nImageBytes, kMinTabbedBytes);
        for (DWORD i = 0; i < nTabbed; ++i) {
            TabbedEntry t{0, nullptr};
            ar >> t.id;
            t.pContent = nested.LoadTabContent(ar, t.id);
            staged.tabbedBars.push_back(t);
        }

        const DWORD nEntries = ReadCountWithin(ar, nImageBytes, kMinEntryBytes);
        for (DWORD i = 0; i < nEntries; ++i) {
            DWORD kind = 0;
            ar >> kind;
            DockedEntry e{DockedEntry::bar, kNoId, kNoId, nullptr};
            if (kind == DockedEntry::slider) {
                e.kind = DockedEntry::slider;
                staged.entries.push_back(e);
                staged.entries.back().pSlider = nested.LoadSlider(ar);
                continue;
            }
            ar >> e.id;
            if (e.id == kNoId) ar >> e.firstTabId;
            staged.entries.push_back(e);
        }

        const DWORD nMiniFrames = ReadCountWithin(
            ar, nImageBytes, std::max(kMinMiniFrameBytes, nested.MinMiniFrameBytes()));
        for (DWORD i = 0; i < nMiniFrames; ++i) {
            staged.miniFrames.push_back(nullptr);
            staged.miniFrames.back() = nested.LoadMiniFrame(ar);
        }

        const DWORD nAutoHide = ReadCountWithin(ar, nImageBytes, kMinAutoHideBytes);
        for (DWORD i = 0; i < nAutoHide; ++i) {
            AutoHideRecord r{};
            DWORD nSiblings = 0;
            ar >> r.id >> r.alignment >> r.visible >> nSiblings;
            if (!AlignmentIsOneSide(r.alignment) ||
                (size_t)nSiblings > BytesLeft(ar, nImageBytes) / kCodecIdBytes)
                RefuseLayout();
            for (DWORD k = 0; k < nSiblings; ++k) {
                DWORD id = 0;
                ar >> id;
                r.siblingIds.push_back(id);
            }
            ar >> r.rect;
            for (DWORD& field : r.stripFields) ar >> field;
            staged.autoHide.push_back(r);
        }
    } catch (...) {
        DiscardAll(staged, nested);
        image = DockLayoutImage();
        throw;
    }
    image = std::move(staged);
}
}  // namespace DockLayout
