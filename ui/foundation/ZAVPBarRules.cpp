// Shared bar rules and values (see ZAVPBarRules.h).
#include "ui/foundation/ZAVPBarRules.h"

#include "framework/CCriticalSection.h"
#include "ui/foundation/CZAVPUserToolsManager.h"

namespace ZAVPBarRules
{
namespace
{
const int kStretched = 32767;
const int kMinShort = 16;
const int kMinLong = 40;
const DWORD kAlignTopBottom = 0xA000;  // CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM

// Reserved ranges of the platform, half-open.
const UINT kRecentFilesFirst = 57616, kRecentFilesEnd = 57632;
const UINT kSystemCommandsFirst = 61440, kSystemCommandsEnd = 61936;
const UINT kOleVerbsFirst = 57872, kOleVerbsEnd = 57888;
const int kWindowListFirst = 65280;  // ids from here up, compared signed: -1 is no such id
}  // namespace

SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return SIZE{bStretch && bHorz ? kStretched : 0, bStretch && !bHorz ? kStretched : 0};
}

SIZE GetMinSize(BOOL bHorz)
{
    return bHorz ? SIZE{kMinShort, kMinLong} : SIZE{kMinLong, kMinShort};
}

int GetRowHeight(const RowInputs& in)
{
    if (in.fixedRowHeight > 0) return in.fixedRowHeight;
    if (in.isMenuBar) return in.menuButtonHeight > 0 ? in.menuButtonHeight : in.defaultButtonHeight;
    const int textHeight = (in.barStyle & kAlignTopBottom) != 0 ? in.textHeight
                                                                : in.verticalTextHeight;
    return in.buttonHeight > textHeight ? in.buttonHeight : textHeight;
}

int GetColumnWidth(BOOL bIsMenuBar, int menuButtonWidth, int defaultButtonWidth, int buttonWidth)
{
    if (bIsMenuBar) return menuButtonWidth > 0 ? menuButtonWidth : defaultButtonWidth;
    return buttonWidth;
}

BOOL IsReservedCommandId(UINT uiCmdId)
{
    if ((uiCmdId >= kRecentFilesFirst && uiCmdId < kRecentFilesEnd) ||
        (uiCmdId >= kSystemCommandsFirst && uiCmdId < kSystemCommandsEnd) ||
        (uiCmdId >= kOleVerbsFirst && uiCmdId < kOleVerbsEnd) || (int)uiCmdId >= kWindowListFirst)
        return TRUE;
    return g_pUserToolsManager != nullptr && uiCmdId == g_pUserToolsManager->GetToolsEntryCmd();
}

const int g_nDragCx = ::GetSystemMetrics(SM_CXDRAG);
const int g_nDragCy = ::GetSystemMetrics(SM_CYDRAG);

CCriticalSection& BarLock()
{
    static CCriticalSection s_lock;
    return s_lock;
}
}  // namespace ZAVPBarRules
