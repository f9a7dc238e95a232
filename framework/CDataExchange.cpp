// Dialog data exchange: the DDX_ routines, integer parsing and dialog initialisation data.
#include "framework/CDataExchange.h"
#include "framework/CNotSupportedException.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include <climits>
#include <vector>

namespace
{
// The platform's prompts and their string ids; a program may override them in its string table.
const UINT kIdpParseInt = 0xF110;

CString Prompt(UINT nID, LPCSTR fallback)
{
    CString s;
    if (!s.LoadString(nID)) s = fallback;
    return s;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Sign and magnitude of an integer field, or false for anything else.
bool ParseDecimal(LPCSTR p, bool& negative, unsigned long long& magnitude)
{
    if (p == nullptr) return false;
    while (IsBlank(*p)) p++;
    negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (*p < '0' || *p > '9') return false;
    magnitude = 0;
    for (; *p >= '0' && *p <= '9'; p++) {
        magnitude = magnitude * 10 + (unsigned)(*p - '0');
        if (magnitude > 0xFFFFFFFFull) return false;  // far beyond int: stop counting
    }
    while (IsBlank(*p)) p++;
    return *p == '\0';
}

CString ControlText(HWND hWnd)
{
    CString s;
    CWnd::FromHandle(hWnd)->GetWindowText(s);
    return s;
}
}  // namespace

BOOL AfxParseInt(LPCSTR lpszText, int* pValue)
{
    bool negative;
    unsigned long long magnitude;
    if (!ParseDecimal(lpszText, negative, magnitude)) return FALSE;
    if (negative ? magnitude > 0x80000000ull : magnitude > 0x7FFFFFFFull) return FALSE;
    *pValue = negative ? (int)(0 - magnitude) : (int)magnitude;
    return TRUE;
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr) {
        char text[64];
        wsprintfA(text, "Lornival: no control %d for data exchange\n", nIDC);
        ::OutputDebugStringA(text);
        throw new CNotSupportedException;
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw Failure();
}

BOOL CDataExchange::ApplyDlgInit(HWND hDlg, const BYTE* pData, DWORD cbData)
{
    // Win16 message numbers the resource compiler writes for list and combo strings.
    const WORD kLbAddString16 = 0x0401, kCbAddString16 = 0x0403;
    DWORD pos = 0;
    for (;;) {
        if (cbData != (DWORD)-1 && pos + sizeof(WORD) > cbData) return FALSE;
        WORD nIDC = *(const WORD*)(pData + pos);
        if (nIDC == 0) return TRUE;
        if (cbData != (DWORD)-1 && pos + 8 > cbData) return FALSE;
        WORD nMsg = *(const WORD*)(pData + pos + 2);
        DWORD dwLen = *(const DWORD*)(pData + pos + 4);
        pos += 8;
        if (cbData != (DWORD)-1 && dwLen > cbData - pos) return FALSE;
        UINT msg = nMsg == kLbAddString16   ? LB_ADDSTRING
                   : nMsg == kCbAddString16 ? CB_ADDSTRING
                                            : nMsg;
        if (msg == LB_ADDSTRING || msg == CB_ADDSTRING) {
            // The text is stored with its zero, but a copy never reads past the record.
            std::vector<char> text(pData + pos, pData + pos + dwLen);
            text.push_back('\0');
            ::SendDlgItemMessageA(hDlg, nIDC, msg, 0, (LPARAM)text.data());
        }
        pos += dwLen;
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr) rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int parsed;
        if (!AfxParseInt(ControlText(hWndCtrl), &parsed)) {
            AfxMessageBox(Prompt(kIdpParseInt, "Please enter an integer."),
                          MB_OK | MB_ICONEXCLAMATION, kIdpParseInt);
            pDX->Fail();
        }
        value = parsed;
    } else {
        char text[16];
        wsprintfA(text, "%d", value);
        ::SetWindowTextA(hWndCtrl, text);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)(value >= 0 && value <= 2 ? value : 0), 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = ControlText(hWndCtrl);
    } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value) ==
               CB_ERR) {
        // Not in the list: the edit part shows the text (a drop-down list ignores it).
        ::SetWindowTextA(hWndCtrl, value);
    }
}
