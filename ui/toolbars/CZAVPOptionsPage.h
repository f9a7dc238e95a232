// The "Параметры" page of the customisation sheet: the library-wide toolbar and menu switches,
// each written the moment its box is clicked.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CPropertyPage.h"
#include "framework/CStatic.h"

class CZAVPOptionsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPOptionsPage)
public:
    explicit CZAVPOptionsPage(BOOL bIsMenuBarExist = FALSE);

    // Personalised menus are on while the application names basic commands (the commands that
    // short menus always show); without them the menu options mean nothing.
    static BOOL ArePersonalizedMenus();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnShowTooltips();
    void OnShowShortcuts();
    void OnRecentMenus();
    void OnMenusAfterDelay();
    void OnLargeIcons();
    void OnLook2000();
    void OnResetUsage();
    void HideAndDisable(CWnd& wnd);

    CButton m_wndLookOptions;  // 17001, never offered here
    CButton m_wndLook2000;
    CButton m_wndLargeIcons;
    CButton m_wndRecentMenus;
    CButton m_wndResetUsage;
    CStatic m_wndMenuOptionsLabel;
    CStatic m_wndMenuOptionsLine;
    CButton m_wndMenusAfterDelay;
    CButton m_wndShowShortcuts;
    BOOL m_bShowTooltips;
    BOOL m_bShowShortcutKeys;
    BOOL m_bRecentlyUsedMenus;
    BOOL m_bShowAllMenusAfterDelay;
    BOOL m_bLargeIcons;
    BOOL m_bLook2000;
    BOOL m_bIsMenuBarExist;

    DECLARE_MESSAGE_MAP()
};
