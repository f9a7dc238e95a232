// The plain rules of the customisation sheet and its pages (see the header).
#include "ui/toolbars/ZAVPCustomizeRules.h"

namespace ZAVPCustomizeRules
{
CString CleanCommandText(const CString& strText, BOOL bAllowAmpersands)
{
    CString str = strText;
    if (!bAllowAmpersands) str.Remove('&');
    const int iTab = str.Find('\t');
    if (iTab >= 0) str = str.Left(iTab);
    return str;
}

CString PromptName(const CString& strPrompt)
{
    const int iNewLine = strPrompt.Find('\n');
    return iNewLine < 0 ? CString() : strPrompt.Mid(iNewLine + 1);
}

CString MenuPathUserText(const CString& strPath, const CString& strText)
{
    CString str = strPath + strText;
    for (int i = 1; i < str.GetLength(); ++i) {
        if (str[i - 1] != ' ') continue;
        char ch[2] = {str[i], 0};
        ::CharUpperBuffA(ch, 1);
        str.SetAt(i, ch[0]);
    }
    str.Remove(' ');
    const int iTab = str.Find('\t');
    if (iTab >= 0) str = str.Left(iTab);
    return str;
}

std::vector<PageKind> SheetPages(const PageInputs& in)
{
    std::vector<PageKind> pages = {kCommandsPage, kToolbarsPage};
    if (!(in.dwOptions & kOptNoTools) && in.bToolsManager) pages.push_back(kToolsPage);
    if (in.bKeyboardManager && in.bFrameAccelerators) pages.push_back(kKeyboardPage);
    if (in.bContextMenuManager || in.bFrameMenuBar) pages.push_back(kMenuPage);
    if (in.bMouseManager) pages.push_back(kMousePage);
    for (int i = 0; i < in.nExtraPages; ++i) pages.push_back(kExtraPage);
    pages.push_back(kOptionsPage);
    return pages;
}

KeyCapture::Result KeyCapture::OnKey(UINT message, UINT nVirtKey, LPARAM lParam, bool& bReset)
{
    bReset = false;
    const bool bDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const bool bRepeat = (lParam & (1L << 30)) != 0;
    if (bDown && !bRepeat && bDefined) {
        Reset();  // a new combination starts
        bReset = true;
    }
    if (!bDefined) {
        BYTE fModifier = 0;
        switch (nVirtKey) {
        case VK_SHIFT: fModifier = FSHIFT; break;
        case VK_CONTROL: fModifier = FCONTROL; break;
        case VK_MENU: fModifier = FALT; break;
        default: break;
        }
        if (fModifier != 0) {
            if (bDown)
                accel.fVirt |= fModifier;
            else
                accel.fVirt &= (BYTE)~fModifier;
        } else if (!bReady) {
            bReady = TRUE;
            return kSwallow;
        } else {
            accel.key = (WORD)nVirtKey;
            if (bDown) {
                bDefined = TRUE;
                accel.fVirt |= FVIRTKEY;
            }
        }
    }
    const bool bNoModifier = (accel.fVirt & (FSHIFT | FCONTROL | FALT)) == 0;
    if (bNoModifier && (accel.fVirt & FVIRTKEY)) {
        if (accel.key == VK_TAB) {
            Reset();
            bReset = true;
            return kPassOn;
        }
        if (accel.key == VK_ESCAPE) {
            Reset();
            bReset = true;
            return kSwallow;
        }
    }
    return kShow;
}

int FindAccel(const std::vector<ACCEL>& table, WORD wKey, BYTE fVirt)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].key == wKey && (table[i].fVirt & kAccelKeyMask) == (fVirt & kAccelKeyMask))
            return (int)i;
    return -1;
}

std::vector<ACCEL> AddAccel(const std::vector<ACCEL>& table, const ACCEL& accel)
{
    std::vector<ACCEL> result = table;
    result.push_back(accel);
    return result;
}

std::vector<ACCEL> RemoveAccel(const std::vector<ACCEL>& table, int nIndex)
{
    std::vector<ACCEL> result = table;
    if (nIndex >= 0 && nIndex < (int)result.size()) result.erase(result.begin() + nIndex);
    return result;
}
}  // namespace ZAVPCustomizeRules
