// The docking demo's customisable toolbar (see DemoCustomize.h).
#include "DemoCustomize.h"

#include <cstring>

#include "resources/AppResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPDropDownToolBar.h"
#include "ui/toolbars/CZAVPDropDownToolbarButton.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarComboBoxButton.h"

namespace
{
const UINT kDrivesCmd = 33101;
const UINT kCustomizeCmd = 33102;
const UINT kSourceBarId = 0xE830;
}  // namespace

bool AddCustomizeDemo(CZAVPFrameWnd* pFrame, CZAVPToolBar& toolBar, DemoCustomize& demo)
{
    demo.source = std::make_unique<CZAVPDropDownToolBar>();
    if (!demo.source->Create(pFrame, WS_CHILD | CBRS_TOP, kSourceBarId) ||
        !demo.source->LoadToolBar(IDR_NAVIGATION))
        return false;
    demo.source->SetOwner(pFrame);

    CZAVPToolbarComboBoxButton* pDrives = new CZAVPToolbarComboBoxButton(kDrivesCmd, -1);
    pDrives->AddItem("X: (CD-ROM)", 'X');
    pDrives->AddItem("Y: (CD-ROM)", 'Y');
    pDrives->SelectEntry(0, FALSE);
    toolBar.InsertSeparator();
    toolBar.InsertButton(pDrives);
    toolBar.InsertButton(new CZAVPDropDownToolbarButton("Navigation", demo.source.get()));
    toolBar.EnableCustomizeButton(TRUE, kCustomizeCmd, "Customize...");
    return true;
}

void ShowCustomizeLook(CZAVPToolBar& toolBar, const char* lpszMode)
{
    if (lpszMode == nullptr) return;
    if (std::strcmp(lpszMode, "customize") == 0) {
        CZAVPToolBar::SetCustomizeMode(TRUE);
        // A click on the first button selects it, as the user's would.
        const CPoint pt = toolBar.GetButton(0)->GetRect().CenterPoint();
        toolBar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        toolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    } else if (std::strcmp(lpszMode, "chevron") == 0) {
        if (CCustomizeButton* pCustomize = toolBar.GetCustomizeButton())
            pCustomize->OnClick(&toolBar, FALSE);
    }
}

bool HandleCustomizeKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_F9) return false;
    CZAVPToolBar::SetCustomizeMode(!CZAVPToolBar::IsCustomizeMode());
    return true;
}
