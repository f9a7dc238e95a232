// CDialogBar (see CDialogBar.h).
#include "framework/CDialogBar.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

namespace
{
const int kDefaultHeight = 28;  // a row of push buttons
const int kStretched = 32767;
}  // namespace

CDialogBar::CDialogBar() : m_sizeDefault(0, kDefaultHeight) {}

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nStyle, UINT nID)
{
    m_dwStyle = nStyle & CBRS_ALL;
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1), nullptr);
    return CWnd::Create(lpszClass, nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | (nStyle & ~CBRS_ALL),
                        CRect(0, 0, 0, 0), pParentWnd, nID);
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (!bStretch) return m_sizeDefault;
    return bHorz ? CSize(kStretched, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, kStretched);
}
