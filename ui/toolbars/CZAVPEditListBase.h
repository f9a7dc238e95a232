// An editable list with a caption row of small command buttons (new, delete, move up, move
// down) over a one-column report list whose labels are edited in place. Derived lists react to
// the changes through the notification virtuals (the user-tools page's list of tools).
#pragma once

#include <vector>

#include "framework/AfxMsgMap.h"
#include "framework/CEdit.h"
#include "framework/CListCtrl.h"
#include "framework/CObList.h"
#include "framework/CStatic.h"

class CZAVPButton;
class CZAVPEditListBase;

// The in-place editor of the list: an edit with an optional "..." browse button drawn in its
// non-client area at the right.
class CZAVPEditListEdit : public CEdit
{
public:
    static const int kBrowseWidth = 20;
    BOOL m_bBrowse = FALSE;
    CZAVPEditListBase* m_pList = nullptr;

protected:
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcPaint();
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    void DrawBrowseButton(CDC* pDC);
    CRect BrowseRect() const;  // screen

    BOOL m_bPressed = FALSE;
    BOOL m_bCaptured = FALSE;

    DECLARE_MESSAGE_MAP()
};

class CZAVPEditListBase : public CStatic
{
public:
    // Command ids of the standard caption buttons.
    enum : UINT
    {
        kNewButtonId = (UINT)-11,
        kDeleteButtonId = (UINT)-12,
        kUpButtonId = (UINT)-13,
        kDownButtonId = (UINT)-14,
    };
    // Bits of SetStandardButtons.
    enum : UINT
    {
        kStdNew = 1,
        kStdDelete = 2,
        kStdUp = 4,
        kStdDown = 8,
    };

    CZAVPEditListBase();
    ~CZAVPEditListBase() override;

    BOOL SetStandardButtons(UINT uiBtns = kStdNew | kStdDelete | kStdUp | kStdDown);
    int AddItem(const CString& strText, DWORD_PTR dwData = 0, int iIndex = -1);
    int GetCount() const;
    DWORD_PTR GetItemData(int iIndex) const;
    void SetItemData(int iIndex, DWORD_PTR dwData);
    CString GetItemText(int iIndex) const;
    void SetItemText(int iIndex, const CString& strText);
    int GetSelItem() const;
    BOOL SelectItem(int iItem);
    BOOL RemoveItem(int iIndex);
    BOOL EditItem(int iIndex);
    // The tooltip of a caption button (for the tests and the screenshots).
    CString GetButtonTooltip(UINT uiId) const;
    CListCtrl& GetList() { return m_wndList; }
    // Runs the command of a caption button as a click would.
    void ClickButton(UINT uiId) { OnClickButton(uiId); }

    // ---- notifications for derived lists
    virtual void OnBeforeAddItem() {}
    virtual void CreateNewItem() {}
    virtual BOOL OnBeforeRemoveItem(int /*iItem*/) { return TRUE; }
    virtual void OnAfterRenameItem(int /*iItem*/) {}
    virtual void OnAfterMoveItemUp(int /*iItem*/) {}
    virtual void OnAfterMoveItemDown(int /*iItem*/) {}
    virtual void OnSelectionChanged() {}
    virtual void OnBrowse() {}

protected:
    void PreSubclassWindow() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnEnable(BOOL bEnable);
    BOOL OnEraseBkgnd(CDC* pDC);
    BOOL AddButton(UINT uiBmpResId, LPCSTR lpszTooltip, WORD wKey, BYTE fModifiers, UINT uiId);
    void Init();
    void AdjustLayout();
    void OnClickButton(UINT uiId);
    // Moves the item one place up (-1) or down (+1); FALSE at an end.
    BOOL MoveItem(int iItem, int nStep);
    void OnKey(WORD wKey);
    void OnEndEdit(int iItem, LPCSTR lpszText);

    CObList m_lstButtons;               // owned CZAVPButton objects
    std::vector<DWORD> m_lstKeyAccell;  // (modifiers << 16 | key) per button
    std::vector<UINT> m_lstButtonIds;
    CSize m_sizeButton = CSize(20, 20);
    int m_nMinCaptionHeight = 20;
    CRect m_rectCaption;
    CListCtrl m_wndList;
    CZAVPEditListEdit m_wndEdit;        // subclassed while an item is edited
    CPoint m_ptClick = CPoint(-1, -1);  // a pending click to rename
    int m_iPendingNewItem = -1;         // the item New added, until its edit ends
    BOOL m_bInitialized = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The list of the user-tools page: a new item makes a tool, and removing, renaming and moving
// items do the same to the tools.
class CZAVPEditListBox : public CZAVPEditListBase
{};
