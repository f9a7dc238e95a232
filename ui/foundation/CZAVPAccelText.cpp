// Text of an accelerator entry (see CZAVPAccelText.h).
#include "ui/foundation/CZAVPAccelText.h"

namespace
{
const int kKeyNameLength = 50;
const int kExtendedKeyBit = 1 << 24;
// Page Up to Help: keys whose scan codes need the extended-key bit to get their own names.
const UINT kFirstExtendedKey = VK_PRIOR;  // 33
const UINT kLastExtendedKey = VK_HELP;    // 47
const WORD kEscape = 27;
}  // namespace

CString CZAVPAccelText::GetKeyName(UINT nVirtKey)
{
    const UINT scan = MapVirtualKeyExA(nVirtKey, 0, GetKeyboardLayout(0));
    LONG lParam = (LONG)((scan << 16) | 1);
    if (nVirtKey >= kFirstExtendedKey && nVirtKey <= kLastExtendedKey) lParam |= kExtendedKeyBit;
    char name[kKeyNameLength + 1] = {};
    GetKeyNameTextA(lParam, name, kKeyNameLength);
    // Lower case, then the first lower-case letter up: CTRL becomes Ctrl, DEL becomes Del.
    for (char* p = name; *p; ++p) *p = (char)(UINT_PTR)CharLowerA((LPSTR)(UINT_PTR)(BYTE)*p);
    for (char* p = name; *p; ++p)
        if (IsCharLowerA(*p)) {
            *p = (char)(UINT_PTR)CharUpperA((LPSTR)(UINT_PTR)(BYTE)*p);
            break;
        }
    return CString(name);
}

void CZAVPAccelText::Format(CString& str) const
{
    str.Empty();
    if (!m_pAccel) return;
    const BYTE fVirt = m_pAccel->fVirt;
    if (fVirt & FCONTROL) str += GetKeyName(VK_CONTROL) + "+";
    if (fVirt & FSHIFT) str += GetKeyName(VK_SHIFT) + "+";
    if (fVirt & FALT) str += GetKeyName(VK_MENU) + "+";
    if (fVirt & FVIRTKEY)
        str += GetKeyName(m_pAccel->key);
    else if (m_pAccel->key != kEscape)
        str += (char)m_pAccel->key;
}
