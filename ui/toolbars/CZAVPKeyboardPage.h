// The "Клавиатура" page of the customisation sheet: the shortcut keys of a command in the frame's
// accelerator table, assigned and removed on a private copy that the keyboard manager installs
// after every change.
#pragma once

#include <vector>

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CListBox.h"
#include "framework/CPropertyPage.h"
#include "framework/CStatic.h"
#include "ui/toolbars/CZAVPKeyCaptureEdit.h"

class CDocTemplate;
class CFrameWnd;
class CZAVPToolbarButton;

class CZAVPKeyboardPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPKeyboardPage)
public:
    explicit CZAVPKeyboardPage(CFrameWnd* pParentFrame = nullptr, BOOL bAutoSet = FALSE);
    ~CZAVPKeyboardPage() override;

    void SetAllCommandsName(LPCSTR lpszName) { m_strAllCommands = lpszName; }
    // The private copy of the selected owner's table.
    const std::vector<ACCEL>& GetAccelCopy() const { return m_Accel; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSelchangeCategory();
    void OnSelchangeCommandsList();
    void OnSelchangeViewType();
    void OnSelchangeCurrentAccelList();
    void OnUpdateNewShortcutKey();
    void OnAssign();
    void OnRemove();
    void OnResetAll();
    // Installs the copy for the selected owner and moves the current-keys list onto it.
    void InstallCopy(const std::vector<ACCEL>& accel);
    void AddKeyEntry(int iAccel);

    CStatic m_wndAssignedToTitle;
    CZAVPKeyCaptureEdit m_wndNewKey;
    CComboBox m_wndViewTypeList;
    CStatic m_wndViewIcon;
    CButton m_wndRemoveButton;
    CListBox m_wndCurrentKeysList;
    CListBox m_wndCommandsList;
    CComboBox m_wndCategoryList;
    CButton m_wndAssignButton;
    CString m_strDescription;
    CString m_strAssignedTo;
    HACCEL m_hAccelTable = nullptr;          // of the selected owner
    std::vector<ACCEL> m_Accel;              // its private copy
    CDocTemplate* m_pSelTemplate = nullptr;  // null: the frame
    CZAVPToolbarButton* m_pSelButton = nullptr;
    int m_iSelAccel = -1;  // the selected entry of the copy, -1
    CFrameWnd* m_pParentFrame;
    BOOL m_bAutoSet;
    CString m_strAllCommands;

    DECLARE_MESSAGE_MAP()
};
