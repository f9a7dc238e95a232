// Controls and transfers: the check list box keeps its states in step with its items and
// refuses to toggle a disabled one; dialog controls pull their state from a command target;
// clipboard data round-trips through a data source and a data object.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "framework/CCheckListBox.h"
#include "framework/CCmdUI.h"
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "framework/CButton.h"
#include "framework/CFile.h"
#include "framework/CListBox.h"
#include "framework/CSharedFile.h"
#include "framework/windows/WindowTestSupport.h"

using wintest::EventLog;

namespace
{

const UINT IDC_CHECKLIST = 301;
const UINT ID_CMD_ENABLED = 32950;
const UINT ID_CMD_DISABLED = 32951;
const UINT ID_CMD_UNHANDLED = 32952;

class Host : public CWnd
{
public:
    EventLog log;
    void OnCheckChange() { log.Add("chkchange"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Host, CWnd)
ON_CONTROL(CLBN_CHKCHANGE, IDC_CHECKLIST, &Host::OnCheckChange)
END_MESSAGE_MAP()

TEST(CheckListBox, StatesFollowItemsAndDisabledItemsDoNotToggle)
{
    Host host;
    ASSERT_TRUE(
        host.CreateEx(0, nullptr, "h", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr));
    CCheckListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOTIFY,
                            CRect(0, 0, 150, 150), &host, IDC_CHECKLIST));
    list.AddString("a");
    list.AddString("b");
    list.AddString("c");
    list.SetCheck(1, 1);
    list.InsertString(0, "first");  // the states move with their items
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(1, list.GetCheck(2));
    list.DeleteString(0);
    EXPECT_EQ(1, list.GetCheck(1));

    // A click on an item's box toggles it and tells the parent; a disabled item stays.
    RECT rect;
    list.GetItemRect(0, &rect);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 2, rect.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 2, rect.top + 2));
    EXPECT_EQ(1, list.GetCheck(0));
    list.Enable(2, FALSE);
    list.GetItemRect(2, &rect);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 2, rect.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 2, rect.top + 2));
    EXPECT_EQ(0, list.GetCheck(2));
    // A click on the text selects without toggling.
    list.GetItemRect(1, &rect);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.right - 5, rect.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.right - 5, rect.top + 2));
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(1, list.GetCurSel());
    EXPECT_EQ("chkchange", host.log.Joined());
    list.ResetContent();
    EXPECT_EQ(0, list.GetCheck(0));
    host.DestroyWindow();
}

// A variable-height list box that answers its own measuring with a height of its own.
class MeasuringList : public CListBox
{
public:
    explicit MeasuringList(UINT height) : m_height(height) {}
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override
    {
        measure->itemHeight = m_height;
        ++measured;
    }
    int measured = 0;

private:
    UINT m_height;
};

// The parent hands each item's measuring to the list box with the id the message names, also
// after the list box it handed the last one to was replaced by another with the same id.
TEST(OwnerDrawnListBox, EachItemIsMeasuredByTheListWithItsId)
{
    const UINT firstId = 401, secondId = 402;
    const DWORD style = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT;
    Host host;
    ASSERT_TRUE(
        host.CreateEx(0, nullptr, "h", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr));
    MeasuringList first(17), second(23);
    ASSERT_TRUE(first.Create(style, CRect(0, 0, 90, 150), &host, firstId));
    ASSERT_TRUE(second.Create(style, CRect(100, 0, 190, 150), &host, secondId));
    first.AddString(reinterpret_cast<LPCSTR>(1));
    first.AddString(reinterpret_cast<LPCSTR>(2));
    second.AddString(reinterpret_cast<LPCSTR>(3));
    first.AddString(reinterpret_cast<LPCSTR>(4));
    EXPECT_EQ(3, first.measured);
    EXPECT_EQ(1, second.measured);
    EXPECT_EQ(17, first.GetItemHeight(2));
    EXPECT_EQ(23, second.GetItemHeight(0));

    first.DestroyWindow();
    MeasuringList replacement(31);
    ASSERT_TRUE(replacement.Create(style, CRect(0, 0, 90, 150), &host, firstId));
    replacement.AddString(reinterpret_cast<LPCSTR>(5));
    EXPECT_EQ(1, replacement.measured);
    EXPECT_EQ(31, replacement.GetItemHeight(0));
    EXPECT_EQ(3, first.measured);
    host.DestroyWindow();
}

class CommandSource : public CCmdTarget
{
public:
    void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CommandSource, CCmdTarget)
ON_UPDATE_COMMAND_UI(ID_CMD_ENABLED, &CommandSource::OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_CMD_DISABLED, &CommandSource::OnUpdateDisabled)
END_MESSAGE_MAP()

TEST(DialogControls, PushButtonsTakeTheirStateFromTheCommandTarget)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "h", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CButton enabled, disabled, unhandled, check;
    enabled.Create("e", WS_CHILD | BS_PUSHBUTTON | WS_DISABLED, CRect(0, 0, 10, 10), &host,
                   ID_CMD_ENABLED);
    disabled.Create("d", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &host, ID_CMD_DISABLED);
    unhandled.Create("u", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &host, ID_CMD_UNHANDLED);
    check.Create("c", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 0, 10, 10), &host, ID_CMD_UNHANDLED + 1);
    CommandSource source;
    host.UpdateDialogControls(&source, TRUE);
    EXPECT_TRUE(enabled.IsWindowEnabled());
    EXPECT_FALSE(disabled.IsWindowEnabled());
    EXPECT_FALSE(unhandled.IsWindowEnabled());  // a push button nobody handles
    EXPECT_TRUE(check.IsWindowEnabled());       // other controls keep their state
    host.DestroyWindow();
}

TEST(Clipboard, DataRoundTripsThroughTheWin32Clipboard)
{
    const UINT format = ::RegisterClipboardFormatA("LornivalTest.Button");
    const char payload[] = "\x01\x02 button image";
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(payload));
    memcpy(::GlobalLock(hGlobal), payload, sizeof(payload));
    ::GlobalUnlock(hGlobal);

    COleDataSource source;
    source.CacheGlobalData((CLIPFORMAT)format, hGlobal);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, source.DoDragDrop());  // drag and drop is off
    ASSERT_TRUE(source.SetClipboard());
    EXPECT_EQ(nullptr, source.GetCachedData((CLIPFORMAT)format));  // the clipboard owns it now

    COleDataObject data;
    data.AttachClipboard();
    EXPECT_TRUE(data.IsDataAvailable((CLIPFORMAT)format));
    EXPECT_FALSE(
        data.IsDataAvailable((CLIPFORMAT)::RegisterClipboardFormatA("LornivalTest.Other")));
    std::unique_ptr<CFile> file(data.GetFileData((CLIPFORMAT)format));
    ASSERT_NE(nullptr, file);
    char read[sizeof(payload)] = {};
    EXPECT_EQ(sizeof(payload), file->Read(read, sizeof(read)));
    EXPECT_EQ(0, memcmp(payload, read, sizeof(payload)));
    EXPECT_FALSE(AfxOleGetInitialized());
}

}  // namespace
