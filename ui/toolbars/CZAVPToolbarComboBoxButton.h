// A toolbar button that hosts a combo box as a child of its toolbar. The items, their data words,
// the selection and the text live in the button, so that it can be stored, copied and rebuilt on
// another toolbar, and every combo button of one command stays in step. In flat mode (the
// library's setting, on here) the combo window stays hidden: the button paints the combo through
// the visual manager, drops the hidden combo's list when clicked, and shows an edit of its own
// over an editable combo.
#pragma once

#include "framework/CList.h"
#include "framework/CStringList.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

class CComboBox;
class CZAVPToolbarComboEdit;

class CZAVPToolbarComboBoxButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPToolbarComboBoxButton)
public:
    CZAVPToolbarComboBoxButton();
    CZAVPToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle = kDefaultComboStyle,
                               int iWidth = 0);
    ~CZAVPToolbarComboBoxButton() override;

    // Width, style, selection, text, list height, [menu id from 6.41], the item texts (count and
    // strings), one data word per text. A damaged record throws and leaves the button unchanged.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    BOOL ExportToMenuButton(CZAVPToolbarMenuButton& menuButton) const override;
    void OnMove() override;
    void OnSize(int iSize) override;
    HWND GetHwnd() override;
    BOOL CanBeStretched() const override { return TRUE; }
    BOOL NotifyCommand(int iNotifyCode) override;
    void SyncFromToolbars() override;
    HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) override;
    BOOL IsStorable() const override { return TRUE; }
    BOOL DrawsHotBorder() const override { return TRUE; }
    void OnGlobalFontsChanged() override;
    int OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    BOOL IsDroppedDown() const override { return FALSE; }
    void OnShow(BOOL bShow) override;
    void SetStyle(UINT nStyle) override;
    void EnableWindow(BOOL bEnable = TRUE) override;
    BOOL IsWindowVisible() override;
    BOOL IsOwnerOf(HWND hwnd) override;
    BOOL HasFocus() const override;
    BOOL OnUpdateToolTip(CWnd* pWndParent, int iButtonIndex, CToolTipCtrl& wndToolTip,
                         CString& str) override;

    // NULL when the window could not be made (the object is then deleted).
    virtual CComboBox* CreateComboWindow(CWnd* pWndParent, const CRect& rect);
    CZAVPToolbarComboEdit* GetFlatEdit() const { return m_pWndEdit; }
    CComboBox* GetComboBox() const { return m_pWndCombo; }
    // Hooks around the rebuilding of the item lists (nothing here).
    virtual void OnBeforeUpdateItems() {}
    virtual void OnAfterUpdateItems() {}
    virtual int CompareTexts(const CString& str1, const CString& str2) const;

    // Items: appended to the lists and to the window when there is one; the index.
    int AddItem(const CString& strItem, DWORD dwData = 0);
    int GetCount() const { return (int)m_lstItems.GetCount(); }
    CString GetItem(int iIndex) const;
    DWORD GetItemData(int iIndex) const;
    void RemoveAllItems();
    int GetCurSel() const { return m_iSelIndex; }
    const CString& GetText() const { return m_strEdit; }
    int GetWidth() const { return m_iWidth; }
    DWORD GetComboStyle() const { return m_dwStyle; }
    int GetDropDownHeight() const { return m_nDropDownHeight; }
    // FALSE for an index outside the items; with bNotify the selection goes on to the other
    // combo buttons of the command as a chosen entry.
    BOOL SelectEntry(int iIndex, BOOL bNotify = TRUE);
    void SetHot(BOOL bHot);
    BOOL IsHot() const { return m_bHot; }
    void DropList(BOOL bShow = TRUE);
    BOOL IsListDropped() const;
    // The combo's rectangle in toolbar coordinates, and the painted drop button inside it.
    const CRect& GetComboRect() const { return m_rectCombo; }
    const CRect& GetDropButtonRect() const { return m_rectButton; }
    // The edit's Enter: the typed text becomes the button's and its command goes to the owner.
    void OnEditEnter();
    void ShowContextMenu(LPARAM lParamPoint);

    static constexpr DWORD kDefaultComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL |
                                                CBS_NOINTEGRALHEIGHT | CBS_DROPDOWNLIST;
    static constexpr int kDefaultWidth = 150;
    static constexpr int kDefaultDropDownHeight = 150;
    // What a stored record may hold; anything beyond is damage.
    static constexpr int kMaxItems = 10000;
    static constexpr int kMaxTextLength = 30000;
    static constexpr int kMaxSize = 16384;
    // Flat mode: the button paints the combo itself (the library's setting).
    static BOOL m_bFlat;

    UINT m_uiMenuResID;  // menu shown on a right click in the edit; 0: the edit's own

protected:
    void DestroyWindows();
    void RebuildListsFromWindow();
    void FillWindowFromLists();
    // The edit shows the text (when it differs).
    void SetEditText(const CString& strText);
    // Every other combo button of the command, on every toolbar.
    template <typename Fn>
    void ForOtherButtons(Fn fn);
    void InvalidateComboRect();

    DWORD m_dwStyle;
    CComboBox* m_pWndCombo;
    CZAVPToolbarComboEdit* m_pWndEdit;
    CStringList m_lstItems;
    CList<DWORD, DWORD> m_lstItemData;
    int m_iWidth;
    int m_iSelIndex;
    BOOL m_bHorzBar;  // orientation at the last size calculation; no combo in vertical bars
    CString m_strEdit;
    CRect m_rectCombo;   // toolbar client coordinates
    CRect m_rectButton;  // flat mode: the drop button inside m_rectCombo
    int m_nDropDownHeight;
    BOOL m_bHot;
    BOOL m_bSyncing;  // the button is passing a change on: no echoes back
};
