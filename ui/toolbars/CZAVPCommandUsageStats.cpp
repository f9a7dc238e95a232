// The command usage counter behind personalised menus.
#include "ui/toolbars/CZAVPCommandUsageStats.h"

#include <utility>
#include <vector>

#include "framework/CArchive.h"
#include "ui/foundation/ZAVPBarRules.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const UINT kUsageHashSize = 17;
const UINT kPercent = 100;
}  // namespace

UINT CZAVPCommandUsageStats::m_nMinUsagePercentage = 5;
UINT CZAVPCommandUsageStats::m_nStartCount = 0;

CZAVPCommandUsageStats::CZAVPCommandUsageStats() : m_nTotalUsage(0)
{
    m_CommandsUsage.InitHashTable(kUsageHashSize);
}

void CZAVPCommandUsageStats::AddUse(UINT nCommand)
{
    if (ZAVPSharedBarData::g_bCustomizeMode || nCommand == 0 || nCommand == (UINT)-1 ||
        CZAVPToolBar::IsBasicCommand(nCommand) || ZAVPBarRules::IsReservedCommandId(nCommand))
    {
        return;
    }
    UINT nCount = 0;
    m_CommandsUsage.Lookup(nCommand, nCount);
    m_CommandsUsage[nCommand] = nCount + 1;
    ++m_nTotalUsage;
}

BOOL CZAVPCommandUsageStats::GetUseCount(UINT nCommand, UINT& nCount) const
{
    return m_CommandsUsage.Lookup(nCommand, nCount);
}

void CZAVPCommandUsageStats::Reset()
{
    m_CommandsUsage.RemoveAll();
    m_nTotalUsage = 0;
}

BOOL CZAVPCommandUsageStats::IsFrequentlyUsed(UINT nCommand) const
{
    if (m_nTotalUsage == 0) return FALSE;
    UINT nCount = 0;
    m_CommandsUsage.Lookup(nCommand, nCount);
    // In 64 bits: count * 100 must not wrap for large counts.
    return (ULONGLONG)nCount * kPercent / m_nTotalUsage > m_nMinUsagePercentage;
}

void CZAVPCommandUsageStats::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (DWORD)m_nTotalUsage;
        m_CommandsUsage.Serialize(ar);
        return;
    }
    // Read whole before anything changes: a short or damaged image keeps the counts as they were.
    // Each pair is read before the next, so a false count ends at the end of the bytes.
    DWORD dwTotal = 0;
    ar >> dwTotal;
    std::vector<std::pair<UINT, UINT>> pairs;
    for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
        DWORD dwCommand = 0, dwCount = 0;
        ar >> dwCommand >> dwCount;
        pairs.emplace_back((UINT)dwCommand, (UINT)dwCount);
    }
    // Inserted in stored order, as a direct load would, so the buckets' chains come back alike.
    m_CommandsUsage.RemoveAll();
    for (const auto& pair : pairs) m_CommandsUsage[pair.first] = pair.second;
    m_nTotalUsage = dwTotal;
}
