// The band layout of the library's rebars (CZAVPReBar) kept in the UI state: per rebar the key
// "ZAVRebar-<id>" under the state path with "RBI" (one 80-byte band record per band, in the 32-bit
// layout whatever the build) and "IDs" (the control id of each band's child, one DWORD each).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

class CWnd;

namespace ZAVPRebarState
{
// Size of one stored band record: the band information of the 32-bit platform headers.
const UINT kStoredBandBytes = 80;
// The fields a band is saved with (style, child, child size, size, id, ideal size, header).
const UINT kSavedMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID |
                        RBBIM_IDEALSIZE | RBBIM_HEADERSIZE;
// Extra room the platform gives a fixed-size band's child beyond its stored minimum.
const UINT kFixedBandExtra = 4;

// One band as stored: its information (without the child window) and its child's control id.
struct StoredBand
{
    REBARBANDINFOA info;
    DWORD childId;
};

// The band as it is stored: no child window in the mask, and a fixed-size band's minimum child
// width widened as the platform reports it narrower.
REBARBANDINFOA PrepareForStore(const REBARBANDINFOA& band);

// The two values of a rebar's bands.
void Encode(const std::vector<StoredBand>& bands, std::vector<BYTE>& rbi, std::vector<BYTE>& ids);
// The bands of the two values; FALSE (nothing out) when they disagree in count, a size is not a
// whole number of records, or a record is not a band record of the stored fields.
BOOL Decode(const BYTE* pRbi, UINT nRbiBytes, const BYTE* pIds, UINT nIdsBytes,
            std::vector<StoredBand>& bands);

// Store or restore every rebar among the frame's child windows under the state path.
BOOL SaveRebarState(LPCSTR lpszProfileName, CWnd* pFrame);
BOOL LoadRebarState(LPCSTR lpszProfileName, CWnd* pFrame);
}  // namespace ZAVPRebarState
