// Drop-down toolbars: a button on the main bar that stands for a hidden drop-down toolbar made
// from the navigation toolbar's resource. A quick click runs its command; a 500-ms hold opens
// the drop-down below it; a pick there becomes the button's command and runs once; the frame
// closes in every way without deleting the source's buttons; a stored button finds its toolbar
// again by identifier.
#include <gtest/gtest.h>

#include <vector>

#include "ToolbarTestSupport.h"
#include "framework/CArchive.h"
#include "framework/CFrameWnd.h"
#include "framework/CObList.h"
#include "resources/AppResource.h"
#include "tests/support/MessagePump.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPDropDownFrame.h"
#include "ui/toolbars/CZAVPDropDownToolBar.h"
#include "ui/toolbars/CZAVPDropDownToolbarButton.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const UINT kSourceBarId = 0xE830;
const UINT kDropDownMainBarId = 0xE820;

// A frame that keeps the commands it receives.
class CommandFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) >= ID_ADD_DISC && LOWORD(wParam) <= ID_GO_UP) {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// The bar a release empties (as a command that rebuilds a bar would), and the window procedure
// that does it before the bar's own handling.
CZAVPToolBar* g_pBarEmptiedOnRelease = nullptr;
WNDPROC g_pfnBarProcBeforeEmptying = nullptr;

LRESULT CALLBACK EmptyBarOnReleaseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONUP && g_pBarEmptiedOnRelease != nullptr)
        g_pBarEmptiedOnRelease->RemoveAllButtons();
    return ::CallWindowProcA(g_pfnBarProcBeforeEmptying, hwnd, message, wParam, lParam);
}

class DropDownToolbarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCommandManager()->ClearAll();
        CRect rect(100, 100, 500, 400);
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, rect));
        m_frame.ShowWindow(SW_SHOWNOACTIVATE);
        // The source: a hidden drop-down toolbar with the navigation buttons.
        ASSERT_TRUE(m_source.Create(&m_frame, WS_CHILD | CBRS_TOP, kSourceBarId));
        ASSERT_TRUE(m_source.LoadToolBar(IDR_NAVIGATION));
        m_source.SetOwner(&m_frame);
        ASSERT_TRUE(m_main.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kDropDownMainBarId));
        m_main.SetOwner(&m_frame);
        m_pButton = new CZAVPDropDownToolbarButton("Navigation", &m_source);
        ASSERT_GE(m_main.InsertButton(m_pButton), 0);
        m_main.AdjustLayout();
        for (int i = 0; i < m_source.GetCount(); ++i)
            m_sourceButtons.push_back(m_source.GetButton(i));
    }
    void TearDown() override
    {
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        m_frame.DestroyWindow();
        PumpMessagesFor(0);
    }
    CPoint Centre() const { return m_pButton->GetRect().CenterPoint(); }
    // Other test programs run beside this one and take the activation at any moment; the
    // drop-down rightly closes then. Tests of other ways of closing keep it open.
    static void KeepOpenWhenOtherProgramsActivate(CZAVPDropDownFrame* pFrame)
    {
        pFrame->m_bAutoDestroy = FALSE;
    }
    void Press()
    {
        m_main.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Centre().x, Centre().y));
    }
    void Release() { m_main.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(Centre().x, Centre().y)); }
    // Every button the source had is still its own, in place and readable.
    void ExpectSourceIntact()
    {
        ASSERT_EQ((int)m_sourceButtons.size(), m_source.GetCount());
        for (size_t i = 0; i < m_sourceButtons.size(); ++i) {
            EXPECT_EQ(m_sourceButtons[i], m_source.GetButton((int)i));
            // Still a live object of its class (a deleted one would fail under the checks of
            // the test support, or show another command).
            EXPECT_TRUE(m_sourceButtons[i]->IsKindOf(RUNTIME_CLASS(CZAVPToolbarButton)));
        }
    }

    CommandFrame m_frame;
    CZAVPDropDownToolBar m_source;
    CZAVPToolBar m_main;
    CZAVPDropDownToolbarButton* m_pButton = nullptr;
    std::vector<CZAVPToolbarButton*> m_sourceButtons;
};

