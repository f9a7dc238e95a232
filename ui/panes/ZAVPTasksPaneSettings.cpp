// The tasks pane's "Settings" part (see the header).
#include "ui/panes/ZAVPTasksPaneSettings.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"

namespace ZAVPTasksPaneSettings
{
namespace
{
const UINT kFirstSystemCommand = 0xF000;
const UINT kPastSystemCommands = 0xF1F0;
const UINT kFirstReservedCommand = 0xFF00;
}  // namespace

void Write(CArchive& ar, const Record& record, BOOL bWithCaption)
{
    for (int value : record.metrics) ar << value;
    ar << record.nActivePage;
    ar.WriteCount((DWORD_PTR)record.pageNames.size());
    for (const CString& name : record.pageNames) ar << name;
    if (bWithCaption) ar << record.strCaption;
}

void Read(CArchive& ar, Record& record, BOOL bWithCaption)
{
    Record loaded;
    for (int& value : loaded.metrics) ar >> value;
    ar >> loaded.nActivePage;
    const DWORD_PTR nCount = ar.ReadCount();
    if (nCount > (DWORD_PTR)kMaxPages) AfxThrowArchiveException(CArchiveException::badIndex);
    loaded.pageNames.resize((size_t)nCount);
    for (CString& name : loaded.pageNames) ar >> name;
    if (bWithCaption) ar >> loaded.strCaption;
    record = loaded;
}

int ClampPage(int nPage, int nPages) { return nPage >= 0 && nPage < nPages ? nPage : 0; }

BOOL IsUpdatedCommand(UINT nID)
{
    if (nID == 0) return FALSE;
    if (nID >= kFirstSystemCommand && nID < kPastSystemCommands) return FALSE;
    return nID < kFirstReservedCommand;
}
}  // namespace ZAVPTasksPaneSettings
