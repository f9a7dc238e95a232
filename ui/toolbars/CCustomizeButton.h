// The toolbar's customise (chevron) button, always the bar's last: it shows chevrons when some of
// the bar's buttons had no room and an arrow when the bar offers a customise command, and its
// drop-down lists the hidden buttons and then the customise entries. It is never stored with the
// toolbar's buttons; the per-button list under "add or remove buttons" is filled by the frame.
#pragma once

#include "framework/CObList.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CZAVPToolBar;

class CCustomizeButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CCustomizeButton)
public:
    CCustomizeButton();
    // A button whose drop-down ends with the customise command (0: none) and its text.
    CCustomizeButton(UINT uiCustomizeCmdId, const CString& strCustomizeText);

    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    void OnCancelMode() override;
    BOOL IsStorable() const override { return FALSE; }
    BOOL IsEditable() const override { return FALSE; }
    BOOL CanBeStretched() const override { return FALSE; }
    CZAVPPopupMenu* CreatePopupMenu() override;
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }

    // The customise command closes the drop-down (0: the drop-down lists hidden buttons only).
    void SetCustomizeCommand(UINT uiCmdId, const CString& strText);
    UINT GetCustomizeCmdId() const { return m_iCustomizeCmdId > 0 ? (UINT)m_iCustomizeCmdId : 0; }
    const CString& GetCustomizeText() const { return m_strCustomizeText; }
    CZAVPToolBar* GetParentToolBar() const { return m_pWndParentToolbar; }
    // A button that takes no room at all (a bar that wants none shown for now).
    void SetEmpty(BOOL bEmpty = TRUE) { m_bIsEmpty = bEmpty; }
    BOOL IsEmpty() const { return m_bIsEmpty; }
    void SetExtraSize(int cx, int cy) { m_sizeExtra = CSize(cx, cy); }
    CSize GetExtraSize() const { return m_sizeExtra; }
    // The text of the item a hidden button becomes: its own, else the tooltip part of its
    // command's string (the whole string when it has no newline).
    static CString HiddenItemText(const CZAVPToolbarButton& button);

    BOOL m_bHasHiddenButtons;       // the toolbar is too short for some of its buttons
    BOOL m_bCanCustomize;           // the toolbar offers its customise entries (a command set)
    CObList m_lstInvisibleButtons;  // the bar's buttons it had no room for, in order (not owned)

protected:
    int m_iCustomizeCmdId;              // 0: none
    CString m_strCustomizeText;         // the customise command's item
    CZAVPToolBar* m_pWndParentToolbar;  // null when the parent is no toolbar
    BOOL m_bIsEmpty;                    // measures 0 x 0
    CSize m_sizeExtra;                  // added around the button with extra layout space
};
