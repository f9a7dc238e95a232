// A button that stands on a toolbar for a whole drop-down toolbar: it shows and runs the command
// last chosen from it, and held down for half a second it opens the drop-down toolbar beside it;
// the command picked there becomes its own. It is stored with the identifier of its source
// toolbar and finds it again among the live drop-down toolbars.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPDropDownFrame;
class CZAVPDropDownToolBar;

class CZAVPDropDownToolbarButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPDropDownToolbarButton)
public:
    CZAVPDropDownToolbarButton();
    // A button named lpszName for the source toolbar (null: none yet).
    CZAVPDropDownToolbarButton(LPCSTR lpszName, CZAVPDropDownToolBar* pToolBar);
    ~CZAVPDropDownToolbarButton() override;

    // The base record, then the source toolbar's identifier, the name and the current image. A
    // loaded identifier that names no live drop-down toolbar leaves the button without one.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // A press starts the hold timer (FALSE: it shows pressed as usual); the timer's second call
    // opens or closes the drop-down.
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    // A release before the timer fired runs the shown command (FALSE); an open frame closes.
    BOOL OnMouseRelease() override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    BOOL ExportToMenuButton(CZAVPToolbarMenuButton& menuButton) const override;
    void OnCancelMode() override;
    BOOL OnCustomizeMenu(CMenu* pMenu) override;
    int OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    BOOL IsExtraSize() const override;

    // Takes the command and the image of the source toolbar's button with that command.
    void SetDefaultCommand(UINT uiCmd);
    // Opens the frame beside the button; FALSE without a source toolbar or with a frame open.
    BOOL DropDownToolbar(CWnd* pWnd);
    BOOL IsDropDownOpen() const { return m_pPopupMenu != nullptr; }
    CZAVPToolBar* GetSourceToolBar() const;
    const CString& GetName() const { return m_strName; }
    int GetCurrentImage() const { return m_iSelectedImage; }
    // The frame is going away; the release its bar is then sent runs no command. Should the
    // button be deleted before the frame is done, it tells the frame so.
    void OnFrameClosed(CZAVPDropDownFrame* pFrame)
    {
        m_pPopupMenu = nullptr;
        m_pClosingFrame = pFrame;
        m_bFrameClosing = TRUE;
    }
    void OnFrameGone()
    {
        m_pClosingFrame = nullptr;
        m_bFrameClosing = FALSE;
    }
    CZAVPDropDownFrame* GetDropDownFrame() const { return m_pPopupMenu; }
    // The hold timer fired (the timer callback; tests call it instead of waiting).
    static void OnHoldTimer();
    static CZAVPDropDownToolbarButton* GetPendingButton() { return m_pPendingButton; }

    // The window the hold timer runs on (the button's bar), or null.
    HWND GetHoldTimerWindow() const
    {
        return m_pWndParent != nullptr ? m_pWndParent->GetSafeHwnd() : nullptr;
    }

    static const UINT kHoldMs = 500;
    // Apart from the bars' own timers (and the mouse-leave tracking's).
    static const UINT_PTR kHoldTimerId = 0xE0A2;

protected:
    void CloseFrame();

    HWND m_hwndToolBar;  // the source toolbar's window (looked up, never dangling)
    CString m_strName;
    CZAVPDropDownFrame* m_pPopupMenu;     // the open frame, null when closed
    CZAVPDropDownFrame* m_pClosingFrame;  // the frame while it closes, or null
    CWnd* m_pWndParent;                   // the bar the button stands on
    UINT_PTR m_uiTimer;                   // the hold timer, 0 when no press is pending
    int m_iSelectedImage;                 // image of the current command
    BOOL m_bLocalUserButton;
    BOOL m_bInternalClick;  // the timer's own call of OnClick
    BOOL m_bFrameClosing;   // the closing frame releases the bar's press: no command

    static CZAVPDropDownToolbarButton* m_pPendingButton;
};
