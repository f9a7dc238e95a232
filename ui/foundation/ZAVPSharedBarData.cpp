// Process-wide toolbar and mini-frame values read by the foundation (see ZAVPSharedBarData.h).
#include "ui/foundation/ZAVPSharedBarData.h"

#include "ui/foundation/ZAVPUiThread.h"

namespace ZAVPSharedBarData
{
namespace
{
const INT_PTR kListBlockSize = 10;
}

CObList& AllToolbars()
{
    ZAVP_ASSERT_UI_THREAD();
    static CObList list(kListBlockSize);
    return list;
}

CPtrList& AllMiniFrames()
{
    ZAVP_ASSERT_UI_THREAD();
    static CPtrList list(kListBlockSize);
    return list;
}

CObList& FrameCustomizeMenuItems()
{
    static CObList list(kListBlockSize);
    return list;
}

BOOL g_bCustomizeMode = FALSE;
COLORREF g_clrHotText = (COLORREF)-1;
int g_nButtonBorderCx = 0;
int g_nButtonBorderCy = 0;
CZAVPImageStrip* g_pUserImages = nullptr;
BOOL g_bButtonImageUpdate = TRUE;
BOOL g_bMenuShadows = TRUE;
BOOL g_bEditBoxBorders = FALSE;
SIZE g_sizeMenuImage = {16, 15};
}  // namespace ZAVPSharedBarData