TEST_F(DropDownToolbarTest, QuickClickRunsTheShownCommand)
{
    // Before any pick the button shows the source's first command.
    EXPECT_EQ((UINT)ID_GO_BACK, m_pButton->m_nID);
    Press();
    EXPECT_EQ(m_pButton, CZAVPDropDownToolbarButton::GetPendingButton());
    // Released before any message could run the timer, however loaded the machine is.
    Release();
    PumpMessagesFor(50);
    EXPECT_EQ(nullptr, CZAVPDropDownToolbarButton::GetPendingButton());
    EXPECT_FALSE(m_pButton->IsDropDownOpen());
    EXPECT_EQ((std::vector<UINT>{ID_GO_BACK}), m_frame.m_commands);
    // The timer was killed: none is left on the bar, and nothing opens later.
    EXPECT_FALSE(::KillTimer(m_main.GetSafeHwnd(), CZAVPDropDownToolbarButton::kHoldTimerId));
    EXPECT_FALSE(::KillTimer(m_main.GetSafeHwnd(), 0));
    PumpMessagesFor(700);
    EXPECT_FALSE(m_pButton->IsDropDownOpen());
}

TEST_F(DropDownToolbarTest, HoldOpensTheDropDownAndAPickBecomesTheCommand)
{
    Press();
    EXPECT_EQ(m_pButton, CZAVPDropDownToolbarButton::GetPendingButton());
    // The half second passes (the timer's own call, so that a loaded machine cannot make the
    // wait too short).
    CZAVPDropDownToolbarButton::OnHoldTimer();
    ASSERT_TRUE(m_pButton->IsDropDownOpen());
    CZAVPDropDownFrame* pFrame = m_pButton->GetDropDownFrame();
    ASSERT_NE(nullptr, pFrame);
    KeepOpenWhenOtherProgramsActivate(pFrame);
    // The drop-down shows the very buttons of the source.
    CZAVPDropDownToolBar* pBar = pFrame->GetToolBar();
    ASSERT_EQ(m_source.GetCount(), pBar->GetCount());
    for (int i = 0; i < pBar->GetCount(); ++i) EXPECT_EQ(m_source.GetButton(i), pBar->GetButton(i));
    // It opens below the button, at its left edge.
    CRect rectButton = m_pButton->GetRect();
    m_main.ClientToScreen(&rectButton);
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    EXPECT_EQ(rectButton.left, rectFrame.left);
    EXPECT_EQ(rectButton.bottom, rectFrame.top);
    EXPECT_TRUE(m_frame.m_commands.empty());

    // "На уровень вверх" is picked.
    const int iUp = m_source.CommandToIndex(ID_GO_UP);
    ASSERT_GE(iUp, 0);
    EXPECT_TRUE(pBar->OnSendCommand(m_source.GetButton(iUp)));
    PumpMessagesFor(50);
    EXPECT_FALSE(m_pButton->IsDropDownOpen());
    EXPECT_EQ((UINT)ID_GO_UP, m_pButton->m_nID);
    EXPECT_EQ((std::vector<UINT>{ID_GO_UP}), m_frame.m_commands);
    // Its image is the picked button's.
    EXPECT_EQ(m_source.GetButton(iUp)->GetImage(), m_pButton->GetCurrentImage());
    ExpectSourceIntact();
}

TEST_F(DropDownToolbarTest, EveryWayOfClosingLeavesTheSourceButtonsAlive)
{
    // Closed by the frame's own close, by the application losing the activation, and by the
    // button's bar going away while it is open.
    m_pButton->DropDownToolbar(&m_main);
    ASSERT_TRUE(m_pButton->IsDropDownOpen());
    m_pButton->GetDropDownFrame()->SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_pButton->IsDropDownOpen());
    ExpectSourceIntact();

    m_pButton->DropDownToolbar(&m_main);
    ASSERT_TRUE(m_pButton->IsDropDownOpen());
    m_pButton->GetDropDownFrame()->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    PumpMessagesFor(20);
    EXPECT_FALSE(m_pButton->IsDropDownOpen());
    ExpectSourceIntact();

    // A second open while one is open is refused.
    ASSERT_TRUE(m_pButton->DropDownToolbar(&m_main));
    EXPECT_FALSE(m_pButton->DropDownToolbar(&m_main));
    const HWND hwndDropDown = m_pButton->GetDropDownFrame()->GetSafeHwnd();
    m_main.RemoveAllButtons();  // the button goes, and its frame with it
    EXPECT_FALSE(::IsWindow(hwndDropDown));
    ExpectSourceIntact();
}

