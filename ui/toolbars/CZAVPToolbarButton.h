// The button of every toolbar, menu and pane: a serialisable record (command, style, text, image)
// with the rectangle its bar gives it. Its archive is how bars keep their buttons in the registry
// and how buttons travel on the clipboard.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CList.h"
#include "framework/CObject.h"
#include "framework/CRect.h"
#include "framework/CSize.h"
#include "framework/CString.h"

class CDC;
class CWnd;
class CZAVPImageStrip;
class CZAVPToolBar;
class CZAVPToolbarMenuButton;
class COleDataSource;
class COleDataObject;

// Button style bits beside the separator bit 0.
#ifndef TBBS_CHECKED
#define TBBS_CHECKED 0x10000
#define TBBS_PRESSED 0x20000
#define TBBS_DISABLED 0x40000
#define TBBS_INDETERMINATE 0x100000
#endif
#ifndef TBBS_BUTTON
#define TBBS_BUTTON 0x0000
#define TBBS_SEPARATOR 0x0001
#define TBBS_CHECKBOX 0x0002
#define TBBS_GROUP 0x0004
#define TBBS_HIDDEN 0x80000
#define TBBS_WRAPPED 0x200000
#endif

class CZAVPToolbarButton : public CObject
{
    DECLARE_SERIAL(CZAVPToolbarButton)
public:
    CZAVPToolbarButton();
    // Takes the command's image from the command manager when iImage is -1, else records it there
    // (neither for a locked button or command 0).
    CZAVPToolbarButton(UINT uiID, int iImage, LPCSTR lpszText = nullptr, BOOL bUserButton = FALSE,
                       BOOL bLocked = FALSE);
    ~CZAVPToolbarButton() override;

    // Command, style, current image, text, user-image flag, stored word, show-text, show-image,
    // and (from 6.41, or with no version known) the visible flag.
    void Serialize(CArchive& ar) override;

