// The "Меню" page of the customisation sheet: which application menu the menu bar shows for
// editing, a live preview of a registered context menu to drop commands on, resets of either to
// its resource, and the popup menus' animation and shadows.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CPropertyPage.h"
#include "framework/CStatic.h"

class CDocTemplate;
class CFrameWnd;
class CZAVPMenuBar;
class CZAVPPopupMenu;

class CZAVPMenuPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPMenuPage)
public:
    explicit CZAVPMenuPage(CFrameWnd* pParentFrame = nullptr, BOOL bAutoSet = FALSE);
    ~CZAVPMenuPage() override;

    // Selects the item of the template (null: the default menu) and loads its menu into the
    // bar; FALSE when it is not listed.
    BOOL SelectMenu(CDocTemplate* pTemplate, BOOL bSaveCurr = TRUE);
    // Where the context-menu preview opened last (screen), kept across openings of the page.
    static CPoint m_ptLastPreview;
    CZAVPMenuBar* GetMenuBar() const { return m_pMenuBar; }
    HMENU GetEditedMenu() const { return m_hmenuSelected; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSelchangeMenuList();
    void OnSelchangeContextMenuList();
    void OnResetContextMenu();
    void OnResetMenu();
    void OnDestroy();
    // Saves the preview's buttons and position and closes it.
    void ClosePreview();
    // The bar keeps its edits of the menu loaded for editing in the menu store.
    void SaveEditedMenu();

    CStatic m_wndAnimationLabel;
    CComboBox m_wndMenuAnimations;
    CButton m_wndMenuShadows;
    CStatic m_wndContextFrame;
    CStatic m_wndContextHint;
    CButton m_wndResetContextMenu;
    CStatic m_wndContextLabel;
    CComboBox m_wndContextMenus;
    CStatic m_wndIcon;
    CComboBox m_wndMenuesList;
    CString m_strMenuDescr;
    CString m_strContextMenuName;
    CString m_strMenuName;
    int m_iMenuAnimationType;
    BOOL m_bMenuShadows;
    CZAVPMenuBar* m_pMenuBar = nullptr;
    HMENU m_hmenuCurr = nullptr;      // the bar's menu when the page opened
    HMENU m_hmenuSelected = nullptr;  // the menu loaded for editing
    CZAVPPopupMenu* m_pContextMenu = nullptr;
    UINT m_uiContextMenuResId = 0;
    BOOL m_bIsDefaultMDIMenu = FALSE;  // the default menu was showing at opening
    BOOL m_bAutoSet;
    CFrameWnd* m_pParentFrame;

    DECLARE_MESSAGE_MAP()
};
