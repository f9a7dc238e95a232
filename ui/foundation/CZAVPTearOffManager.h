// Control-bar ids of menus that can be torn off into floating bars: a range of ids with use
// counts, and the marker that carries a bar id in a menu item's text (byte 1, the decimal id,
// byte 1, then the visible text). Created only by applications that let menus be torn off.
#pragma once

#include <windows.h>

#include "framework/CArray.h"
#include "framework/CObject.h"
#include "framework/CString.h"

class CZAVPTearOffManager : public CObject
{
public:
    static const char kMarker = '\x01';

    CZAVPTearOffManager();
    ~CZAVPTearOffManager() override;

    // Sets the id range (inclusive) with every count at 0.
    BOOL Initialize(UINT uiTearOffMenuFirst, UINT uiTearOffMenuLast);
    // The first id no bar uses, now counted as used; 0 when the range is unset or all are used.
    UINT GetFreeTearOffID();
    // Counts an id as used (or released); ids outside the range are ignored, counts stay >= 0.
    void SetInUse(UINT uiCmdId, BOOL bUse = TRUE);
    int GetUseCount(UINT uiCmdId) const;

    // The bar id of a marked text, which keeps only its visible part; 0 (text unchanged) for a
    // text without a whole marker.
    static UINT ParseTearOffName(CString& strName);
    static void BuildTearOffName(UINT uiId, CString& strName);

    // With a menu: the ids its marked items carry (sub-menus included) become free; without one
    // every id does.
    void ResetUseCounts(HMENU hMenu = nullptr);
    // Gives every item that opens a sub-menu and starts a new menu-bar column a bar id in its
    // text, then walks into the sub-menu; the walk stops when no id is free.
    void MarkTearOffMenus(HMENU hMenu);

    // The use counts: element count, then the counts. A stored array of another size than the
    // range, or one that does not read back whole, leaves the counts as they were.
    void Serialize(CArchive& ar) override;

    UINT GetFirstId() const { return m_uiTearOffMenuFirst; }
    UINT GetLastId() const { return m_uiTearOffMenuLast; }

private:
    // FALSE when the walk must stop (no free id).
    BOOL MarkItems(HMENU hMenu);

    UINT m_uiTearOffMenuFirst;  // id range, inclusive; 0, 0 = unset
    UINT m_uiTearOffMenuLast;
    CArray<int, int> m_arTearOffIDsUsage;  // bars using each id of the range
};

// The process's tear-off manager, or null (this program makes none).
// Set and read on the UI thread only (ZAVPUiThread.h).
extern CZAVPTearOffManager* g_pTearOffManager;
