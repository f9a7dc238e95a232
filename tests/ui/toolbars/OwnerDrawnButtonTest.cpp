// The owner-drawn button: style parsing, check and radio behaviour, auto-repeat, tooltips of cut
// captions, and the disabled image made from the normal one.
#include <gtest/gtest.h>

#include <vector>

#include "framework/CWnd.h"
#include "ui/toolbars/CZAVPButton.h"
#include "ui/toolbars/CZAVPMenuButton.h"
#include "tests/support/MessagePump.h"

namespace
{
// A parent window that keeps the commands its children send.
class ButtonParent : public CWnd
{
public:
    ButtonParent()
    {
        CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr);
    }
    ~ButtonParent() override { DestroyWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) m_commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> m_commands;
};

void Pump(DWORD ms) { PumpMessagesFor(ms); }

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
}  // namespace

TEST(ButtonKindTest, StyleGivesAlignmentAndCheckKind)
{
    const struct
    {
        DWORD style;
        int align;
        BOOL check, radio, autoCheck;
    } cases[] = {
        {BS_PUSHBUTTON, ZAVPButtonKind::AlignCenter, FALSE, FALSE, FALSE},
        {BS_PUSHBUTTON | BS_LEFT, ZAVPButtonKind::AlignLeft, FALSE, FALSE, FALSE},
        {BS_PUSHBUTTON | BS_RIGHT, ZAVPButtonKind::AlignRight, FALSE, FALSE, FALSE},
        {BS_PUSHBUTTON | BS_CENTER, ZAVPButtonKind::AlignCenter, FALSE, FALSE, FALSE},
        {BS_CHECKBOX, ZAVPButtonKind::AlignCenter, TRUE, FALSE, FALSE},
        {BS_AUTOCHECKBOX | BS_LEFT, ZAVPButtonKind::AlignLeft, TRUE, FALSE, TRUE},
        {BS_RADIOBUTTON, ZAVPButtonKind::AlignCenter, FALSE, TRUE, FALSE},
        {BS_AUTORADIOBUTTON | BS_RIGHT, ZAVPButtonKind::AlignRight, FALSE, TRUE, TRUE},
        {BS_DEFPUSHBUTTON, ZAVPButtonKind::AlignCenter, FALSE, FALSE, FALSE},
    };
    for (const auto& c : cases) {
        const ZAVPButtonKind kind = ZAVPButtonKind::FromStyle(c.style);
        EXPECT_EQ(c.align, kind.nAlign) << std::hex << c.style;
        EXPECT_EQ(c.check, kind.bCheckButton) << std::hex << c.style;
        EXPECT_EQ(c.radio, kind.bRadioButton) << std::hex << c.style;
        EXPECT_EQ(c.autoCheck, kind.bAutoCheck) << std::hex << c.style;
    }
}

TEST(OwnerDrawnButtonTest, CreatedOwnerDrawnWithItsKindRemembered)
{
    ButtonParent parent;
    CZAVPButton button;
    ASSERT_TRUE(button.Create("Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_LEFT,
                              CRect(0, 0, 80, 24), &parent, 10));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, (DWORD)button.GetStyle() & 0x0F);
    EXPECT_TRUE(button.IsCheckBox());
    EXPECT_EQ(ZAVPButtonKind::AlignLeft, button.GetAlignment());

    // A click inside an automatic check box inverts it and the parent hears the click.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(BST_CHECKED, button.SendMessage(BM_GETCHECK));
    Pump(20);
    EXPECT_EQ(std::vector<UINT>{10}, parent.m_commands);
    // A release outside changes nothing and sends nothing.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, At(200, 5));
    EXPECT_EQ(BST_CHECKED, button.SendMessage(BM_GETCHECK));
    Pump(20);
    EXPECT_EQ(std::vector<UINT>{10}, parent.m_commands);
    button.DestroyWindow();
}

