// The cell editor's character filter.
#include "app/InPlaceEdit.h"

BEGIN_MESSAGE_MAP(InPlaceEdit, CEdit)
ON_WM_CHAR()
END_MESSAGE_MAP()

void InPlaceEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    NMCHAR info = {};
    info.hdr.hwndFrom = m_hWnd;
    info.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    info.hdr.code = NM_CHAR;
    info.ch = nChar;
    HWND parent = ::GetParent(m_hWnd);
    // A non-zero answer swallows the character.
    if (parent && ::SendMessageA(parent, WM_NOTIFY, info.hdr.idFrom, (LPARAM)&info) != 0) return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}
