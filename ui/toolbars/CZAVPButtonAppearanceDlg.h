// The button appearance dialog of customisation: image, text or both for one toolbar button or
// menu item; the command's default image or a user image (new ones drawn in the icon editor);
// the button's text, with the accelerator after a tab kept as it was.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CGdiObject.h"
#include "framework/CStatic.h"
#include "ui/toolbars/CZAVPButtonImageList.h"

class CZAVPImageStrip;
class CZAVPToolbarButton;

class CZAVPButtonAppearanceDlg : public CDialog
{
public:
    CZAVPButtonAppearanceDlg(CZAVPToolbarButton* pButton, CZAVPImageStrip* pImages, CWnd* pParent,
                             int iStartImage = 0, BOOL bMenuMode = FALSE);

    // What the dialog chose (read after IDOK, or by the tests while it runs).
    BOOL m_bImage;
    BOOL m_bText;
    BOOL m_bUserButton;
    int m_iSelImage;
    CString m_strButtonText;
    CString m_strAccel;  // the text after the tab, kept

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnImage();
    void OnText();
    void OnImageAndText();
    void OnUserImage();
    void OnDefaultImage();
    void OnImageList();
    void OnNewImage();
    void OnEditImage();
    void OnPaint();
    void EnableControls();
    // Fills the bitmap of one image's size, lets the editor change it; TRUE on OK.
    BOOL EditBitmap(CBitmap& bitmap);
    BOOL HasDefaultImage() const;
    int DefaultImage() const;

    CButton m_wndDefaultImageArea;
    CButton m_wndUserImage;
    CButton m_wndDefaultImage;
    CStatic m_wndDefaultImageArea2;
    CEdit m_wndButtonText;
    CButton m_wndAddImage;
    CZAVPButtonImageList m_wndButtonList;
    CButton m_wndEditImage;
    CString m_strButtonDescr;
    CZAVPToolbarButton* m_pButton;  // not owned
    CZAVPImageStrip* m_pImages;     // the user images, may be null
    BOOL m_bMenuMode;
    BOOL m_bUserTool;
    CRect m_rectDefaultImage;  // dialog client coordinates

    DECLARE_MESSAGE_MAP()
};
