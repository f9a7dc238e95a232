// The toolbar window of the library. Declared so far: the process-wide values the foundation reads
// (the list of all toolbars, the hot text colour) and the font-change notification it sends.
#pragma once

#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPBaseToolBar.h"

class CZAVPToolBar : public CZAVPBaseToolBar
{
    DECLARE_DYNAMIC(CZAVPToolBar)
public:
    // Every toolbar object whose window was created, in creation order.
    static CObList& GetAllToolbars() { return ZAVPSharedBarData::AllToolbars(); }
    // Text colour of highlighted buttons: the colour set for the library, else the button text.
    static COLORREF GetHotTextColor()
    {
        return ZAVPSharedBarData::g_clrHotText == (COLORREF)-1 ? globalData.clrBtnText
                                                               : ZAVPSharedBarData::g_clrHotText;
    }
    // The bar re-measures its buttons after the global fonts changed.
    virtual void OnGlobalFontsChanged();

    // ---- what the workspace, the menu-bar store and the input managers use
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Gives every button its default image again (unless the bar is locked) and relays out.
    virtual void ResetAllImages();
    // Removes and deletes the button; the caller lays the bar out again.
    virtual BOOL RemoveButton(int iIndex);
    virtual void AdjustLayout();
    // The buttons of the bar's key "%sZAVToolBar-%d" (or "%sZAVToolBar-%d%x"); TRUE when a stored
    // state was read.
    virtual BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = (UINT)-1);
    // TRUE when the last LoadState added buttons the resource has and the stored state lacked.
    virtual BOOL HasAddedMissingButtons() const { return m_bResourceWasChanged; }

    int GetCount() const;
    // First index at or after iIndexFirst whose command is nIDFind, -1 when none.
    int CommandToIndex(UINT nIDFind, int iIndexFirst = 0) const;

    // The toolbar options under "%sZAVToolbarParameters".
    static BOOL LoadParameters(LPCSTR lpszProfileName = nullptr);
    static BOOL SaveParameters(LPCSTR lpszProfileName = nullptr);
    // FALSE for the commands that may not be placed on bars.
    static BOOL IsCommandPermitted(UINT uiCmd);
    // Clears the shared image strips, the command-to-image map and the usage statistics.
    static void CleanUpImages();

protected:
    BOOL m_bResourceWasChanged = FALSE;  // set by LoadState when it added missing buttons
};
