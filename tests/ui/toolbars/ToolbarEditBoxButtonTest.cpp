// The edit box button: its archive (Cyrillic text, damaged records), where its edit stands, and
// on real toolbars the edit it hosts, the text the buttons of one command share, copies, moves
// and hiding.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ToolbarTestSupport.h"
#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CObList.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarEditBoxButton.h"
#include "ui/toolbars/CZAVPToolbarEditCtrl.h"
#include "tests/support/MessagePump.h"

namespace
{
const UINT kFind = 33001;
// "Каталог дисков" in the program's code page.
const char kCyrillic[] = "\xCA\xE0\xF2\xE0\xEB\xEE\xE3 \xE4\xE8\xF1\xEA\xEE\xE2";

CString EditText(HWND hwnd)
{
    char buffer[256] = "";
    ::GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}

// A CString as an archive holds it: length, then the characters.
Bytes Archived(const CString& text)
{
    return StoreBytes([&](CArchive& ar) { ar << text; });
}

bool HasVisibleStyle(HWND hwnd) { return (::GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

CRect ChildRect(HWND hwnd)
{
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hwnd), (POINT*)&rc, 2);
    return rc;
}

class ToolbarEditBoxArchiveTest : public ::testing::Test
{
protected:
    void SetUp() override { GetCommandManager()->ClearAll(); }
    void TearDown() override { GetCommandManager()->ClearAll(); }

    // A stored edit box button whose own fields follow a valid plain button record.
    static Bytes Record(DWORD width, DWORD style, const Bytes& text, DWORD menu)
    {
        CZAVPToolbarButton plain(kFind, -1);
        return StoreBytes([&](CArchive& ar) { plain.Serialize(ar); }) + Dword(width) +
               Dword(style) + text + Dword(menu);
    }
};

TEST_F(ToolbarEditBoxArchiveTest, RoundTripKeepsCyrillicTextWidthStyleAndMenu)
{
    VersionedWorkspace workspace(6, 70);
    CZAVPToolbarEditBoxButton button(kFind, -1, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 210);
    button.SetEditText(kCyrillic);
    button.m_uiMenuResID = 140;
    const Bytes stored = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    EXPECT_EQ(Record(210, 0x50000080, Archived(kCyrillic), 140), stored);

    CZAVPToolbarEditBoxButton loaded;
    loaded.m_rect = CRect(10, 0, 20, 22);
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(CString(kCyrillic), loaded.GetContents());
    EXPECT_EQ(210, loaded.GetWidth());
    EXPECT_EQ(220, loaded.m_rect.right);  // the rectangle takes the stored width
    EXPECT_EQ((DWORD)0x50000080, loaded.GetEditStyle());
    EXPECT_EQ(140u, loaded.m_uiMenuResID);
    EXPECT_EQ(kFind, loaded.m_nID);
}

TEST_F(ToolbarEditBoxArchiveTest, ButtonWithoutEditWindowStoresTheTextItKeeps)
{
    // A button of a bar that has no window yet (or lost it) still holds the user's text:
    // storing it must not empty it.
    VersionedWorkspace workspace(6, 70);
    CZAVPToolbarEditBoxButton button(kFind, -1);
    button.SetEditText("disc 7");
    ASSERT_EQ(nullptr, button.GetHwnd());
    const Bytes stored = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    CZAVPToolbarEditBoxButton loaded;
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(CString("disc 7"), loaded.GetContents());
}

TEST_F(ToolbarEditBoxArchiveTest, OlderStateHasNoMenuId)
{
    VersionedWorkspace workspace(6, 40);
    CZAVPToolbarEditBoxButton button(kFind, -1);
    button.m_uiMenuResID = 140;
    const Bytes stored = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    const Bytes full = Record(150, 0x50000080, Archived(""), 140);
    // Without the menu id the record ends right after the text.
    EXPECT_EQ(Bytes(full.begin(), full.end() - 4), stored);
}

TEST_F(ToolbarEditBoxArchiveTest, DamagedRecordsFailAndChangeNothing)
{
    VersionedWorkspace workspace(6, 70);
    const Bytes good = Record(120, 0x50000080, Archived("abc"), 0);
    const std::string tooLong(CZAVPToolbarEditBoxButton::kMaxContents + 1, 'x');
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"negative width", Record((DWORD)-5, 0x50000080, Archived("abc"), 0)},
        {"absurd width", Record(0x7FFFFFFF, 0x50000080, Archived("abc"), 0)},
        {"not a child", Record(120, WS_VISIBLE | ES_AUTOHSCROLL, Archived("abc"), 0)},
        {"a popup", Record(120, WS_POPUP | WS_CHILD, Archived("abc"), 0)},
        {"text longer than an edit holds", Record(120, 0x50000080, Archived(tooLong.c_str()), 0)},
        {"text length past the end", Record(120, 0x50000080, Hex("FF FF FF 00 00 01 00"), 0)},
        {"cut before the menu id", Bytes(good.begin(), good.end() - 2)},
        {"cut in the width", Bytes(good.begin(), good.end() - 14)},
    };
    for (const auto& c : cases) {
        CZAVPToolbarEditBoxButton button(kFind, -1, CZAVPToolbarEditBoxButton::kDefaultEditStyle,
                                         90);
        button.SetEditText("before");
        EXPECT_FALSE(LoadBytes(c.bytes, [&](CArchive& ar) { button.Serialize(ar); })) << c.what;
        EXPECT_EQ(CString("before"), button.GetContents()) << c.what;
        EXPECT_EQ(90, button.GetWidth()) << c.what;
        EXPECT_EQ(CZAVPToolbarEditBoxButton::kDefaultEditStyle, button.GetEditStyle()) << c.what;
    }
}

