// The About box.
#include "app/AboutDialog.h"

#include "framework/CDataExchange.h"
#include "framework/WideText.h"
#include "resources/AppResource.h"

namespace
{

// A bold font of the given size in tenths of a point.
void CreateBoldFont(CFont& font, const char* face, LONG tenthsOfPoint)
{
    LOGFONTA lf = {};
    lf.lfHeight = tenthsOfPoint;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    font.CreatePointFontIndirect(&lf);
}

}  // namespace

BEGIN_MESSAGE_MAP(AboutDialog, CDialog)
END_MESSAGE_MAP()

AboutDialog::AboutDialog(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void AboutDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_EMAIL, m_email);
    DDX_Control(pDX, IDC_ABOUT_PRODUCT, m_product);
    DDX_Control(pDX, IDC_ABOUT_HOMEPAGE, m_homePage);
    DDX_Text(pDX, IDC_STATIC_VERSION, m_version);
}

BOOL AboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateBoldFont(m_titleFont, "Arial", 240);
    CreateBoldFont(m_detailFont, "Tahoma", 90);
    m_product.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.GetSafeHandle()), TRUE);
    m_homePage.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_detailFont.GetSafeHandle()),
                           TRUE);
    m_email.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_detailFont.GetSafeHandle()), TRUE);
    m_version = WideToAnsi(L"Версия: 1.16");
    UpdateData(FALSE);
    return TRUE;
}
