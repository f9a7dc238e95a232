// Bars from dialog templates without windows: where each kind of template keeps its style, short
// templates refused, and the style a bar's window is made with.
#include <gtest/gtest.h>

#include <vector>

#include "ui/docking/layout/DialogTemplateStyle.h"

using namespace DockLayout;

TEST(DialogTemplateStyle, TheStyleIsFoundInBothKindsAndShortTemplatesAreRefused)
{
    struct Case
    {
        std::vector<BYTE> bytes;
        BOOL bFound;
        DWORD nOffset;
    } cases[] = {
        // Extended: version 1, signature 0xFFFF, 26 header bytes.
        {{1, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         TRUE,
         12},
        // Extended header cut short.
        {{1, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0, 0x40}, FALSE, 0},
        // Plain: 18 header bytes, the style first.
        {std::vector<BYTE>(18, 0), TRUE, 0},
        {std::vector<BYTE>(17, 0), FALSE, 0},
        {{}, FALSE, 0},
    };
    for (const Case& c : cases) {
        DWORD nOffset = 99;
        EXPECT_EQ(c.bFound,
                  DialogTemplateStyleOffset(c.bytes.data(), (DWORD)c.bytes.size(), nOffset))
            << c.bytes.size();
        if (c.bFound) {
            EXPECT_EQ(c.nOffset, nOffset);
        }
    }
    DWORD nOffset = 0;
    EXPECT_FALSE(DialogTemplateStyleOffset(nullptr, 40, nOffset));
}

TEST(DialogTemplateStyle, TheBarIsAChildWithItsOwnStyleAndTheTemplatesDialogBits)
{
    // A popup template with a caption, a font and a modal frame, made into a visible bar.
    const DWORD dwTemplate = WS_POPUP | WS_CAPTION | WS_DISABLED | DS_SETFONT | DS_MODALFRAME;
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_SETFONT | DS_MODALFRAME),
              DialogBarStyle(dwTemplate, WS_VISIBLE | WS_CLIPSIBLINGS));
    // A bar asked without WS_CHILD still becomes one, never a popup.
    EXPECT_EQ((DWORD)(WS_CHILD | DS_SETFONT), DialogBarStyle(WS_CHILD | DS_SETFONT, WS_POPUP));
}
