// Keyboard moves and mnemonics of menus (see the header).
#include "ui/toolbars/ZAVPMenuNavigation.h"

namespace ZAVPMenuNavigation
{
namespace
{
BOOL CanHighlight(const NavItem& item)
{
    return !item.bSeparator && !item.bHidden && !item.bWindowButton;
}
}  // namespace

int NextItem(const std::vector<NavItem>& items, int nCurrent, int nStep)
{
    const int nCount = (int)items.size();
    if (nCount == 0) return -1;
    nStep = nStep < 0 ? -1 : 1;
    // From no highlight, forward starts at the first item and back at the last.
    int nIndex = nCurrent;
    if (nIndex < 0 || nIndex >= nCount) nIndex = nStep > 0 ? -1 : nCount;
    for (int nTried = 0; nTried < nCount; ++nTried) {
        nIndex = ((nIndex + nStep) % nCount + nCount) % nCount;
        if (CanHighlight(items[nIndex])) return nIndex;
    }
    return -1;
}

int FirstItem(const std::vector<NavItem>& items) { return NextItem(items, -1, 1); }

int LastItem(const std::vector<NavItem>& items) { return NextItem(items, -1, -1); }

BYTE UpperCase1251(BYTE ch)
{
    if (ch >= 'a' && ch <= 'z') return (BYTE)(ch - 'a' + 'A');
    if (ch >= 0xE0)  // а..я
        return (BYTE)(ch - 0x20);
    switch (ch) {
    case 0xB8: return 0xA8;  // ё
    case 0x90: return 0x80;  // ђ
    case 0x83: return 0x81;  // ѓ
    case 0x9A: return 0x8A;  // љ
    case 0x9C: return 0x8C;  // њ
    case 0x9D: return 0x8D;  // ќ
    case 0x9E: return 0x8E;  // ћ
    case 0x9F: return 0x8F;  // џ
    case 0xA2: return 0xA1;  // ў
    case 0xBC: return 0xA3;  // ј
    case 0xB4: return 0xA5;  // ґ
    case 0xBA: return 0xAA;  // є
    case 0xBF: return 0xAF;  // ї
    case 0xB3: return 0xB2;  // і
    case 0xBE: return 0xBD;  // ѕ
    default: return ch;
    }
}

BYTE Mnemonic(const std::string& strText)
{
    for (size_t i = 0; i + 1 < strText.size(); ++i) {
        if (strText[i] != '&') continue;
        if (strText[i + 1] == '&') {
            ++i;  // a literal ampersand
            continue;
        }
        return UpperCase1251((BYTE)strText[i + 1]);
    }
    return 0;
}

MnemonicMatch FindMnemonic(const std::vector<std::string>& texts, const std::vector<NavItem>& items,
                           BYTE chKey, int nCurrent)
{
    MnemonicMatch match = {-1, 0};
    const BYTE chUpper = UpperCase1251(chKey);
    const int nCount = (int)texts.size();
    if (chUpper == 0 || nCount == 0) return match;

    const int nStart = nCurrent < 0 || nCurrent >= nCount ? 0 : nCurrent + 1;
    for (int nTried = 0; nTried < nCount; ++nTried) {
        const int nIndex = (nStart + nTried) % nCount;
        const BOOL bUsable = nIndex >= (int)items.size() || CanHighlight(items[nIndex]);
        if (!bUsable || Mnemonic(texts[nIndex]) != chUpper) continue;
        if (match.nIndex < 0) match.nIndex = nIndex;
        ++match.nMatches;
    }
    return match;
}
}  // namespace ZAVPMenuNavigation