TEST(ToolbarEditBoxGeometry, EditRectIsCentredAboveTheLabelAndInsetThreePixels)
{
    const struct
    {
        CRect button;
        int label, edit;
        CRect expected;
    } cases[] = {
        {CRect(0, 0, 150, 22), 0, 18, CRect(3, 2, 147, 20)},
        {CRect(40, 5, 190, 27), 0, 17, CRect(43, 7, 187, 24)},  // odd spare: rounds down
        {CRect(0, 0, 150, 40), 16, 18, CRect(3, 3, 147, 21)},   // label under the edit
        {CRect(0, 0, 150, 14), 0, 18, CRect(3, 0, 147, 18)},    // too low: no negative offset
        {CRect(0, 0, 4, 22), 0, 18, CRect(3, 2, 3, 20)},        // too narrow: no negative width
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ZAVPEditBoxGeometry::EditRect(c.button, c.label, c.edit))
            << c.button.left << "," << c.button.top << " " << c.label;

    EXPECT_EQ(CRect(82, 3, 98, 17), ZAVPEditBoxGeometry::ListPictureRect(CRect(0, 0, 100, 20), 20));
    EXPECT_EQ(CRect(94, 3, 98, 17), ZAVPEditBoxGeometry::ListPictureRect(CRect(0, 0, 100, 20), 0));
}

// A library frame that keeps the commands its bars' controls send.
class EditCommandFrame : public CZAVPFrameWnd
{
public:
    std::vector<std::pair<UINT, UINT>> m_commands;  // id, notify code

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kFind) {
            m_commands.push_back({LOWORD(wParam), HIWORD(wParam)});
            return 0;
        }
        return CZAVPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class ToolbarEditBoxWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCommandManager()->ClearAll();
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(m_first.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE820));
        ASSERT_TRUE(m_second.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE821));
        m_pFirst = new CZAVPToolbarEditBoxButton(kFind, -1);
        m_pSecond = new CZAVPToolbarEditBoxButton(kFind, -1);
        ASSERT_EQ(0, m_first.InsertButton(m_pFirst));
        ASSERT_EQ(0, m_second.InsertButton(m_pSecond));
        m_first.AdjustLayout();
        m_second.AdjustLayout();
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    CZAVPToolBar m_first;
    CZAVPToolBar m_second;
    EditCommandFrame& m_frame = *new EditCommandFrame;
    CZAVPToolbarEditBoxButton* m_pFirst = nullptr;
    CZAVPToolbarEditBoxButton* m_pSecond = nullptr;
};

TEST_F(ToolbarEditBoxWindowTest, EditStandsAtTheButtonAsAChildOfItsBar)
{
    const HWND hwndEdit = m_pFirst->GetHwnd();
    ASSERT_NE(nullptr, hwndEdit);
    EXPECT_EQ(m_first.GetSafeHwnd(), ::GetParent(hwndEdit));
    EXPECT_EQ((int)kFind, ::GetDlgCtrlID(hwndEdit));
    EXPECT_TRUE(HasVisibleStyle(hwndEdit));
    EXPECT_EQ(150, m_pFirst->m_rect.Width());
    const CRect rectEdit = ChildRect(hwndEdit);
    EXPECT_EQ(m_pFirst->m_rect.left + 3, rectEdit.left);
    EXPECT_EQ(m_pFirst->m_rect.right - 3, rectEdit.right);
    EXPECT_GE(rectEdit.top, m_pFirst->m_rect.top);
    EXPECT_LE(rectEdit.bottom, std::max(m_pFirst->m_rect.bottom, rectEdit.top + rectEdit.Height()));
    EXPECT_TRUE(m_pFirst->OnClick(&m_first));  // the click belongs to the edit
    EXPECT_FALSE(m_pFirst->DrawsHotBorder());
}

