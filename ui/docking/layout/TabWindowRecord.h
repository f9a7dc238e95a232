// The stored state of a tab window, as a tab window writes it into an archive and the stored
// docking layout carries it for each fixed tabbed bar: the tab count; per tab its label, visible
// flag, window control id, detachable flag, text colour and fill colour; then the active tab and
// the tab location. Numbers are 32-bit little-endian values, labels the archive's CString form.
//
// Reading treats the bytes as untrusted: the tab count is checked against the bytes present, a
// damaged record raises CArchiveException and leaves the destination record as it was.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/CString.h"

class CArchive;

namespace TabLayout
{
struct TabWindowRecord
{
    struct Tab
    {
        CString label;
        BOOL bVisible = TRUE;
        int nControlId = 0;  // of the tab's window
        BOOL bDetachable = TRUE;
        COLORREF clrText = (COLORREF)-1;  // -1: the default colour
        COLORREF clrFill = (COLORREF)-1;
    };
    std::vector<Tab> tabs;
    int nActiveTab = -1;  // -1 when no tab is active
    int nLocation = 0;    // 1: tabs at the top, 0: at the bottom
};

// Stored size of a tab with an empty label: the label's one-byte length and five numbers.
const size_t kMinStoredTabBytes = 1 + 5 * 4;
// Stored size of the record around its tabs: the count, the active tab and the location.
const size_t kStoredRecordFrameBytes = 3 * 4;

void StoreTabWindowRecord(CArchive& ar, const TabWindowRecord& record);

// Reads a record from an archive holding at most nBytesLeft more bytes. The tab count must fit in
// those bytes, the active tab must name a tab or be -1 and the location must be 0 or 1; anything
// else raises CArchiveException and leaves record untouched.
void LoadTabWindowRecord(CArchive& ar, size_t nBytesLeft, TabWindowRecord& record);

// A tabbed bar's list of the control ids of its tabs' windows: the count, then the ids (32-bit
// values). Reading appends to ids only when the whole list was read; the count must fit in
// nBytesLeft.
void StoreSiblingBarIds(CArchive& ar, const std::vector<int>& ids);
void LoadSiblingBarIds(CArchive& ar, size_t nBytesLeft, std::vector<int>& ids);

// One line for the window and one per tab, in tab order, for tests and people to compare:
//   tabs bottom active 1
//     tab 1001 "label" visible detachable
//     tab 1002 "label" hidden text 0000FF fill E6AF94
std::string DumpTabWindowRecord(const TabWindowRecord& record);
}  // namespace TabLayout
