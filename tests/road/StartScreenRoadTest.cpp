// What the user sees when the real Lornival.exe starts for the first time: the bar "Обзор" on
// the left with its one tab "По категориям" in its caption, and the status bar with the message
// pane ("Готово") and the CAP, NUM and SCRL indicators, each drawn in the text colour while its
// lock is on and greyed while it is off, following the lock keys as the user presses them. The
// texts are read as the program draws them (through the road's probe). A run of its own: a fresh
// folder and registry key, no disc needed.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>
#include "ProbedRoadSuite.h"
#include "RoadSession.h"
#include "RoadText.h"
#include "ScreenProbe.h"
#include "UserInput.h"

namespace
{
const wchar_t kTreeTab[] = L"По категориям";
const wchar_t kIdleText[] = L"Готово";

struct Indicator
{
    const wchar_t* text;
    WORD key;
};
const Indicator kIndicators[] = {{L"CAP", VK_CAPITAL}, {L"NUM", VK_NUMLOCK}, {L"SCRL", VK_SCROLL}};

std::string Describe(const std::vector<DrawnText>& texts)
{
    std::string out;
    char colour[16];
    for (const DrawnText& t : texts) {
        std::snprintf(colour, sizeof colour, "#%06lX", (unsigned long)t.colour);
        out += (out.empty() ? "" : " | ") + Narrow(t.text) + " " + colour;
    }
    return out;
}

const DrawnText* Find(const std::vector<DrawnText>& texts, const std::wstring& text)
{
    for (const DrawnText& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}
}  // namespace

class StartRoad : public ProbedRoadSuite
{
protected:
    static void SetUpTestSuite() { StartCopy(L"road-start"); }

    static HWND Main() { return s->Main(); }
    static HWND StatusBar()
    {
        for (HWND w : s->Program().Descendants(Main(), nullptr))
            if ((UINT)GetDlgCtrlID(w) == RoadSession::kStatusBarId) return w;
        return nullptr;
    }
    static std::vector<DrawnText> StatusTexts()
    {
        std::vector<DrawnText> texts;
        probe->DrawnTexts(StatusBar(), texts);
        return texts;
    }
};

TEST_F(StartRoad, B1_TheBarObzorShowsItsTreeTab)
{
    const HWND bar = s->WorkspaceBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_TRUE(IsWindowVisible(bar));
    const HWND tree = s->TreeWindow();
    EXPECT_TRUE(IsWindowVisible(tree));
    EXPECT_EQ(kTreeTab, WindowText(tree));
    // The bar's caption shows the tab's name.
    std::vector<DrawnText> drawn;
    ASSERT_TRUE(probe->DrawnTexts(bar, drawn));
    EXPECT_NE(nullptr, Find(drawn, kTreeTab)) << Describe(drawn);
    // Made with the title "Обзор", the bar takes its active tab's name as its own.
    EXPECT_EQ(kTreeTab, WindowText(bar));
    // Docked on the frame's left, as the first run places it.
    EXPECT_EQ(Main(), GetParent(bar));
}

TEST_F(StartRoad, B2_TheStatusBarShowsTheMessageAndTheThreeIndicators)
{
    const HWND status = StatusBar();
    ASSERT_NE(nullptr, status);
    EXPECT_EQ(kIdleText, WindowText(status));
    const std::vector<DrawnText> drawn = StatusTexts();
    std::vector<std::wstring> texts;
    for (const DrawnText& t : drawn) texts.push_back(t.text);
    EXPECT_EQ((std::vector<std::wstring>{kIdleText, L"CAP", L"NUM", L"SCRL"}), texts)
        << Describe(drawn);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), drawn[0].colour) << Describe(drawn);
    for (const DrawnText& t : drawn)
        EXPECT_TRUE(t.colour == GetSysColor(COLOR_BTNTEXT) ||
                    t.colour == GetSysColor(COLOR_GRAYTEXT))
            << Describe(drawn);
}

TEST_F(StartRoad, B3_TheIndicatorsFollowTheLockKeys)
{
    const COLORREF on = GetSysColor(COLOR_BTNTEXT), off = GetSysColor(COLOR_GRAYTEXT);
    ASSERT_NE(on, off);
    for (const Indicator& indicator : kIndicators) {
        const std::vector<DrawnText> shown = StatusTexts();
        const DrawnText* before = Find(shown, indicator.text);
        ASSERT_NE(nullptr, before) << Narrow(indicator.text) << ": " << Describe(shown);
        const COLORREF first = before->colour;
        const COLORREF other = first == on ? off : on;
        // Each press turns the lock over, and the indicator with it.
        for (COLORREF expected : {other, first}) {
            ASSERT_TRUE(UserInput::Key(Main(), indicator.key));
            EXPECT_TRUE(WaitUntil(
                [&] {
                    const std::vector<DrawnText> now = StatusTexts();
                    const DrawnText* text = Find(now, indicator.text);
                    return text != nullptr && text->colour == expected;
                },
                ProgramUnderTest::kLimitMs))
                << Narrow(indicator.text) << " stays " << Describe(StatusTexts());
        }
    }
}

TEST_F(StartRoad, B4_TheProgramEndsOnClose)
{
    ASSERT_TRUE(PostMessageW(Main(), WM_CLOSE, 0, 0));
    EXPECT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs));
}