    virtual BOOL CanBeDropped(CZAVPToolBar* pToolbar);
    virtual void CopyFrom(const CZAVPToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE);
    virtual BOOL OnMouseRelease();
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL ExportToMenuButton(CZAVPToolbarMenuButton& menuButton) const;
    virtual void OnMove() {}
    virtual void OnSize(int /*iSize*/) {}
    virtual HWND GetHwnd() { return nullptr; }
    virtual BOOL CanBeStretched() const { return FALSE; }
    virtual BOOL NotifyCommand(int /*iNotifyCode*/) { return FALSE; }
    virtual void SyncFromToolbars() {}
    virtual HBRUSH OnCtlColor(CDC* /*pDC*/, UINT /*nCtlColor*/) { return nullptr; }
    virtual void OnDblClk(CWnd* /*pWnd*/) {}
    virtual BOOL IsStorable() const { return TRUE; }
    virtual BOOL DrawsHotBorder() const { return TRUE; }
    virtual void OnCancelMode() {}
    virtual void OnGlobalFontsChanged() {}
    // FALSE for reserved command ids and for the commands that may not be edited.
    virtual BOOL IsEditable() const;
    virtual BOOL OnImmediateClick(CWnd* /*pWnd*/) { return FALSE; }
    virtual BOOL OnCustomizeMenu(class CMenu* /*pMenu*/) { return FALSE; }
    virtual int OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected);
    // TRUE while the button's popup menu is open.
    virtual BOOL IsDroppedDown() const { return FALSE; }
    virtual BOOL OnDragStart() { return TRUE; }
    virtual BOOL CanShowInCustomizeList(int /*iIndex*/) { return TRUE; }
    virtual int HitTestToolTip(CWnd* pWnd, TOOLINFOA* pTI) const;
    virtual void CloseParentMenus() {}
    virtual void OnShow(BOOL /*bShow*/) {}
    virtual CRect GetRect() const { return m_rect; }
    virtual void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    virtual void ResetImageToDefault();
    virtual BOOL CompareWith(const CZAVPToolbarButton& other) const { return m_nID == other.m_nID; }
    virtual void EnableWindow(BOOL bEnable = TRUE);
    virtual BOOL IsWindowVisible();
    virtual BOOL IsOwnerOf(HWND hwnd);
    virtual BOOL HasFocus() const;
    virtual BOOL GetCustomToolTipText(CString& /*strToolTip*/) { return FALSE; }
    virtual BOOL OnUpdateToolTip(CWnd* /*pWndParent*/, int /*iButtonIndex*/,
                                 class CToolTipCtrl& /*wndToolTip*/, CString& /*str*/)
    {
        return FALSE;
    }
    virtual void SetImage(int iImage);
    virtual void SetRadio() {}
    virtual BOOL IsExtraSize() const { return m_bExtraSize; }

    // Stores the rectangle and tells the button (OnMove) when it changed.
    void SetRect(const CRect& rect);
    // The visual manager fills the background: 2 highlighted, 1 checked or pressed, else 0.
    void FillInterior(CDC* pDC, const CRect& rect, BOOL bHighlight = FALSE);

    int GetImage() const { return m_bUserButton ? m_iUserImage : m_iImage; }
    BOOL IsLocked() const { return m_bLocked; }
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bShow = TRUE) { m_bVisible = bShow; }
    BOOL IsHorizontal() const { return m_bHorz; }
    BOOL IsWrapped() const { return (m_nStyle & TBBS_WRAPPED) != 0; }
    BOOL IsSeparator() const { return (m_nStyle & TBBS_SEPARATOR) != 0; }

    // ---- clipboard transfer of buttons dragged or copied between bars
    static CLIPFORMAT GetClipboardFormat();
    BOOL PutOnDataSource(COleDataSource& data);
    static CZAVPToolbarButton* CreateFromOleData(COleDataObject* pDataObject);

    // Commands whose buttons may not be edited; empty unless the application adds to it.
    static CList<UINT, UINT> m_lstProtectedCommands;

    UINT m_nID;                  // command id; 0 for a separator, -1 only opens a sub-menu
    UINT m_nStyle;               // TBBS_* bits; 0x20000000 a menu break in menus
    CString m_strText;           // caption with '&' mnemonics
    BOOL m_bUserButton;          // the image is in the user-image strip (m_iUserImage)
    BOOL m_bText;                // the text is drawn
    BOOL m_bImage;               // the image is drawn
    BOOL m_bWrapText;            // left to the owning bar's layout; copied, not stored
    BOOL m_bWholeText;           // FALSE: menu drawing shortens the label with "..."
    BOOL m_bTextBelow;           // the text is centred under the image (set by the bar)
    CString m_strTextCustom;     // a second caption; copied, not stored
    DWORD m_dwdItemData;         // kept in the archive for the application's use
    CRect m_rect;                // in the owning bar's client coordinates
    BOOL m_bDragFromCollection;  // being dragged out of the customisation list
    BOOL m_bDisableFill;         // the background is not filled before drawing
    BOOL m_bExtraSize;           // the bar asks for the visual manager's extra border
    BOOL m_bHorz;                // orientation of the bar at the last draw
    BOOL m_bVisible;             // FALSE: no room and not drawn
    BOOL m_bControlHidden;       // hosted controls stay hidden in horizontal bars
    int m_sizeTextBelowCx;       // text-below mode: measured text width + 6, else 0
    int m_sizeTextBelowCy;       // and its height

protected:
    int m_iImage;      // standard strip image; for a separator its width (<= 0: 8)
    int m_iUserImage;  // user strip image
    BOOL m_bLocked;    // the image is private, never shared with the command manager
};

namespace ZAVPButtonText
{
// The text as it is measured and drawn: "&&" becomes "&", every other '&' disappears.
CString StripMnemonics(const CString& strText);
// The part of a command prompt after the first '\n' (the tooltip text), empty when none.
CString TooltipPart(const CString& strPrompt);
}  // namespace ZAVPButtonText
