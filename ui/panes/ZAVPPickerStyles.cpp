// What the picker popups share (see ZAVPPickerStyles.h).
#include "ui/panes/ZAVPPickerStyles.h"

#include "framework/CWinApp.h"
#include "framework/CFrameWnd.h"

namespace ZAVPPickerStyles
{
CWnd* TopFrameOf(CWnd* pWnd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd())
        return pApp->m_pMainWnd;
    return pWnd != nullptr ? pWnd->GetTopLevelFrame() : nullptr;
}
}  // namespace ZAVPPickerStyles
