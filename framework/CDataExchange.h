// Dialog data exchange: moves values between a window's controls and its members in either
// direction (UpdateData), and validates on the way in. A field that does not validate is
// reported, gets the focus back and stops the exchange; the window stays as it is.
#pragma once

#include <windows.h>
#include "framework/CString.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;  // the control being exchanged (gets the focus on failure)
    BOOL m_bEditLastControl = FALSE;   // it is an edit: its text is selected on failure

    HWND PrepareCtrl(int nIDC);  // throws CNotSupportedException for a missing control
    HWND PrepareEditCtrl(int nIDC);
    // Gives the last control the focus back and ends the exchange (UpdateData returns FALSE).
    [[noreturn]] void Fail();

    struct Failure
    {};  // what Fail throws; caught by UpdateData only

    // Applies dialog initialisation data (RT_DLGINIT records: WORD control id, WORD message,
    // DWORD length, data; a zero id ends them) to the controls of hDlg. cbData bounds the
    // records ((DWORD)-1 when unknown). FALSE when a record runs past the end.
    static BOOL ApplyDlgInit(HWND hDlg, const BYTE* pData, DWORD cbData);
};

// The text of an integer field: optional blanks, an optional sign, decimal digits, optional
// blanks, and nothing else; values outside int are refused. Pure, for the tests.
BOOL AfxParseInt(LPCSTR lpszText, int* pValue);

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);  // "Please enter an integer."
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
