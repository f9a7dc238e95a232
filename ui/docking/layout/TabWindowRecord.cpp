// The stored state of a tab window (see TabWindowRecord.h).
#include "ui/docking/layout/TabWindowRecord.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"

namespace TabLayout
{
namespace
{
const int kLocationBottom = 0;
const int kLocationTop = 1;

[[noreturn]] void Refuse()
{
    AfxThrowArchiveException(CArchiveException::genericException);
}
}  // namespace

void StoreTabWindowRecord(CArchive& ar, const TabWindowRecord& record)
{
    ar << (int)record.tabs.size();
    for (const TabWindowRecord::Tab& tab : record.tabs)
    {
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
    const size_t nRoom =
        nBytesLeft > kStoredRecordFrameBytes ? nBytesLeft - kStoredRecordFrameBytes : 0;
    if (nTabs < 0 || (size_t)nTabs > nRoom / kMinStoredTabBytes)
        Refuse();
    staged.tabs.resize((size_t)nTabs);
    for (TabWindowRecord::Tab& tab : staged.tabs)
    {
        int visible = 0, detachable = 0, text = 0, fill = 0;
        ar >> tab.label;
        ar >> visible >> tab.nControlId >> detachable >> text >> fill;
        tab.bVisible = visible != 0;
        tab.bDetachable = detachable != 0;
        tab.clrText = (COLORREF)text;
        tab.clrFill = (COLORREF)fill;
    }
    ar >> staged.nActiveTab >> staged.nLocation;
    if (staged.nActiveTab < -1 || staged.nActiveTab >= nTabs)
        Refuse();
    if (staged.nLocation != kLocationBottom && staged.nLocation != kLocationTop)
        Refuse();
    record = std::move(staged);
}
}  // namespace TabLayout
