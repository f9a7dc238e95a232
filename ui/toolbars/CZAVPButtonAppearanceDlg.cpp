// The button appearance dialog (see the header).
#include "ui/toolbars/CZAVPButtonAppearanceDlg.h"

#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CException.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPIconEditorDlg.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/CZAVPUserTool.h"

BEGIN_MESSAGE_MAP(CZAVPButtonAppearanceDlg, CDialog)
ON_BN_CLICKED(IDC_ZAVP_SHOW_IMAGE, &CZAVPButtonAppearanceDlg::OnImage)
ON_BN_CLICKED(IDC_ZAVP_SHOW_TEXT, &CZAVPButtonAppearanceDlg::OnText)
ON_BN_CLICKED(IDC_ZAVP_SHOW_IMAGE_AND_TEXT, &CZAVPButtonAppearanceDlg::OnImageAndText)
ON_BN_CLICKED(IDC_ZAVP_USER_IMAGE_RADIO, &CZAVPButtonAppearanceDlg::OnUserImage)
ON_BN_CLICKED(IDC_ZAVP_DEFAULT_IMAGE_RADIO, &CZAVPButtonAppearanceDlg::OnDefaultImage)
ON_BN_CLICKED(IDC_ZAVP_USER_IMAGES, &CZAVPButtonAppearanceDlg::OnImageList)
ON_BN_CLICKED(IDC_ZAVP_NEW_IMAGE, &CZAVPButtonAppearanceDlg::OnNewImage)
ON_BN_CLICKED(IDC_ZAVP_EDIT_IMAGE, &CZAVPButtonAppearanceDlg::OnEditImage)
ON_WM_PAINT()
END_MESSAGE_MAP()

CZAVPButtonAppearanceDlg::CZAVPButtonAppearanceDlg(CZAVPToolbarButton* pButton,
                                                   CZAVPImageStrip* pImages, CWnd* pParent,
                                                   int /*iStartImage*/, BOOL bMenuMode)
    : CDialog(IDD_ZAVP_BUTTON_APPEARANCE, pParent), m_pButton(pButton), m_pImages(pImages),
      m_bMenuMode(bMenuMode)
{
    m_bUserTool = g_pUserToolsManager != nullptr &&
                  g_pUserToolsManager->FindTool(pButton->m_nID) != nullptr;
    if (pButton->m_bUserButton)
        m_bUserButton = TRUE;
    else
        m_bUserButton = !m_bUserTool && GetCommandManager()->GetCommandImage(pButton->m_nID) < 0;
    m_iSelImage = pButton->GetImage();
    m_bImage = pButton->m_bImage;
    if (!bMenuMode && GetCommandManager()->IsMenuImageHidden(pButton->m_nID)) m_bImage = FALSE;
    m_bText = bMenuMode || pButton->m_bTextBelow ? TRUE : pButton->m_bText;
}

void CZAVPButtonAppearanceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_DEFAULT_IMAGE_RADIO, m_wndDefaultImage);
    DDX_Control(pDX, IDC_ZAVP_USER_IMAGE_RADIO, m_wndUserImage);
    DDX_Control(pDX, IDC_ZAVP_DEFAULT_IMAGE, m_wndDefaultImageArea2);
    DDX_Control(pDX, IDC_ZAVP_TEXT, m_wndButtonText);
    DDX_Control(pDX, IDC_ZAVP_NEW_IMAGE, m_wndAddImage);
    DDX_Control(pDX, IDC_ZAVP_USER_IMAGES, m_wndButtonList);
    DDX_Control(pDX, IDC_ZAVP_EDIT_IMAGE, m_wndEditImage);
    DDX_Text(pDX, IDC_ZAVP_TEXT, m_strButtonText);
    DDX_Text(pDX, IDC_ZAVP_COMMAND_DESCRIPTION, m_strButtonDescr);
}

BOOL CZAVPButtonAppearanceDlg::HasDefaultImage() const
{
    return GetCommandManager()->GetCommandImage(m_pButton->m_nID) >= 0;
}

int CZAVPButtonAppearanceDlg::DefaultImage() const
{
    if (m_bUserTool) return 0;
    return GetCommandManager()->GetCommandImage(m_pButton->m_nID);
}

BOOL CZAVPButtonAppearanceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pImages != nullptr) {
        m_wndButtonList.SetImages(m_pImages);
        if (m_bUserButton) m_wndButtonList.SelectImage(m_iSelImage);
    } else {
        m_wndButtonList.EnableWindow(FALSE);
        m_wndUserImage.EnableWindow(FALSE);
        if (m_iSelImage < 0) {
            GetDlgItem(IDC_ZAVP_SHOW_IMAGE)->EnableWindow(FALSE);
            GetDlgItem(IDC_ZAVP_SHOW_IMAGE_AND_TEXT)->EnableWindow(FALSE);
        }
    }
    const BOOL bUserChecked = m_bUserButton && !m_pButton->IsLocked();
    m_wndUserImage.SetCheck(bUserChecked);
    m_wndDefaultImage.SetCheck(!bUserChecked);

    if (!m_bImage) {
        CheckDlgButton(IDC_ZAVP_SHOW_TEXT, 1);
        m_bText = TRUE;
        m_wndButtonList.EnableWindow(FALSE);
    } else {
        CheckDlgButton(m_bText ? IDC_ZAVP_SHOW_IMAGE_AND_TEXT : IDC_ZAVP_SHOW_IMAGE, 1);
    }

    const int iTab = m_pButton->m_strText.Find('\t');
    if (iTab >= 0) {
        m_strButtonText = m_pButton->m_strText.Left(iTab);
        m_strAccel = m_pButton->m_strText.Mid(iTab + 1);
    } else {
        m_strButtonText = m_pButton->m_strText;
    }
    if (CFrameWnd* pFrame = GetTopLevelFrame())
        pFrame->GetMessageString(m_pButton->m_nID, m_strButtonDescr);
    else if (CWnd* pMain = AfxGetMainWnd())
        if (pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            static_cast<CFrameWnd*>(pMain)->GetMessageString(m_pButton->m_nID, m_strButtonDescr);

    if (m_bMenuMode) {
        GetDlgItem(IDC_ZAVP_SHOW_IMAGE)->EnableWindow(FALSE);
        if (m_iSelImage < 0) {
            GetDlgItem(IDC_ZAVP_SHOW_TEXT)->EnableWindow(FALSE);
            GetDlgItem(IDC_ZAVP_SHOW_IMAGE_AND_TEXT)->EnableWindow(FALSE);
        }
    }
    if (m_pButton->m_bTextBelow) GetDlgItem(IDC_ZAVP_SHOW_IMAGE)->EnableWindow(FALSE);

    m_wndDefaultImageArea2.GetClientRect(m_rectDefaultImage);
    m_wndDefaultImageArea2.MapWindowPoints(this, m_rectDefaultImage);
    const CSize sizeImage = CZAVPToolBar::m_sizeImage;
    m_rectDefaultImage.right = m_rectDefaultImage.left + sizeImage.cx;
    m_rectDefaultImage.bottom = m_rectDefaultImage.top + sizeImage.cy;
    EnableControls();
    UpdateData(FALSE);
    return TRUE;
}

void CZAVPButtonAppearanceDlg::EnableControls()
{
    const BOOL bReadOnly = m_pImages != nullptr && m_pImages->IsReadOnly();
    const BOOL bListOn = m_bImage && m_pImages != nullptr && m_bUserButton && !m_bMenuMode &&
                         !bReadOnly;
    m_wndButtonText.EnableWindow(m_bText && !(m_bUserTool && m_bMenuMode));
    m_wndButtonList.EnableWindow(bListOn);
    m_wndAddImage.EnableWindow(bListOn);
    m_wndEditImage.EnableWindow(bListOn && m_wndButtonList.GetSelImage() >= 0);
    m_wndUserImage.EnableWindow(m_bImage && m_pImages != nullptr && !m_bMenuMode);
    m_wndDefaultImage.EnableWindow(m_bUserTool || (m_bImage && HasDefaultImage() && !m_bMenuMode));
    InvalidateRect(m_rectDefaultImage);
}

void CZAVPButtonAppearanceDlg::OnImage()
{
    m_bImage = TRUE;
    m_bText = FALSE;
    EnableControls();
}

void CZAVPButtonAppearanceDlg::OnText()
{
    m_bText = TRUE;
    m_bImage = FALSE;
    EnableControls();
}

void CZAVPButtonAppearanceDlg::OnImageAndText()
{
    m_bImage = TRUE;
    m_bText = TRUE;
    EnableControls();
}

void CZAVPButtonAppearanceDlg::OnUserImage()
{
    m_iSelImage = -1;
    m_bUserButton = TRUE;
    m_wndDefaultImage.SetCheck(0);
    m_wndButtonList.SelectImage(-1);
    EnableControls();
}

void CZAVPButtonAppearanceDlg::OnDefaultImage()
{
    m_iSelImage = m_pButton->GetImage();
    m_bUserButton = FALSE;
    m_wndUserImage.SetCheck(0);
    EnableControls();
}

void CZAVPButtonAppearanceDlg::OnImageList()
{
    m_iSelImage = m_wndButtonList.GetSelImage();
    m_wndEditImage.EnableWindow(m_iSelImage >= 0 && m_pImages != nullptr &&
                                !m_pImages->IsReadOnly());
}

BOOL CZAVPButtonAppearanceDlg::EditBitmap(CBitmap& bitmap)
{
    const int nBitsPerPixel = m_pImages != nullptr ? m_pImages->GetBitsPerPixel() : -1;
    if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::GetCurrent())
        return pSheet->OnEditToolbarMenuImage(this, bitmap, nBitsPerPixel);
    CZAVPIconEditorDlg dlg(&bitmap, this, nBitsPerPixel);
    return dlg.DoModal() == IDOK;
}

