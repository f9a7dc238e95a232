// What the library's dialog and property page share: while one of them has an open popup menu,
// clicks elsewhere close the menu and the keys go to it. One thread mouse hook serves the one
// active menu of the process.
#pragma once

#include <windows.h>

class CWnd;

class CZAVPDlgImpl
{
public:
    explicit CZAVPDlgImpl(CWnd& dlg) : m_Dlg(dlg) {}
    virtual ~CZAVPDlgImpl();

    // Makes the menu the process's active popup; a menu installs the mouse hook (once), null
    // removes it.
    void SetActiveMenu(class CZAVPPopupMenu* pMenu);
    // TRUE when the message was the menu's (a key for it, a click that closed it).
    BOOL PreTranslateMessage(MSG* pMsg);
    // A click at the screen point; TRUE when it was consumed.
    BOOL ProcessMouseClick(POINT pt);
    // TRUE when the point lies outside the active popup menu (outside customisation).
    static BOOL IsClickOutsideActivePopupMenu(POINT pt);
    // Accelerator commands: counted for the menus' usage; Esc to an open popup menu, else the
    // user tool with the command. TRUE when handled.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Keeps the dialog's caption active while one of its own floating windows (a popup menu)
    // is the active one.
    void OnActivate(UINT nState, CWnd* pWndOther);
    // The value WM_NCACTIVATE is to be handled with.
    BOOL OnNcActivate(BOOL bActive);

    // The hook and the object that installed it (UI thread only).
    static HHOOK m_hookMouse;
    static CZAVPDlgImpl* m_pMenuDlgImpl;

private:
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    CWnd& m_Dlg;
};
