// Dialogs: creation from templates, the modal loop, OK/Cancel, initial data and routing.
#include "framework/CDialog.h"
#include "framework/CFrameWnd.h"
#include "framework/CGdiObject.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

CDialog::CDialog() {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate),
      m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr) DestroyWindow();
}

LPCDLGTEMPLATEA CDialog::LoadTemplate(HINSTANCE& hInst) const
{
    hInst = AfxGetResourceHandle();
    if (m_lpszTemplateName == nullptr) return m_lpDialogTemplate;
    hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr) return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate != nullptr ? (LPCDLGTEMPLATEA)::LockResource(hTemplate) : nullptr;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    // EndDialog inside OnInitDialog clears the flag again and the modal loop is never entered.
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, AfxGetSafeHwnd(pParentWnd),
                                             AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
    HINSTANCE hInst;
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate(hInst);
    if (lpTemplate == nullptr) return FALSE;
    if (pParentWnd == nullptr) pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    if (pParentWnd == nullptr) pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd,
                                void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst;
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate(hInst);
    if (lpTemplate == nullptr) return -1;
    // The owner (and its top-level window) stays disabled while the dialog runs.
    HWND hWndParent = AfxGetSafeHwnd(CWnd::GetSafeOwner_(AfxGetSafeHwnd(m_pParentWnd), &m_hWndTop));
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() &&
        ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    try {
        if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
            if (m_nFlags & WF_CONTINUEMODAL) {
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG) dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            if (m_hWnd != nullptr)
                SetWindowPos(nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE |
                                 SWP_NOZORDER);
        }
    } catch (...) {
        m_nModalResult = -1;
    }
    if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
    DestroyWindow();
    if (m_hWndTop != nullptr) ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = nullptr;
    return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return OnInitDialog();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::OnInitDialog()
{
    BOOL bDlgInit = m_lpDialogInit != nullptr ? ExecuteDlgInit(m_lpDialogInit)
                                              : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit) {
        ::OutputDebugStringA("Lornival: the dialog's initial data is damaged\n");
        EndDialog(-1);
        return FALSE;
    }
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;  // the dialog manager gives the first control the focus
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;  // a field did not validate: the dialog stays
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr) ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame != nullptr && pFrame->m_bHelpMode) return FALSE;
    // Keyboard and mouse input goes through the dialog manager (tabbing, default buttons, Esc).
    BOOL bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                  (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return bInput && ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    // Menu-style commands the dialog does not handle go to its owner, then to the thread.
    if ((nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) || nID < 0x8000 ||
        nID > 0xDFFF)
        return FALSE;
    CWnd* pOwner = GetParent();
    if (pOwner != nullptr && pOwner->m_hWnd != nullptr &&
        pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
