// A toolbar button that hosts a single-line edit as a child of its toolbar. The text lives in the
// button, not only in the window, so that it survives moving the button to another bar, copying
// it and storing it; every edit button of one command shows the same text.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPToolbarEditCtrl;

namespace ZAVPEditBoxGeometry
{
const int kHorzMargin = 3;  // the edit stands this far inside the button on each side
const int kDefaultWidth = 150;
// Where the edit stands in a button rectangle: centred vertically in the part above the label.
CRect EditRect(const CRect& rectButton, int nLabelHeight, int nEditHeight);
// The small edit picture drawn at the right of a customisation list entry.
CRect ListPictureRect(const CRect& rectEntry, int nWidthLeft);
}  // namespace ZAVPEditBoxGeometry

class CZAVPToolbarEditBoxButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPToolbarEditBoxButton)
public:
    CZAVPToolbarEditBoxButton();
    CZAVPToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle = kDefaultEditStyle,
                              int iWidth = 0);
    ~CZAVPToolbarEditBoxButton() override;

    // Width, edit style, the text, and (from 6.41, or with no version known) the menu id. A
    // damaged record throws and leaves the button as it was.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    void OnMove() override;
    void OnSize(int iSize) override;
    HWND GetHwnd() override;
    BOOL CanBeStretched() const override { return TRUE; }
    BOOL NotifyCommand(int iNotifyCode) override;
    void SyncFromToolbars() override;
    HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) override;
    BOOL DrawsHotBorder() const override;
    int OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    void OnShow(BOOL bShow) override;
    CRect GetRect() const override;
    void SetStyle(UINT nStyle) override;
    BOOL OnUpdateToolTip(CWnd* pWndParent, int iButtonIndex, CToolTipCtrl& wndToolTip,
                         CString& str) override;

    // NULL when the window could not be made (the object is then deleted).
    virtual CZAVPToolbarEditCtrl* CreateEditWindow(CWnd* pWndParent, const CRect& rect);
    void SetEditText(const CString& strText);
    const CString& GetContents() const { return m_strContents; }
    int GetWidth() const { return m_iWidth; }
    DWORD GetEditStyle() const { return m_dwStyle; }
    CZAVPToolbarEditCtrl* GetEditBox() const { return m_pWndEdit; }
    // The edit's window rectangle in toolbar coordinates grown by 1.
    void GetEditFrameRect(CRect& rectFrame) const;
    // The hosted edit reports the mouse and the focus; a change repaints the button.
    void SetHot(BOOL bHot);
    BOOL IsHot() const { return m_bHot; }
    void ShowContextMenu(LPARAM lParamPoint);

    static constexpr DWORD kDefaultEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    // An edit never holds more than this unless told to; a longer stored text is damage.
    static constexpr int kMaxContents = 30000;
    static constexpr int kMaxWidth = 16384;

    UINT m_uiMenuResID;  // menu shown on a right click; 0: the edit's standard menu

protected:
    static int EditHeight();
    void DestroyEdit();
    int LabelHeight() const;

    DWORD m_dwStyle;
    CZAVPToolbarEditCtrl* m_pWndEdit;
    CString m_strContents;
    BOOL m_bChangingText;  // the button itself is setting the text: EN_CHANGE is no command
    int m_iWidth;
    BOOL m_bHorzBar;  // the edit shows only in horizontal bars
    BOOL m_bHot;
};
