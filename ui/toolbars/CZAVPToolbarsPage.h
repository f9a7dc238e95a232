// The "Панели инструментов" page of the customisation sheet: every toolbar of the frame with a
// check mark for its visibility; reset, and (for user toolbars, when allowed) new, rename and
// delete.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CPropertyPage.h"
#include "ui/toolbars/CZAVPToolbarCheckList.h"

class CFrameWnd;
class CZAVPToolBar;

class CZAVPToolbarsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPToolbarsPage)
public:
    explicit CZAVPToolbarsPage(CFrameWnd* pParentFrame = nullptr);

    // The toolbar's item follows its visibility; nothing when it is not listed.
    void ShowToolBar(CZAVPToolBar* pToolBar, BOOL bShow);
    // New, Delete and Rename are offered only when set before the page opens.
    BOOL m_bUserDefinedToolbars;
    CZAVPToolbarCheckList& GetList() { return m_wndToolbarList; }
    CZAVPToolBar* GetSelectedToolbar() const { return m_pSelectedToolbar; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSelChangeToolbarList();
    void OnDblclkToolbarList();
    void OnResetToolbar();
    void OnResetAllToolbars();
    void OnNewToolbar();
    void OnRenameToolbar();
    void OnDeleteToolbar();
    void OnTextLabels();
    // Lists the bar (or its placeholder name), checked when visible; the item's index.
    int AddToolbarItem(CZAVPToolBar* pBar, LPCSTR lpszName, BOOL bCheck, int iInsertAt = -1);

    CButton m_btnTextLabels;
    CButton m_btnRename;
    CButton m_btnNew;
    CButton m_btnDelete;
    CButton m_btnReset;
    CZAVPToolbarCheckList m_wndToolbarList;
    BOOL m_bTextLabels;
    CZAVPToolBar* m_pSelectedToolbar;
    CFrameWnd* m_pParentFrame;

    DECLARE_MESSAGE_MAP()
};
