// The modeless customisation sheet: it owns the command categories (named lists of prototype
// buttons plus the list of every command once) that its pages show and that the user drags onto
// toolbars and menus, and keeps the whole frame in customisation mode while its window exists.
// The pages themselves (CZAVPCustomizePage and the others) do the editing.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CList.h"
#include "framework/CMap.h"
#include "framework/CObList.h"
#include "framework/CPropertySheet.h"
#include "framework/CStringList.h"

class CBitmap;
class CComboBox;
class CMenu;
class CFrameWnd;
class CListBox;
class CPropertyPage;
class CZAVPCustomizePage;
class CZAVPKeyboardPage;
class CZAVPMenuPage;
class CZAVPMousePage;
class CZAVPOptionsPage;
class CZAVPToolBar;
class CZAVPToolbarButton;
class CZAVPToolbarsPage;
class CZAVPUserTool;
class CZAVPUserToolsPage;

class CZAVPToolbarCustomize : public CPropertySheet
{
    DECLARE_DYNAMIC(CZAVPToolbarCustomize)
public:
    // dwOptions: ZAVPCustomizeRules::kOpt* bits. plstCustomPages: classes of further pages, one
    // object made of each, shown before the options page.
    CZAVPToolbarCustomize(CFrameWnd* pWndParentFrame, BOOL bAutoSetFromMenus = FALSE,
                          UINT uiFlags = 0x02 | 0x04 | 0x20,
                          CList<CRuntimeClass*, CRuntimeClass*>* plstCustomPages = nullptr);
    ~CZAVPToolbarCustomize() override;

    // Creates the window and enters customisation mode.
    BOOL Create();
    // The prototype goes into the category (and, for a named one, into the all-commands list);
    // iInsertAfter -1 appends.
    void AddButton(LPCSTR lpszCategory, const CZAVPToolbarButton& button, int iInsertAfter = -1);
    void AddUserTools(LPCSTR lpszCategory);
    // Every command of the menu; sub-menus become categories named after their items while the
    // sheet sets itself up from menus.
    void AddMenuCommands(const CMenu* pMenu, BOOL bPopup, LPCSTR lpszCategory = nullptr,
                         LPCSTR lpszMenuPath = nullptr);
    void SetupFromMenus();

    void FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAddEmpty = TRUE) const;
    void FillCategoriesListBox(CListBox& wndCategory, BOOL bAddEmpty = TRUE) const;
    virtual void FillAllCommandsList(CListBox& wndListOfCommands) const;
    // The text of the command in the all-commands list, null when it is not there.
    LPCSTR GetCommandName(UINT uiCmd) const;
    // How many buttons of the list carry exactly this text.
    static int GetCountInCategory(LPCSTR lpszItemName, const CObList& lstButtons);
    // A toolbar was shown or hidden while the sheet is open.
    void ShowToolBar(CZAVPToolBar* pToolBar, BOOL bShow);

    // The buttons of a category (the all-commands name too), null when it does not exist.
    const CObList* GetCategoryButtons(LPCSTR lpszCategory) const;
    const CStringList& GetCategoryNames() const { return m_sortedCategories; }
    const CString& GetAllCommandsName() const { return m_strAllCommands; }
    DWORD GetFlags() const { return m_uiFlags; }
    CFrameWnd* GetParentFrame() const { return m_pParentFrame; }
    CZAVPUserToolsPage* GetToolsPage() const { return m_pToolsPage; }
    CZAVPToolbarsPage* GetToolbarsPage() const { return m_pToolbarsPage; }

    // Hooks of the user-tools page; the defaults do nothing and accept every list of tools.
    virtual void OnInitToolsPage() {}
    virtual void OnBeforeChangeTool(CZAVPUserTool* /*pSelTool*/) {}
    virtual void OnAfterChangeTool(CZAVPUserTool* /*pSelTool*/) {}
    virtual BOOL CheckToolsValidity(const CObList& /*lstTools*/) { return TRUE; }
    // Runs the icon editor on the bitmap; TRUE when the user applied the change.
    virtual BOOL OnEditToolbarMenuImage(CWnd* pWndParent, CBitmap& bitmap, int nBitsPerPixel);
    // A page is about to be shown (called by the library's page base).
    virtual void OnActivatePage(CPropertyPage* /*pPage*/) {}

    // The Close and Help buttons take their places below the pages.
    virtual BOOL OnInitDialog();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The sheet a page window stands in, null when it stands in none.
    static CZAVPToolbarCustomize* FromPage(const CWnd* pPage);
    // The sheet open now (one per process), null when none.
    static CZAVPToolbarCustomize* GetCurrent() { return m_pCurrent; }

    // The control and help id pairs of context help, ended by a pair of zeros.
    static const DWORD m_dwHelpIds[];

protected:
    // Disables the frame's other windows (not its bars) and switches every toolbar; the frame's
    // answer to "ZAVTOOLBAR_CUSTOMIZE".
    BOOL EnableCustomizeMode(BOOL bEnable);
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpcs);
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    CObList* GetOrCreateCategory(LPCSTR lpszCategory);

    CMap<CString, LPCSTR, CObList*, CObList*> m_ButtonsByCategory;  // owned lists and buttons
    CStringList m_sortedCategories;  // named categories in order of creation
    CZAVPCustomizePage* m_pCustomizePage = nullptr;
    CZAVPToolbarsPage* m_pToolbarsPage = nullptr;
    CZAVPKeyboardPage* m_pKeyboardPage = nullptr;
    CZAVPMenuPage* m_pMenuPage = nullptr;
    CZAVPMousePage* m_pMousePage = nullptr;
    CZAVPOptionsPage* m_pOptionsPage = nullptr;
    CZAVPUserToolsPage* m_pToolsPage = nullptr;               // null with kOptNoTools
    CList<CPropertyPage*, CPropertyPage*> m_listCustomPages;  // owned
    CString m_strAllCommands;                                 // "Все Команды"
    CFrameWnd* m_pParentFrame;
    BOOL m_bAutoSetFromMenus;
    UINT m_uiFlags;
    BOOL m_bSaveMenuAmps;  // '&' stays in command texts

    static CZAVPToolbarCustomize* m_pCurrent;

    DECLARE_MESSAGE_MAP()
};
