// The outlook bar's custom-page list (see the header).
#include "ui/panes/ZAVPOutlookCustomPages.h"

#include <array>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"

namespace ZAVPOutlookCustomPages
{
namespace
{
const char kOutlookKeyFormat[] = "%sZAVPOutlookBar-%d";
const char kOutlookKeyFormatId[] = "%ssZAVPOutlookBar-%d%x";

std::array<bool, kMaxPages>& UsedTable()
{
    static std::array<bool, kMaxPages> table{};
    return table;
}
}  // namespace

CString Key(const CString& strSectionPath, int nIndex, UINT uiID)
{
    CString strKey;
    if (uiID == (UINT)-1)
        strKey.Format(kOutlookKeyFormat, (LPCSTR)strSectionPath, nIndex);
    else
        strKey.Format(kOutlookKeyFormatId, (LPCSTR)strSectionPath, nIndex, uiID);
    return strKey;
}

void Write(CArchive& ar, const std::vector<Page>& pages)
{
    ar << (int)pages.size();
    for (const Page& page : pages) ar << (int)page.nID << page.strName;
}

void Read(CArchive& ar, std::vector<Page>& pages)
{
    int nCount = 0;
    ar >> nCount;
    if (nCount < 0 || nCount > kMaxPages) AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<Page> loaded((size_t)nCount);
    for (Page& page : loaded) {
        int nID = 0;
        ar >> nID >> page.strName;
        page.nID = (UINT)nID;
    }
    pages.swap(loaded);
}

BOOL IsCustomId(UINT nID) { return nID >= kFirstId && nID - kFirstId < (UINT)kMaxPages; }

BOOL IsUsed(UINT nID) { return IsCustomId(nID) && UsedTable()[nID - kFirstId]; }

BOOL MarkUsed(UINT nID)
{
    if (!IsCustomId(nID)) return FALSE;
    UsedTable()[nID - kFirstId] = true;
    return TRUE;
}

void Release(UINT nID)
{
    if (IsCustomId(nID)) UsedTable()[nID - kFirstId] = false;
}
}  // namespace ZAVPOutlookCustomPages