TEST_F(DropDownToolbarTest, ButtonDeletedWhileItsDropDownClosesIsNotTouchedAgain)
{
    // The closing frame releases the button's bar; here that release deletes the button.
    ASSERT_TRUE(m_pButton->DropDownToolbar(&m_main));
    const HWND hwndDropDown = m_pButton->GetDropDownFrame()->GetSafeHwnd();
    g_pBarEmptiedOnRelease = &m_main;
    g_pfnBarProcBeforeEmptying = (WNDPROC)::SetWindowLongPtrA(m_main.GetSafeHwnd(), GWLP_WNDPROC,
                                                              (LONG_PTR)EmptyBarOnReleaseProc);
    ::SendMessageA(hwndDropDown, WM_CLOSE, 0, 0);
    ::SetWindowLongPtrA(m_main.GetSafeHwnd(), GWLP_WNDPROC, (LONG_PTR)g_pfnBarProcBeforeEmptying);
    g_pBarEmptiedOnRelease = nullptr;
    m_pButton = nullptr;  // deleted with the bar's buttons

    EXPECT_FALSE(::IsWindow(hwndDropDown));
    EXPECT_EQ(0, m_main.GetCount());
    ExpectSourceIntact();
    // The bar still paints and takes clicks.
    m_main.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_main.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    m_main.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(DropDownToolbarTest, StoredButtonFindsItsToolbarByIdentifier)
{
    m_pButton->SetDefaultCommand(ID_GO_FORWARD);
    const Bytes stored = StoreBytes([&](CArchive& ar) { m_pButton->Serialize(ar); });
    // After the plain record: the source's id, the name, the current image.
    CZAVPToolbarButton plain;
    plain.CopyFrom(*m_pButton);
    const Bytes head = StoreBytes([&](CArchive& ar) { plain.Serialize(ar); });
    const Bytes name = StoreBytes([&](CArchive& ar) { ar << CString("Navigation"); });
    EXPECT_EQ(head + Dword(kSourceBarId) + name + Dword(m_pButton->GetCurrentImage()), stored);

    CZAVPDropDownToolbarButton loaded;
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(&m_source, loaded.GetSourceToolBar());
    EXPECT_EQ(CString("Navigation"), loaded.GetName());
    EXPECT_EQ((UINT)ID_GO_FORWARD, loaded.m_nID);

    // An identifier no live drop-down toolbar has: no source, and nothing opens.
    Bytes other = stored;
    const size_t at = head.size();
    other[at] = 0x31;  // 0xE831
    CZAVPDropDownToolbarButton orphan;
    ASSERT_TRUE(LoadBytes(other, [&](CArchive& ar) { orphan.Serialize(ar); }));
    EXPECT_EQ(nullptr, orphan.GetSourceToolBar());
    EXPECT_FALSE(orphan.DropDownToolbar(&m_main));
    // A name longer than any stored one is damage.
    const Bytes damaged = head + Dword(kSourceBarId) + Hex("FF FF FF 00 00 01 00");
    CZAVPDropDownToolbarButton refused;
    EXPECT_FALSE(LoadBytes(damaged, [&](CArchive& ar) { refused.Serialize(ar); }));
}

TEST_F(DropDownToolbarTest, MenuExportListsTheSourceCommands)
{
    CZAVPToolbarMenuButton menu;
    EXPECT_TRUE(m_pButton->ExportToMenuButton(menu));
    EXPECT_EQ(CString("Navigation"), menu.m_strText);
    std::vector<UINT> ids;
    for (POSITION pos = menu.GetCommands().GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* p = static_cast<const CZAVPToolbarButton*>(
            menu.GetCommands().GetNext(pos));
        ids.push_back(p->IsSeparator() ? 0 : p->m_nID);
    }
    std::vector<UINT> expected;
    for (CZAVPToolbarButton* p : m_sourceButtons)
        expected.push_back(p->IsSeparator() ? 0 : p->m_nID);
    EXPECT_EQ(expected, ids);
}
}  // namespace
