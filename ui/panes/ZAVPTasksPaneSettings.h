// The tasks pane's part of its "Settings" value, without a window: the nine layout metrics, the
// active page, the page names and (from state version 6.50) the pane caption, in archive form;
// and the rules the pane applies when it takes a loaded value over. The value comes from the
// registry: a count beyond the bytes present or beyond the limit fails the read, and the reader
// fills a separate record so that a failed read leaves the pane as it was.
#pragma once

#include <vector>

#include "framework/CString.h"

class CArchive;

namespace ZAVPTasksPaneSettings
{
const int kMetricCount = 9;
// More page names than this in a stored value are refused.
const int kMaxPages = 1024;
// The state versions from which the pane's part and the caption are present.
const int kPartMajor = 6, kPartMinor = 21;
const int kCaptionMajor = 6, kCaptionMinor = 50;

struct Record
{
    // Vertical margin, horizontal margin, space between groups, minimal caption height,
    // caption text horizontal and vertical offsets, task horizontal offset, icon-text space,
    // space between tasks; -1 where the look's value is used.
    int metrics[kMetricCount] = {-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int nActivePage = 0;
    std::vector<CString> pageNames;
    CString strCaption;  // written and read only with bWithCaption
};

// Writes the record. Throws what the archive throws.
void Write(CArchive& ar, const Record& record, BOOL bWithCaption);
// Reads a record written by Write; throws a CArchiveException on short or refused data (a page
// count above kMaxPages), leaving `record` untouched.
void Read(CArchive& ar, Record& record, BOOL bWithCaption);

// The page a loaded index names: itself inside 0 .. nPages - 1, else page 0.
int ClampPage(int nPage, int nPages);
// Whether loaded names rename the pages: only when there is one for each page.
inline BOOL NamesFit(const Record& record, int nPages)
{
    return (int)record.pageNames.size() == nPages;
}

// Whether a task's command takes part in the idle command update: not 0, not a system command
// (0xF000 up to 0xF1EF), not 0xFF00 or above.
BOOL IsUpdatedCommand(UINT nID);
}  // namespace ZAVPTasksPaneSettings
