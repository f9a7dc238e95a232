// The text of accelerator entries: modifiers always in the order Ctrl, Shift, Alt, a virtual key
// by its name, a character key as itself, and Escape as a character left out.
#include <gtest/gtest.h>

#include "ui/foundation/CZAVPAccelText.h"

namespace
{
CString TextOf(BYTE fVirt, WORD key)
{
    const ACCEL accel = {fVirt, key, 1};
    CString text("stale");
    CZAVPAccelText(&accel).Format(text);
    return text;
}
}  // namespace

TEST(AccelText, ModifiersComeInAFixedOrder)
{
    const CString ctrl = CZAVPAccelText::GetKeyName(VK_CONTROL);
    const CString shift = CZAVPAccelText::GetKeyName(VK_SHIFT);
    const CString alt = CZAVPAccelText::GetKeyName(VK_MENU);
    const CString f5 = CZAVPAccelText::GetKeyName(VK_F5);
    EXPECT_STREQ((LPCSTR)(ctrl + "+" + shift + "+" + f5),
                 (LPCSTR)TextOf(FVIRTKEY | FSHIFT | FCONTROL, VK_F5));
    EXPECT_STREQ((LPCSTR)(ctrl + "+" + alt + "+A"), (LPCSTR)TextOf(FALT | FCONTROL, 'A'));
    // A character entry for Escape keeps only its modifiers, each with its "+".
    EXPECT_STREQ((LPCSTR)(shift + "+"), (LPCSTR)TextOf(FSHIFT, 27));
    EXPECT_STREQ("", (LPCSTR)TextOf(0, 27));
}

TEST(AccelText, KeyNamesAreCapitalisedWords)
{
    const CString name = CZAVPAccelText::GetKeyName(VK_CONTROL);
    if (name.GetLength() == 0) GTEST_SKIP() << "the keyboard layout names no keys here";
    // The first letter upper case, every other one lower case ("Ctrl", not "CTRL").
    bool first = true;
    for (int i = 0; i < name.GetLength(); ++i) {
        const char c = name[i];
        if (!IsCharAlphaA(c)) continue;
        EXPECT_EQ(first, IsCharUpperA(c) != FALSE) << (LPCSTR)name;
        first = false;
    }
}