TEST_F(ToolbarEditBoxWindowTest, TypingUpdatesTheOtherButtonAndSendsTheCommandOnce)
{
    ::SetWindowTextA(m_pFirst->GetHwnd(), kCyrillic);  // as typing does: EN_CHANGE to the bar
    PumpMessagesFor(50);
    EXPECT_EQ(CString(kCyrillic), m_pFirst->GetContents());
    EXPECT_EQ(CString(kCyrillic), m_pSecond->GetContents());
    EXPECT_EQ(CString(kCyrillic), EditText(m_pSecond->GetHwnd()));
    // The second edit's own change is the program's doing, not the user's: one command.
    ASSERT_EQ(1u, m_frame.m_commands.size());
    EXPECT_EQ((UINT)EN_CHANGE, m_frame.m_commands[0].second);
}

TEST_F(ToolbarEditBoxWindowTest, CopyKeepsTheTextTheUserTyped)
{
    ::SetWindowTextA(m_pFirst->GetHwnd(), "typed");
    CZAVPToolbarEditBoxButton copy;
    copy.CopyFrom(*m_pFirst);
    EXPECT_EQ(CString("typed"), copy.GetContents());
    EXPECT_EQ(kFind, copy.m_nID);

    // A copy placed on a bar shows the text in its new edit.
    ASSERT_GE(m_second.InsertButtonCopy(*m_pFirst), 0);
    CZAVPToolbarEditBoxButton* pPlaced = dynamic_cast<CZAVPToolbarEditBoxButton*>(
        m_second.GetButton(m_second.GetCount() - 1));
    ASSERT_NE(nullptr, pPlaced);
    ASSERT_NE(nullptr, pPlaced->GetHwnd());
    EXPECT_EQ(CString("typed"), EditText(pPlaced->GetHwnd()));
}

TEST_F(ToolbarEditBoxWindowTest, MovingToAnotherBarKeepsTheText)
{
    ::SetWindowTextA(m_pFirst->GetHwnd(), "keep me");
    const HWND hwndOld = m_pFirst->GetHwnd();
    m_pFirst->OnChangeParentWnd(&m_second);
    EXPECT_FALSE(::IsWindow(hwndOld));
    ASSERT_NE(nullptr, m_pFirst->GetHwnd());
    EXPECT_EQ(m_second.GetSafeHwnd(), ::GetParent(m_pFirst->GetHwnd()));
    EXPECT_EQ(CString("keep me"), EditText(m_pFirst->GetHwnd()));
    m_pFirst->OnChangeParentWnd(&m_first);  // back where the bar owns it
}

TEST_F(ToolbarEditBoxWindowTest, ButtonMovedOrHiddenMovesOrHidesTheEdit)
{
    const HWND hwndEdit = m_pFirst->GetHwnd();
    ASSERT_NE(nullptr, hwndEdit);
    CRect rect = m_pFirst->m_rect;
    rect.OffsetRect(37, 0);
    m_pFirst->SetRect(rect);
    EXPECT_EQ(rect.left + 3, ChildRect(hwndEdit).left);

    m_pFirst->OnSize(90);
    EXPECT_EQ(rect.left + 90 - 3, ChildRect(hwndEdit).right);

    m_pFirst->OnShow(FALSE);
    EXPECT_FALSE(HasVisibleStyle(hwndEdit));
    EXPECT_FALSE(m_pFirst->OnClick(&m_first));
    m_pFirst->OnShow(TRUE);
    EXPECT_TRUE(HasVisibleStyle(hwndEdit));
}

TEST_F(ToolbarEditBoxWindowTest, VerticalBarHidesTheEditAndGivesAPlainButtonSize)
{
    HDC hdc = ::GetDC(m_first.GetSafeHwnd());
    CDC dc;
    dc.Attach(hdc);
    const CSize sizeDefault(23, 22);
    const CSize sizeVert = m_pFirst->OnCalculateSize(&dc, sizeDefault, FALSE);
    EXPECT_FALSE(HasVisibleStyle(m_pFirst->GetHwnd()));
    CZAVPToolbarButton plain(kFind, -1);
    EXPECT_EQ(CSize(plain.OnCalculateSize(&dc, sizeDefault, FALSE)), sizeVert);

    EXPECT_EQ(CSize(150, 22), CSize(m_pFirst->OnCalculateSize(&dc, sizeDefault, TRUE)));
    EXPECT_TRUE(HasVisibleStyle(m_pFirst->GetHwnd()));
    dc.Detach();
    ::ReleaseDC(m_first.GetSafeHwnd(), hdc);
}

