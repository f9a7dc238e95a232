// The shortcut field of the keyboard page (see the header).
#include "ui/toolbars/CZAVPKeyCaptureEdit.h"

BEGIN_MESSAGE_MAP(CZAVPKeyCaptureEdit, CEdit)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CZAVPKeyCaptureEdit::ResetKey()
{
    m_Capture.Reset();
    if (m_hWnd != nullptr) SetWindowText("");
}

void CZAVPKeyCaptureEdit::SetAccelFlag(BYTE bFlag, BOOL bOn)
{
    if (bOn)
        m_Capture.accel.fVirt |= bFlag;
    else
        m_Capture.accel.fVirt &= (BYTE)~bFlag;
}

BOOL CZAVPKeyCaptureEdit::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        m_Capture.bReady = TRUE;
        SetFocus();
        return TRUE;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: {
        bool bReset = false;
        const auto result = m_Capture.OnKey(pMsg->message, (UINT)pMsg->wParam, pMsg->lParam,
                                            bReset);
        if (bReset) SetWindowText("");
        if (result == ZAVPCustomizeRules::KeyCapture::kPassOn) return FALSE;
        if (result == ZAVPCustomizeRules::KeyCapture::kShow) {
            CString strKey;
            m_Helper.Format(strKey);
            SetWindowText(strKey);
        }
        return TRUE;
    }
    default: return CEdit::PreTranslateMessage(pMsg);
    }
}

void CZAVPKeyCaptureEdit::OnKillFocus(CWnd* /*pNewWnd*/)
{
    m_Capture.bReady = FALSE;
    Default();
}
