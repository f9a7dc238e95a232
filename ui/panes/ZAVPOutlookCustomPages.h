// The outlook bar's list of the pages it made itself, without a window: the registry key of a
// bar's state, the "ZAVPOutlookCustomPages" value in archive form (a count, then each page's
// control id and name), and the library's table of the control ids such pages hold. The value
// comes from the registry: a reader that meets a count beyond the limit or beyond the bytes
// present refuses the whole value before anything is made from it.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CString.h"

class CArchive;

namespace ZAVPOutlookCustomPages
{
// Control ids of custom pages: kFirstId .. kFirstId + kMaxPages - 1, one table entry each.
const UINT kFirstId = 0xEA00;
const int kMaxPages = 100;

struct Page
{
    UINT nID = 0;
    CString strName;
};

// "%sZAVPOutlookBar-%d" (no id) or "%ssZAVPOutlookBar-%d%x" after the section's path: the second
// form has always carried an "s" after the path, and stored keys keep it.
CString Key(const CString& strSectionPath, int nIndex, UINT uiID);

void Write(CArchive& ar, const std::vector<Page>& pages);
// Reads a list written by Write; a CArchiveException on a count above kMaxPages or short data,
// with `pages` untouched.
void Read(CArchive& ar, std::vector<Page>& pages);

// The table of ids in use: an id outside the range is never in use and cannot be marked.
BOOL IsCustomId(UINT nID);
BOOL IsUsed(UINT nID);
BOOL MarkUsed(UINT nID);
void Release(UINT nID);
}  // namespace ZAVPOutlookCustomPages