TEST_F(ToolbarEditBoxWindowTest, StoringTakesTheTextFromTheEdit)
{
    VersionedWorkspace workspace(6, 70);
    ::SetWindowTextA(m_pFirst->GetHwnd(), "latest");
    CObList list;
    list.AddTail(m_pFirst);
    const Bytes stored = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    list.RemoveAll();
    // Recreated by its class name, as a stored toolbar is.
    CObList loaded;
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    ASSERT_EQ(1, (int)loaded.GetCount());
    CZAVPToolbarEditBoxButton* pLoaded = dynamic_cast<CZAVPToolbarEditBoxButton*>(loaded.GetHead());
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_EQ(CString("latest"), pLoaded->GetContents());
    delete loaded.GetHead();
}
TEST_F(ToolbarEditBoxWindowTest, CtrlZUndoesAndEscLeavesTheEdit)
{
    m_frame.ShowWindow(SW_SHOW);
    const HWND hwndEdit = m_pFirst->GetHwnd();
    ::SetFocus(hwndEdit);
    ASSERT_EQ(hwndEdit, ::GetFocus());
    EXPECT_TRUE(m_pFirst->IsHot());  // the focus in the edit makes the button hot
    ::SendMessageA(hwndEdit, EM_REPLACESEL, TRUE, (LPARAM) "abc");
    ASSERT_EQ(CString("abc"), EditText(hwndEdit));

    // The bar's own key handling would take Ctrl+letters: the edit answers them itself.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    BYTE withCtrl[256];
    memcpy(withCtrl, keys, sizeof(keys));
    withCtrl[VK_CONTROL] = 0x80;
    ::SetKeyboardState(withCtrl);
    ::SendMessageA(hwndEdit, WM_KEYDOWN, 'Z', 0);
    ::SetKeyboardState(keys);
    EXPECT_EQ(CString(""), EditText(hwndEdit));

    ::SendMessageA(hwndEdit, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_NE(hwndEdit, ::GetFocus());
    EXPECT_FALSE(m_pFirst->IsHot());
}

}  // namespace

namespace
{
// A context-menu manager that notes the menu it was asked to track and "chooses" a command.
class RecordingMenuManager : public CZAVPContextMenuManager
{
public:
    UINT TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL) override
    {
        for (int i = 0; i < ::GetMenuItemCount(hmenuPopup); ++i)
            m_items.push_back(::GetMenuItemID(hmenuPopup, i));
        m_point = CPoint(x, y);
        m_hwndOwner = pWndOwner != nullptr ? pWndOwner->GetSafeHwnd() : nullptr;
        return kFind;
    }
    std::vector<UINT> m_items;
    CPoint m_point;
    HWND m_hwndOwner = nullptr;
};
}  // namespace

// A right click in the edit of a button with a context menu shows that menu's first popup through
// the library's context-menu manager; the chosen command reaches the frame.
TEST_F(ToolbarEditBoxWindowTest, ContextMenuGoesThroughTheContextMenuManager)
{
    RecordingMenuManager manager;
    m_pFirst->m_uiMenuResID = IDR_CONTEXT_MENUS;
    ::SendMessageA(m_pFirst->GetHwnd(), WM_CONTEXTMENU, (WPARAM)m_pFirst->GetHwnd(),
                   MAKELPARAM(120, 80));
    std::vector<UINT> expected;
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONTEXT_MENUS));
    ASSERT_NE(nullptr, hMenu);
    HMENU hFirst = ::GetSubMenu(hMenu, 0);
    for (int i = 0; i < ::GetMenuItemCount(hFirst); ++i)
        expected.push_back(::GetMenuItemID(hFirst, i));
    ::DestroyMenu(hMenu);
    EXPECT_EQ(expected, manager.m_items);
    EXPECT_EQ(CPoint(120, 80), manager.m_point);
    EXPECT_EQ(m_frame.GetSafeHwnd(), manager.m_hwndOwner);
    PumpMessagesFor(20);
    EXPECT_EQ((std::vector<std::pair<UINT, UINT>>{{kFind, 0}}), m_frame.m_commands);
}

// Over a button's edit the edit is the tool (the framework's child hit test comes first); beside
// it the bar's own button tooltip.
TEST_F(ToolbarEditBoxWindowTest, TheHostedEditAnswersTooltipHitTestsFirst)
{
    const HWND hwndEdit = m_pFirst->GetHwnd();
    const CRect rectEdit = ChildRect(hwndEdit);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ((INT_PTR)kFind, m_first.OnToolHitTest(rectEdit.CenterPoint(), &ti));
    EXPECT_EQ((UINT_PTR)hwndEdit, ti.uId);
    EXPECT_NE(0u, ti.uFlags & TTF_IDISHWND);
    EXPECT_EQ(LPSTR_TEXTCALLBACKA, ti.lpszText);
}
