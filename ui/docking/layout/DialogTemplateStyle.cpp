// Dialog-template bars (see DialogTemplateStyle.h).
#include "ui/docking/layout/DialogTemplateStyle.h"

#include <cstring>

namespace DockLayout
{
namespace
{
// Extended template: version WORD, signature WORD, help id, extended style, style, item count,
// x, y, cx, cy (26 bytes before the menu). Plain template: DLGTEMPLATE (18 bytes).
const DWORD kExtendedHeader = 26;
const DWORD kExtendedStyleOffset = 12;
const DWORD kPlainHeader = 18;
const WORD kExtendedVersion = 1;
const WORD kExtendedSignature = 0xFFFF;
const DWORD kDialogStyleBits = 0x0000FFFF;  // DS_* live in the low word
}  // namespace

BOOL DialogTemplateStyleOffset(const BYTE* pTemplate, DWORD nSize, DWORD& nOffset)
{
    if (pTemplate == nullptr) return FALSE;
    if (nSize >= 4) {
        WORD wVersion, wSignature;
        std::memcpy(&wVersion, pTemplate, sizeof wVersion);
        std::memcpy(&wSignature, pTemplate + 2, sizeof wSignature);
        if (wVersion == kExtendedVersion && wSignature == kExtendedSignature) {
            if (nSize < kExtendedHeader) return FALSE;
            nOffset = kExtendedStyleOffset;
            return TRUE;
        }
    }
    if (nSize < kPlainHeader) return FALSE;
    nOffset = 0;
    return TRUE;
}

DWORD DialogBarStyle(DWORD dwTemplateStyle, DWORD dwBarWindowStyle)
{
    return (dwTemplateStyle & kDialogStyleBits) |
           (dwBarWindowStyle & ~kDialogStyleBits & ~(DWORD)WS_POPUP) | WS_CHILD;
}
}  // namespace DockLayout
