// Colours of the image strips (see ZAVPStripColors.h).
#include "ui/foundation/ZAVPStripColors.h"

#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"

namespace ZAVPStripColors
{
namespace
{
struct Pair
{
    COLORREF standard;
    COLORREF SystemColors::*system;
};

// In table order: a system colour that stands for two standard colours maps back to the first.
const Pair kTable[] = {
    {0x000000, &SystemColors::text},
    {0x808080, &SystemColors::shadow},
    {0xC0C0C0, &SystemColors::face},
    {0xFFFFFF, &SystemColors::highlight},
};
}  // namespace

BOOL StandardToSystem(COLORREF color, const SystemColors& sys, COLORREF& mapped)
{
    for (const Pair& p : kTable)
        if (p.standard == color) {
            mapped = sys.*p.system;
            return TRUE;
        }
    return FALSE;
}

BOOL SystemToStandard(COLORREF color, const SystemColors& sys, COLORREF& mapped)
{
    for (const Pair& p : kTable)
        if (sys.*p.system == color) {
            mapped = p.standard;
            return TRUE;
        }
    return FALSE;
}

SystemColors Current()
{
    return {globalData.clrBtnText, globalData.clrBtnShadow, globalData.clrBtnFace,
            globalData.clrBtnHilite};
}

BOOL StandardToSystem(COLORREF color, COLORREF& mapped)
{
    return StandardToSystem(color, Current(), mapped);
}

BOOL SystemToStandard(COLORREF color, COLORREF& mapped)
{
    return SystemToStandard(color, Current(), mapped);
}

COLORREF Face() { return globalData.clrBtnFace; }

COLORREF Shadow() { return globalData.clrBtnShadow; }

COLORREF Highlight() { return globalData.clrBtnHilite; }

int ScreenBitsPerPixel() { return globalData.m_nBitsPerPixel; }

BOOL IsWindowsNT() { return !globalData.bIsWindows9x; }

HBRUSH FaceBrush() { return (HBRUSH)globalData.brBtnFace.GetSafeHandle(); }

HBRUSH LightBrush() { return (HBRUSH)globalData.brLight.GetSafeHandle(); }

HBRUSH HighlightBrush() { return globalData.hbrBtnHilite; }

HBRUSH ShadowBrush() { return globalData.hbrBtnShadow; }

BOOL EmbossDisabledImages() { return CZAVPVisualManager::GetInstance()->m_bEmbossDisabledImage; }
}  // namespace ZAVPStripColors
