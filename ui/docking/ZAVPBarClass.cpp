// Window classes of the bars (see ZAVPBarClass.h).
#include "ui/docking/ZAVPBarClass.h"

#include "framework/CException.h"
#include "framework/CResourceException.h"
#include "framework/CWinApp.h"

namespace ZAVPBarClass
{
CString Register(LPCSTR lpszPrefix, UINT nExtraClassStyle)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    HCURSOR hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    const UINT nClassStyle = CS_DBLCLKS | nExtraClassStyle;
    const UINT_PTR nBackground = COLOR_BTNFACE + 1;
    CString strName;
    strName.Format("%s:%x:%x:%x:%x", lpszPrefix, (UINT)(UINT_PTR)hInst, nClassStyle,
                   (UINT)(UINT_PTR)hCursor, (UINT)nBackground);
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInst, strName, &wc)) return strName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hCursor = hCursor;
    wc.hbrBackground = (HBRUSH)nBackground;
    wc.lpszClassName = strName;
    if (!::RegisterClassA(&wc)) AfxThrowResourceException();
    return strName;
}

CString TryRegister(LPCSTR lpszPrefix, UINT nExtraClassStyle)
{
    try {
        return Register(lpszPrefix, nExtraClassStyle);
    } catch (CException* e) {
        e->Delete();
        return CString();
    }
}
}  // namespace ZAVPBarClass