TEST(OwnerDrawnButtonTest, RadioChecksUncheckTheRestOfTheGroupOnly)
{
    ButtonParent parent;
    CZAVPButton a, b, c, other;
    const DWORD radio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
    ASSERT_TRUE(a.Create("A", radio | WS_GROUP, CRect(0, 0, 60, 20), &parent, 1));
    ASSERT_TRUE(b.Create("B", radio, CRect(0, 20, 60, 40), &parent, 2));
    ASSERT_TRUE(c.Create("C", radio, CRect(0, 40, 60, 60), &parent, 3));
    ASSERT_TRUE(other.Create("D", radio | WS_GROUP, CRect(0, 60, 60, 80), &parent, 4));

    other.SendMessage(BM_SETCHECK, BST_CHECKED);
    a.SendMessage(BM_SETCHECK, BST_CHECKED);
    b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    b.SendMessage(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(BST_UNCHECKED, a.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_CHECKED, b.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_UNCHECKED, c.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_CHECKED, other.SendMessage(BM_GETCHECK));  // another group

    c.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(BST_UNCHECKED, b.SendMessage(BM_GETCHECK));
    // Setting the current value again changes nothing: b stays unchecked, c checked.
    c.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, c.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_UNCHECKED, b.SendMessage(BM_GETCHECK));

    // A push button has no check.
    CZAVPButton push;
    ASSERT_TRUE(push.Create("P", WS_CHILD | BS_PUSHBUTTON, CRect(100, 0, 160, 20), &parent, 5));
    push.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(BST_UNCHECKED, push.SendMessage(BM_GETCHECK));
    for (CZAVPButton* p : {&a, &b, &c, &other, &push}) p->DestroyWindow();
}

TEST(OwnerDrawnButtonTest, AutoRepeatFiresWhileHeldOverTheButtonOnly)
{
    ButtonParent parent;
    CZAVPButton button;
    ASSERT_TRUE(
        button.Create(">", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 40, 20), &parent, 7));
    button.SetAutoRepeatDelay(30);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    parent.m_commands.clear();
    Pump(250);
    const size_t held = parent.m_commands.size();
    EXPECT_GE(held, 3u);

    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(300, 5));  // the pointer leaves
    EXPECT_FALSE(button.IsPushed());
    parent.m_commands.clear();
    Pump(200);
    EXPECT_TRUE(parent.m_commands.empty());
    button.SendMessage(WM_LBUTTONUP, 0, At(300, 5));
    button.DestroyWindow();
}

TEST(OwnerDrawnButtonTest, CutCaptionBecomesTheTooltipAtTheNextPaint)
{
    ButtonParent parent;
    CZAVPButton button;
    ASSERT_TRUE(button.Create("A caption much too long for this button",
                              WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 40, 20), &parent,
                              8));
    button.UpdateWindow();
    EXPECT_STREQ("A caption much too long for this button", button.GetTooltip());

    button.MoveWindow(0, 0, 390, 20);  // now it fits
    button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_STREQ("", button.GetTooltip());

    button.SetTooltip("Own tip");
    button.MoveWindow(0, 0, 40, 20);  // cut again, but the caller's tooltip stays
    button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_STREQ("Own tip", button.GetTooltip());
    button.DestroyWindow();
}

namespace
{
// Reads back which image list the button would draw for a state.
class ImageProbeButton : public CZAVPButton
{
public:
    HIMAGELIST For(BOOL bDisabled, BOOL bHot) const { return ImagesFor(bDisabled, bHot); }
    HIMAGELIST Normal() const { return m_Image[0]; }
    HIMAGELIST Disabled() const { return m_ImageDisabled[0]; }
};
}  // namespace

TEST(OwnerDrawnButtonTest, ANormalImageAloneGetsAGeneratedDisabledImage)
{
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbmp = ::CreateCompatibleBitmap(hdcScreen, 16, 15);
    ::ReleaseDC(nullptr, hdcScreen);
    ImageProbeButton button;
    button.SetImage(hbmp);
    EXPECT_EQ(CSize(16, 15), button.GetImageSize());
    ASSERT_NE(nullptr, button.Disabled());
    EXPECT_NE(button.Normal(), button.Disabled());
    EXPECT_EQ(button.Disabled(), button.For(TRUE, FALSE));
    EXPECT_EQ(button.Normal(), button.For(FALSE, TRUE));  // no hot image: the normal one
    int cx = 0, cy = 0;
    ImageList_GetIconSize(button.Disabled(), &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(15, cy);
}

TEST(MenuButtonTest, SizeLeavesRoomForTheArrow)
{
    ButtonParent parent;
    CZAVPButton plain;
    CZAVPMenuButton menu;
    ASSERT_TRUE(plain.Create("Tools", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &parent, 1));
    ASSERT_TRUE(menu.Create("Tools", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &parent, 2));
    const CSize sizePlain = plain.SizeToContent(TRUE);
    const CSize sizeMenu = menu.SizeToContent();
    EXPECT_EQ(sizePlain.cx + 9 + 10, sizeMenu.cx);  // the 9-pixel glyph and its margin
    EXPECT_EQ(sizePlain.cy, sizeMenu.cy);
    CRect rect;
    menu.GetWindowRect(rect);
    EXPECT_EQ(sizeMenu.cx, rect.Width());
    plain.DestroyWindow();
    menu.DestroyWindow();
}
