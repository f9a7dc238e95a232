// Rebar band layouts in the UI state (see ZAVPRebarState.h).
#include "ui/foundation/ZAVPRebarState.h"

#include <cstring>
#include <memory>

#include "framework/CWnd.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPLibraryNames.h"

namespace ZAVPRebarState
{
namespace
{
// The band record of the 32-bit platform: every pointer and handle is 4 bytes there.
#pragma pack(push, 4)
struct StoredRecord
{
    UINT cbSize;
    UINT fMask;
    UINT fStyle;
    COLORREF clrFore;
    COLORREF clrBack;
    DWORD lpText;
    UINT cch;
    int iImage;
    DWORD hwndChild;
    UINT cxMinChild;
    UINT cyMinChild;
    UINT cx;
    DWORD hbmBack;
    UINT wID;
    UINT cyChild;
    UINT cyMaxChild;
    UINT cyIntegral;
    UINT cxIdeal;
    DWORD lParam;
    UINT cxHeader;
};
#pragma pack(pop)
static_assert(sizeof(StoredRecord) == kStoredBandBytes, "the stored band record is 80 bytes");

const UINT kStoredMask = kSavedMask & ~RBBIM_CHILD;

StoredRecord ToRecord(const REBARBANDINFOA& b)
{
    StoredRecord r = {};
    r.cbSize = kStoredBandBytes;
    r.fMask = b.fMask;
    r.fStyle = b.fStyle;
    r.clrFore = b.clrFore;
    r.clrBack = b.clrBack;
    r.cch = b.cch;
    r.iImage = b.iImage;
    r.cxMinChild = b.cxMinChild;
    r.cyMinChild = b.cyMinChild;
    r.cx = b.cx;
    r.wID = b.wID;
    r.cyChild = b.cyChild;
    r.cyMaxChild = b.cyMaxChild;
    r.cyIntegral = b.cyIntegral;
    r.cxIdeal = b.cxIdeal;
    r.cxHeader = b.cxHeader;
    return r;
}

REBARBANDINFOA FromRecord(const StoredRecord& r)
{
    REBARBANDINFOA b = {};
    b.cbSize = sizeof b;
    b.fMask = r.fMask;
    b.fStyle = r.fStyle;
    b.clrFore = r.clrFore;
    b.clrBack = r.clrBack;
    b.iImage = r.iImage;
    b.cxMinChild = r.cxMinChild;
    b.cyMinChild = r.cyMinChild;
    b.cx = r.cx;
    b.wID = r.wID;
    b.cyChild = r.cyChild;
    b.cyMaxChild = r.cyMaxChild;
    b.cyIntegral = r.cyIntegral;
    b.cxIdeal = r.cxIdeal;
    b.cxHeader = r.cxHeader;
    return b;
}

CString RebarKey(LPCSTR lpszProfileName, HWND hWndRebar)
{
    CString strKey;
    strKey.Format(ZAVPLibraryNames::kRebarKeyFormat, (long)::GetDlgCtrlID(hWndRebar));
    return CString(lpszProfileName) + strKey;
}

BOOL SaveRebar(LPCSTR lpszProfileName, HWND hWndRebar)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(RebarKey(lpszProfileName, hWndRebar))) return FALSE;
    const int nBands = (int)::SendMessageA(hWndRebar, RB_GETBANDCOUNT, 0, 0);
    if (nBands <= 0) return TRUE;
    std::vector<StoredBand> bands;
    for (int i = 0; i < nBands; ++i) {
        StoredBand band = {};
        band.info.cbSize = sizeof band.info;
        band.info.fMask = kSavedMask;
        ::SendMessageA(hWndRebar, RB_GETBANDINFOA, i, (LPARAM)&band.info);
        band.childId = band.info.hwndChild ? (DWORD)::GetDlgCtrlID(band.info.hwndChild) : 0;
        band.info = PrepareForStore(band.info);
        bands.push_back(band);
    }
    std::vector<BYTE> rbi, ids;
    Encode(bands, rbi, ids);
    reg.WriteBinary(ZAVPLibraryNames::kRebarBandsValue, rbi.data(), (UINT)rbi.size());
    reg.WriteBinary(ZAVPLibraryNames::kRebarIdsValue, ids.data(), (UINT)ids.size());
    return TRUE;
}