void CZAVPButtonAppearanceDlg::OnNewImage()
{
    if (m_pImages == nullptr) return;
    try {
        const CSize sizeImage = m_pImages->GetImageSize();
        CBitmap bitmap;
        {
            CClientDC dcList(&m_wndButtonList);
            if (!bitmap.CreateCompatibleBitmap(&dcList, sizeImage.cx, sizeImage.cy)) {
                AfxMessageBox(IDS_ZAVP_CANT_CREATE_IMAGE);
                return;
            }
        }
        HDC hdcMem = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hdcMem, bitmap.GetSafeHandle());
        const RECT rect = {0, 0, sizeImage.cx, sizeImage.cy};
        ::FillRect(hdcMem, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
        ::SelectObject(hdcMem, hOld);
        ::DeleteDC(hdcMem);
        if (!EditBitmap(bitmap)) return;
        const int iImage = m_pImages->AddImage((HBITMAP)bitmap.GetSafeHandle());
        if (iImage < 0) {
            AfxMessageBox(IDS_ZAVP_CANT_CREATE_IMAGE);
            return;
        }
        m_wndButtonList.RebuildLocations();
        m_wndButtonList.SelectImage(iImage, TRUE);
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox(IDS_ZAVP_IMAGE_FAILURE);
    }
}

void CZAVPButtonAppearanceDlg::OnEditImage()
{
    const int iImage = m_wndButtonList.GetSelImage();
    if (m_pImages == nullptr || iImage < 0) return;
    try {
        const CSize sizeImage = m_pImages->GetImageSize();
        CBitmap bitmap;
        {
            CClientDC dcList(&m_wndButtonList);
            if (!bitmap.CreateCompatibleBitmap(&dcList, sizeImage.cx, sizeImage.cy)) return;
        }
        CDC dcMem;
        dcMem.CreateCompatibleDC(nullptr);
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        dcMem.FillSolidRect(CRect(0, 0, sizeImage.cx, sizeImage.cy), RGB(0xC0, 0xC0, 0xC0));
        const COLORREF clrOld = m_pImages->SetTransparentColor(RGB(0xC0, 0xC0, 0xC0));
        CZAVPDrawState ds;
        if (m_pImages->PrepareDrawImage(ds)) {
            m_pImages->Draw(&dcMem, 0, 0, iImage);
            m_pImages->EndDrawImage(ds);
        }
        m_pImages->SetTransparentColor(clrOld);
        dcMem.SelectObject(pOld);
        if (!EditBitmap(bitmap)) return;
        m_pImages->UpdateImage(iImage, (HBITMAP)bitmap.GetSafeHandle());
        m_wndButtonList.Invalidate();
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox(IDS_ZAVP_IMAGE_FAILURE);
    }
}

void CZAVPButtonAppearanceDlg::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = CDC::FromHandle(::BeginPaint(m_hWnd, &ps));
    if (m_bUserTool) {
        if (CZAVPUserTool* pTool = g_pUserToolsManager->FindTool(m_pButton->m_nID))
            pTool->DrawToolIcon(pDC, m_rectDefaultImage);
    } else if (m_pButton->IsLocked()) {
        const BOOL bText = m_pButton->m_bText;
        m_pButton->m_bText = FALSE;
        m_pButton->OnDraw(pDC, m_rectDefaultImage, nullptr, TRUE, FALSE, FALSE, FALSE);
        m_pButton->m_bText = bText;
    } else if (m_bImage && HasDefaultImage()) {
        CZAVPDrawState ds;
        if (CZAVPToolBar::m_Images.PrepareDrawImage(ds)) {
            CZAVPToolBar::m_Images.Draw(pDC, m_rectDefaultImage.left, m_rectDefaultImage.top,
                                        DefaultImage());
            CZAVPToolBar::m_Images.EndDrawImage(ds);
        }
    }
    ::EndPaint(m_hWnd, &ps);
}

void CZAVPButtonAppearanceDlg::OnOK()
{
    if (!UpdateData()) return;
    if (m_wndDefaultImage.GetCheck()) m_iSelImage = DefaultImage();
    if (m_bImage && m_iSelImage < 0) {
        AfxMessageBox(IDS_ZAVP_NEED_IMAGE);
        m_wndButtonList.SetFocus();
        return;
    }
    if (m_bText && m_strButtonText.IsEmpty()) {
        AfxMessageBox(IDS_ZAVP_NEED_TEXT);
        m_wndButtonText.SetFocus();
        return;
    }
    if (!m_pButton->m_bTextBelow) m_pButton->m_bText = m_bText;
    if (m_bMenuMode)
        GetCommandManager()->SetMenuImageShown(m_pButton->m_nID, m_bImage);
    else
        m_pButton->m_bImage = m_bImage;
    m_pButton->m_bUserButton = m_bUserButton;
    m_pButton->SetImage(m_iSelImage);
    m_pButton->m_strText = m_strButtonText;
    if (!m_strAccel.IsEmpty()) m_pButton->m_strText += "\t" + m_strAccel;
    CDialog::OnOK();
}
