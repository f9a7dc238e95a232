// One command's user-interface item (a menu entry, a control, a bar button) while its state is
// being pulled from the command targets. Bars derive from it to apply the state to their buttons.
#pragma once

#include <windows.h>

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() {}

    UINT m_nID = 0;
    UINT m_nIndex = 0;            // position of the item in its menu or bar
    CMenu* m_pMenu = nullptr;     // the menu holding the item, or null
    CMenu* m_pSubMenu = nullptr;  // the popup the item opens, or null
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;       // the control or bar holding the item when not a menu
    UINT m_nIndexMax = 0;           // item count of the menu or bar being updated
    BOOL m_bEnableChanged = FALSE;  // a handler called Enable
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget (and whatever it routes to) for the state; with bDisableIfNoHndler an item
    // nobody handles is disabled. TRUE when some target answered.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Records the state a handler sets without touching any window: used to ask whether a command
// is enabled before it runs, and by tests.
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    int m_nCheck = -1;  // -1: nobody set it
    BOOL m_bRadio = FALSE;
    BOOL m_bTextSet = FALSE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    void SetRadio(BOOL bOn) override
    {
        m_bRadio = bOn;
        m_nCheck = bOn ? 1 : 0;
    }
    void SetText(LPCSTR) override { m_bTextSet = TRUE; }
};