void LoadRebar(LPCSTR lpszProfileName, HWND hWndRebar)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.ReadKey(RebarKey(lpszProfileName, hWndRebar))) return;
    BYTE* pRbi = nullptr;
    BYTE* pIds = nullptr;
    UINT nRbiBytes = 0, nIdsBytes = 0;
    const BOOL bRead = reg.ReadBinary(ZAVPLibraryNames::kRebarBandsValue, pRbi, nRbiBytes) &&
                       reg.ReadBinary(ZAVPLibraryNames::kRebarIdsValue, pIds, nIdsBytes);
    std::unique_ptr<BYTE[]> rbiOwner(pRbi), idsOwner(pIds);
    std::vector<StoredBand> bands;
    if (!bRead || !Decode(pRbi, nRbiBytes, pIds, nIdsBytes, bands)) return;
    const int nBands = (int)::SendMessageA(hWndRebar, RB_GETBANDCOUNT, 0, 0);
    if (nBands != (int)bands.size())
        return;  // the bands changed since: the stored layout no longer applies
    for (int i = 0; i < nBands; ++i) {
        for (int j = i; j < nBands; ++j) {
            REBARBANDINFOA current = {};
            current.cbSize = sizeof current;
            current.fMask = RBBIM_CHILD;
            ::SendMessageA(hWndRebar, RB_GETBANDINFOA, j, (LPARAM)&current);
            if (current.hwndChild &&
                (DWORD)::GetDlgCtrlID(current.hwndChild) == bands[(size_t)i].childId) {
                if (j != i) ::SendMessageA(hWndRebar, RB_MOVEBAND, j, i);
                break;
            }
        }
        REBARBANDINFOA info = bands[(size_t)i].info;
        ::SendMessageA(hWndRebar, RB_SETBANDINFOA, i, (LPARAM)&info);
    }
}

struct Walk
{
    LPCSTR lpszProfileName;
    BOOL bSave;
    BOOL bResult;
};

BOOL CALLBACK VisitChild(HWND hWnd, LPARAM lParam)
{
    Walk& walk = *reinterpret_cast<Walk*>(lParam);
    if (!ZAVPIsKindOf(CWnd::FromHandlePermanent(hWnd), ZAVPClassNames::CZAVPReBar)) return TRUE;
    if (!walk.bSave) {
        LoadRebar(walk.lpszProfileName, hWnd);
        return TRUE;
    }
    walk.bResult = SaveRebar(walk.lpszProfileName, hWnd);
    return walk.bResult;
}

BOOL WalkRebars(LPCSTR lpszProfileName, CWnd* pFrame, BOOL bSave)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr) return FALSE;
    Walk walk = {lpszProfileName ? lpszProfileName : "", bSave, TRUE};
    ::EnumChildWindows(pFrame->GetSafeHwnd(), VisitChild, (LPARAM)&walk);
    return walk.bResult;
}
}  // namespace

REBARBANDINFOA PrepareForStore(const REBARBANDINFOA& band)
{
    REBARBANDINFOA stored = band;
    stored.fMask &= ~RBBIM_CHILD;
    stored.hwndChild = nullptr;
    if (stored.fStyle & RBBS_FIXEDSIZE) stored.cxMinChild += kFixedBandExtra;
    return stored;
}

void Encode(const std::vector<StoredBand>& bands, std::vector<BYTE>& rbi, std::vector<BYTE>& ids)
{
    rbi.assign(bands.size() * kStoredBandBytes, 0);
    ids.assign(bands.size() * sizeof(DWORD), 0);
    for (size_t i = 0; i < bands.size(); ++i) {
        const StoredRecord r = ToRecord(bands[i].info);
        std::memcpy(rbi.data() + i * kStoredBandBytes, &r, kStoredBandBytes);
        std::memcpy(ids.data() + i * sizeof(DWORD), &bands[i].childId, sizeof(DWORD));
    }
}

BOOL Decode(const BYTE* pRbi, UINT nRbiBytes, const BYTE* pIds, UINT nIdsBytes,
            std::vector<StoredBand>& bands)
{
    if ((pRbi == nullptr && nRbiBytes != 0) || (pIds == nullptr && nIdsBytes != 0) ||
        nIdsBytes % sizeof(DWORD) != 0)
        return FALSE;
    const size_t nCount = nIdsBytes / sizeof(DWORD);
    if ((size_t)nRbiBytes != nCount * kStoredBandBytes) return FALSE;
    std::vector<StoredBand> decoded(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        StoredRecord r;
        std::memcpy(&r, pRbi + i * kStoredBandBytes, kStoredBandBytes);
        if (r.cbSize != kStoredBandBytes || (r.fMask & ~kStoredMask) != 0) return FALSE;
        decoded[i].info = FromRecord(r);
        std::memcpy(&decoded[i].childId, pIds + i * sizeof(DWORD), sizeof(DWORD));
    }
    bands.swap(decoded);
    return TRUE;
}

BOOL SaveRebarState(LPCSTR lpszProfileName, CWnd* pFrame)
{
    return WalkRebars(lpszProfileName, pFrame, TRUE);
}

BOOL LoadRebarState(LPCSTR lpszProfileName, CWnd* pFrame)
{
    return WalkRebars(lpszProfileName, pFrame, FALSE);
}
}  // namespace ZAVPRebarState
