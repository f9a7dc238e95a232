// How often each command ran: personalised menus hide the commands that are rarely used. The
// toolbars' shared parameters store it as "CommandsUsage".
#pragma once

#include <windows.h>

#include "framework/CMap.h"
#include "framework/CObject.h"

class CZAVPCommandUsageStats : public CObject
{
public:
    // Library-wide settings; this program keeps the defaults.
    static UINT m_nMinUsagePercentage;  // a command above this share of all uses is frequent
    static UINT m_nStartCount;          // uses needed before the statistics count at all

    CZAVPCommandUsageStats();

    // One use of a command; skipped in customisation mode and for 0, -1, basic and reserved ids.
    void AddUse(UINT nCommand);
    BOOL GetUseCount(UINT nCommand, UINT& nCount) const;
    void Reset();
    BOOL HasEnoughData() const { return m_nTotalUsage >= m_nStartCount; }
    BOOL IsFrequentlyUsed(UINT nCommand) const;
    UINT GetTotalUsage() const { return m_nTotalUsage; }

    // Total, then the map in bucket order. A load that fails keeps the counts as they were.
    void Serialize(CArchive& ar) override;

private:
    CMap<UINT, UINT, UINT, UINT> m_CommandsUsage;  // command -> uses
    UINT m_nTotalUsage;                            // the sum of all uses
};
