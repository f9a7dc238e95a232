// The stored state of a tab window (see TabWindowRecord.h).
#include "ui/docking/layout/TabWindowRecord.h"

#include <cstdio>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"

namespace TabLayout
{
namespace
{
const int kLocationBottom = 0;
const int kLocationTop = 1;
const size_t kTabIdBytes = 4;

[[noreturn]] void RefuseTabRecord()
{
    AfxThrowArchiveException(CArchiveException::genericException);
}
}  // namespace

void StoreTabWindowRecord(CArchive& ar, const TabWindowRecord& record)
{
    ar << (int)record.tabs.size();
    for (const TabWindowRecord::Tab& tab : record.tabs) {
        ar << tab.label;
        ar << (int)tab.bVisible << tab.nControlId << (int)tab.bDetachable << (int)tab.clrText
           << (int)tab.clrFill;
    }
    ar << record.nActiveTab << record.nLocation;
}

void LoadTabWindowRecord(CArchive& ar, size_t nBytesLeft, TabWindowRecord& record)
{
    TabWindowRecord staged;
    int nTabs = 0;
    ar >> nTabs;
    const size_t nRoom = nBytesLeft > kStoredRecordFrameBytes ? nBytesLeft - kStoredRecordFrameBytes
                                                              : 0;
    if (nTabs < 0 || (size_t)nTabs > nRoom / kMinStoredTabBytes) RefuseTabRecord();
    // Tabs are added as they are read, so memory follows the bytes really present.
    for (int i = 0; i < nTabs; ++i) {
        TabWindowRecord::Tab tab;
        int visible = 0, detachable = 0, text = 0, fill = 0;
        ar >> tab.label;
        ar >> visible >> tab.nControlId >> detachable >> text >> fill;
        tab.bVisible = visible != 0;
        tab.bDetachable = detachable != 0;
        tab.clrText = (COLORREF)text;
        tab.clrFill = (COLORREF)fill;
        staged.tabs.push_back(std::move(tab));
    }
    ar >> staged.nActiveTab >> staged.nLocation;
    if (staged.nActiveTab < -1 || staged.nActiveTab >= nTabs) RefuseTabRecord();
    if (staged.nLocation != kLocationBottom && staged.nLocation != kLocationTop) RefuseTabRecord();
    record = std::move(staged);
}
void StoreSiblingBarIds(CArchive& ar, const std::vector<int>& ids)
{
    ar << (int)ids.size();
    for (int id : ids) ar << id;
}

void LoadSiblingBarIds(CArchive& ar, size_t nBytesLeft, std::vector<int>& ids)
{
    int n = 0;
    ar >> n;
    // The count itself took the first four of the bytes.
    const size_t nRoom = nBytesLeft > kTabIdBytes ? nBytesLeft - kTabIdBytes : 0;
    if (n < 0 || (size_t)n > nRoom / kTabIdBytes) RefuseTabRecord();
    std::vector<int> staged;
    for (int i = 0; i < n; ++i) {
        int id = 0;
        ar >> id;
        staged.push_back(id);
    }
    ids.insert(ids.end(), staged.begin(), staged.end());
}

std::string DumpTabWindowRecord(const TabWindowRecord& record)
{
    std::string text = std::string("tabs ") +
                       (record.nLocation == kLocationTop ? "top" : "bottom") + " active " +
                       std::to_string(record.nActiveTab) + "\n";
    for (const TabWindowRecord::Tab& tab : record.tabs) {
        text += "  tab " + std::to_string(tab.nControlId) + " \"" + (LPCSTR)tab.label + "\"";
        text += tab.bVisible ? " visible" : " hidden";
        if (tab.bDetachable) text += " detachable";
        char colour[16];
        if (tab.clrText != (COLORREF)-1) {
            std::snprintf(colour, sizeof colour, "%06lX", (unsigned long)tab.clrText);
            text += std::string(" text ") + colour;
        }
        if (tab.clrFill != (COLORREF)-1) {
            std::snprintf(colour, sizeof colour, "%06lX", (unsigned long)tab.clrFill);
            text += std::string(" fill ") + colour;
        }
        text += "\n";
    }
    return text;
}
}  // namespace TabLayout
