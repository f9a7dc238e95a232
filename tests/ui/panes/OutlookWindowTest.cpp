// The outlook family as windows under the null driver: a bar of pages docked in a test frame and
// painted in every look, page buttons that switch pages (sliding when clicked), the arrow
// buttons, buttons dropped on page buttons, the custom pages kept in the registry, an outlook
// pane that scrolls its column, paints its own background, and takes buttons dragged from another
// pane in customisation mode.
#include <gtest/gtest.h>

#include <shlwapi.h>

#include <memory>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CMemFile.h"
#include "framework/CWinApp.h"
#include "tests/support/MessagePump.h"
#include "tests/ui/panes/PaneTestSupport.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/panes/CZAVPOutlookBar.h"
#include "ui/panes/CZAVPOutlookBarDockingPane.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/panes/CZAVPOutlookButton.h"
#include "ui/panes/CZAVPOutlookWnd.h"
#include "ui/panes/ZAVPOutlookCustomPages.h"
#include "ui/panes/ZAVPOutlookWndLayout.h"

using PaneTests::Ansi;
using PaneTests::RecordingDockFrame;

namespace
{
const UINT kOutlookBarId = 0xE830;
const UINT kFirstCommand = 40500;
const char kOutlookRoot[] = "Software\\LornivalOutlookTests";
const char kOutlookProfile[] = "Software\\LornivalOutlookTests\\State\\";
const char kValueKey[] = "Software\\LornivalOutlookTests\\State\\ZAVPOutlookBar-5";
const char kValueName[] = "ZAVPOutlookCustomPages";

// An outlook bar that records what its outlook window tells it.
class RecordingOutlookBar : public CZAVPOutlookBar
{
public:
    std::vector<BOOL> m_scrolls;  // TRUE for down
    int m_nBefore = 0;
    int m_nAfter = 0;
    BOOL m_bAllowSlide = TRUE;
    void OnScroll(BOOL bDown) override { m_scrolls.push_back(bDown); }
    BOOL OnBeforeAnimation(int) override
    {
        ++m_nBefore;
        return m_bAllowSlide;
    }
    void OnAfterAnimation(int) override { ++m_nAfter; }
};

CZAVPOutlookButton* NewButton(UINT nID, const char* lpszText, int iImage = 0)
{
    CZAVPOutlookButton* pButton = new CZAVPOutlookButton;
    pButton->m_nID = nID;
    pButton->m_strText = lpszText;
    pButton->m_bText = TRUE;
    pButton->m_bImage = TRUE;
    pButton->SetImage(iImage);
    return pButton;
}

BOOL MakePane(CZAVPOutlookBarPane& pane, CWnd* pParent, UINT nID, int nButtons)
{
    if (!pane.Create(pParent, CZAVPOutlookBarPane::kCustomPageStyle, nID, 0)) return FALSE;
    for (int i = 0; i < nButtons; ++i) {
        CString strText;
        strText.Format("Button %d", i);
        const UINT nFirst = kFirstCommand + (nID - ZAVPOutlookCustomPages::kFirstId) * 16;
        pane.InsertButton(NewButton(nFirst + (UINT)i, strText, i % 3));
    }
    pane.AdjustLocations();
    return TRUE;
}

std::vector<BYTE> ValueBytes(const std::vector<ZAVPOutlookCustomPages::Page>& pages)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ZAVPOutlookCustomPages::Write(ar, pages);
        ar.Flush();
    }
    const UINT n = (UINT)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    free(p);
    return bytes;
}

void WriteValue(const std::vector<BYTE>& bytes)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kValueKey, 0, nullptr, 0,
                                               KEY_WRITE, nullptr, &hKey, nullptr));
    ::RegSetValueExA(hKey, kValueName, 0, REG_BINARY, bytes.data(), (DWORD)bytes.size());
    ::RegCloseKey(hKey);
}

std::vector<BYTE> ReadValue(const char* lpszKey = kValueKey)
{
    std::vector<BYTE> bytes(4096);
    DWORD nSize = (DWORD)bytes.size();
    if (::RegGetValueA(HKEY_CURRENT_USER, lpszKey, kValueName, RRF_RT_REG_BINARY, nullptr,
                       bytes.data(), &nSize) != ERROR_SUCCESS)
        return {};
    bytes.resize(nSize);
    return bytes;
}

ZAVPOutlookCustomPages::Page Page(UINT nID, const CString& strName)
{
    ZAVPOutlookCustomPages::Page page;
    page.nID = nID;
    page.strName = strName;
    return page;
}

class OutlookWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kOutlookRoot);
        ASSERT_TRUE(m_frame.Make(500, 460));
        m_app.m_pMainWnd = &m_frame;
        m_pBar.reset(new RecordingOutlookBar);
        ASSERT_TRUE(m_pBar->Create("Outlook", &m_frame, CRect(0, 0, 200, 400), kOutlookBarId,
                                   WS_CHILD | WS_VISIBLE | CBRS_LEFT, ZAVP_CBRS_RESIZE));
        m_pBar->SetOwner(&m_frame);
    }
    void TearDown() override
    {
        CZAVPToolBar::SetCustomizeMode(FALSE);
        CZAVPOutlookWnd::m_bEnableAnimation = TRUE;
        if (m_pBar && m_pBar->GetSafeHwnd()) m_pBar->DestroyWindow();
        m_pBar.reset();
        m_app.m_pMainWnd = nullptr;
        if (m_frame.GetSafeHwnd()) m_frame.DestroyWindow();
        SHDeleteKeyA(HKEY_CURRENT_USER, kOutlookRoot);
    }
    // Three pages of buttons made here, the last one active.
    void AddPages()
    {
        const wchar_t* labels[] = {L"Почта", L"Календарь", L"Заметки"};
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(MakePane(m_pages[i], m_pBar.get(),
                                 ZAVPOutlookCustomPages::kFirstId + 50 + (UINT)i, 3));
            ASSERT_TRUE(m_pBar->AddPage(&m_pages[i], Ansi(labels[i])));
        }
        Resize(200, 400);
    }
    void Resize(int cx, int cy)
    {
        m_pBar->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        CZAVPOutlookWnd* pWnd = Wnd();
        pWnd->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        pWnd->RecalcLayout();
    }
    CZAVPOutlookWnd* Wnd() const { return m_pBar->GetOutlookWnd(); }
    CRect TabRect(int iTab) const
    {
        CRect rect;
        Wnd()->GetTabRect(iTab, rect);
        return rect;
    }
    // Where the window of a page stands, in the outlook window's client coordinates.
    CRect PageRect(int iTab) const
    {
        CRect rect;
        Wnd()->GetTabWnd(iTab)->GetWindowRect(rect);
        Wnd()->ScreenToClient(rect);
        return rect;
    }
    void ClickTab(int iTab)
    {
        const CPoint pt = TabRect(iTab).CenterPoint();
        Wnd()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Wnd()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    // The page layout the window should show with the given active page.
    ZAVPOutlookWndLayout::Result Expected(int nActive) const
    {
        ZAVPOutlookWndLayout::Input in;
        Wnd()->GetClientRect(in.rectClient);
        in.nTabs = Wnd()->GetTabsNum();
        in.nActive = nActive;
        in.nButtonHeight = Wnd()->GetTabsHeight();
        in.bArrows = Wnd()->AreScrollButtonsShown();
        return ZAVPOutlookWndLayout::Layout(in);
    }

    CWinApp m_app;
    CZAVPWorkspace m_workspace;
    RecordingDockFrame& m_frame = *new RecordingDockFrame;  // deletes itself with its window
    std::unique_ptr<RecordingOutlookBar> m_pBar;
    CZAVPOutlookBarPane m_pages[3];
};
}  // namespace

TEST_F(OutlookWindow, PagesStackAroundTheActivePageAndPaintInEveryLook)
{
    AddPages();
    CZAVPOutlookWnd* pWnd = Wnd();
    ASSERT_NE(nullptr, pWnd);
    EXPECT_EQ(CZAVPOutlookBar::kOutlookWndId, (UINT)pWnd->GetDlgCtrlID());
    ASSERT_EQ(3, pWnd->GetTabsNum());
    EXPECT_EQ(2, pWnd->GetActiveTab());  // each added page became active
    // The pages sit in wrappers of the outlook kind; the active one fills the page area.
    CWnd* pWrapper = pWnd->GetTabWnd(2);
    ASSERT_NE(nullptr, pWrapper);
    EXPECT_TRUE(pWrapper->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBarDockingPane)));
    EXPECT_EQ(&m_pages[2], pWnd->GetTabWndNoWrapper(2));
    const ZAVPOutlookWndLayout::Result expected = Expected(2);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(expected.tabs[(size_t)i], TabRect(i)) << i;
    CRect rectPage;
    pWrapper->GetWindowRect(rectPage);
    pWnd->ScreenToClient(rectPage);
    EXPECT_EQ(expected.rectPage, rectPage);
    // The page itself fills its wrapper.
    CRect rectPane;
    m_pages[2].GetWindowRect(rectPane);
    pWnd->ScreenToClient(rectPane);
    EXPECT_EQ(expected.rectPage, rectPane);
    EXPECT_FALSE(pWnd->GetTabWnd(0)->IsWindowVisible());

    // A group of this bar's own made from one of its pages would be another outlook bar.
    EXPECT_EQ(RUNTIME_CLASS(CZAVPOutlookBar),
              static_cast<CZAVPOutlookBarDockingPane*>(pWrapper)->GetTabbedControlBarClass());
    // The page buttons' areas: everything at the top while the last page is active.
    CRect rectTop, rectBottom;
    pWnd->GetTabArea(rectTop, rectBottom);
    EXPECT_EQ(TabRect(0).Height() * 3, rectTop.Height());
    EXPECT_TRUE(rectBottom.IsRectEmpty());

    PaneTests::ForEachLook([&](CRuntimeClass*) {
        m_pBar->RedrawWindow(nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                 RDW_UPDATENOW);
        PumpMessagesFor(5);
    });
}

TEST_F(OutlookWindow, ClickedPageButtonSlidesOthersSwitchAtOnce)
{
    AddPages();
    CZAVPOutlookWnd* pWnd = Wnd();
    ClickTab(0);
    EXPECT_EQ(0, pWnd->GetActiveTab());
    EXPECT_EQ(1, m_pBar->m_nBefore);
    EXPECT_EQ(1, m_pBar->m_nAfter);  // the slide ran to its end
    ZAVPOutlookWndLayout::Result expected = Expected(0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(expected.tabs[(size_t)i], TabRect(i)) << i;
    EXPECT_TRUE(pWnd->GetTabWnd(0)->IsWindowVisible());
    EXPECT_FALSE(pWnd->GetTabWnd(2)->IsWindowVisible());
    // The page shown is in the page area, not where it stood when it was last shown.
    EXPECT_EQ(expected.rectPage, PageRect(0));

    // A change made in code does not slide; neither does one the bar refuses, nor one with the
    // animation off.
    ASSERT_TRUE(pWnd->SetActiveTab(1));
    EXPECT_EQ(1, m_pBar->m_nBefore);
    m_pBar->m_bAllowSlide = FALSE;
    ClickTab(2);
    EXPECT_EQ(2, pWnd->GetActiveTab());
    EXPECT_EQ(2, m_pBar->m_nBefore);
    EXPECT_EQ(1, m_pBar->m_nAfter);
    CZAVPOutlookWnd::m_bEnableAnimation = FALSE;
    ClickTab(0);
    EXPECT_EQ(0, pWnd->GetActiveTab());
    EXPECT_EQ(2, m_pBar->m_nBefore);
    expected = Expected(0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(expected.tabs[(size_t)i], TabRect(i)) << i;
    EXPECT_EQ(expected.rectPage, PageRect(0));

    EXPECT_FALSE(pWnd->SetActiveTab(3));
    EXPECT_TRUE(pWnd->SetActiveTab(0));
}

TEST_F(OutlookWindow, ArrowButtonsBesideTheActivePageAskTheBarToScroll)
{
    AddPages();
    CZAVPOutlookWnd* pWnd = Wnd();
    pWnd->SetActiveTab(0);
    pWnd->ShowScrollButtons(TRUE, TRUE, FALSE);
    ASSERT_TRUE(pWnd->GetUpButton().IsWindowVisible());
    EXPECT_FALSE(pWnd->GetDownButton().IsWindowEnabled());
    const ZAVPOutlookWndLayout::Result expected = Expected(0);
    CRect rectUp;
    pWnd->GetUpButton().GetWindowRect(rectUp);
    pWnd->ScreenToClient(rectUp);
    EXPECT_EQ(expected.rectUp, rectUp);
    EXPECT_EQ(expected.tabs[0], TabRect(0));  // the page button makes room for it

    pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(CZAVPOutlookWnd::kUpId, BN_CLICKED),
                      (LPARAM)pWnd->GetUpButton().GetSafeHwnd());
    pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(CZAVPOutlookWnd::kDownId, BN_CLICKED),
                      (LPARAM)pWnd->GetDownButton().GetSafeHwnd());
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE}), m_pBar->m_scrolls);

    pWnd->ShowScrollButtons(FALSE, FALSE, FALSE);
    EXPECT_FALSE(pWnd->GetUpButton().IsWindowVisible());
    EXPECT_EQ(Expected(0).tabs[0], TabRect(0));
}

TEST_F(OutlookWindow, OnlyOutlookButtonsDropOnPageButtons)
{
    AddPages();
    CZAVPOutlookWnd* pWnd = Wnd();
    CZAVPOutlookButton outlook;
    CZAVPToolbarButton plain(kFirstCommand, -1, "plain");
    const CPoint ptFirst = TabRect(0).CenterPoint();
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, pWnd->DropEffectFor(&plain, 0, ptFirst));
    EXPECT_EQ(2, pWnd->GetActiveTab());
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, pWnd->DropEffectFor(&outlook, MK_CONTROL, ptFirst));
    EXPECT_EQ(0, pWnd->GetActiveTab());  // the page under the button came forward
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, pWnd->DropEffectFor(&outlook, 0, ptFirst));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, pWnd->DropEffectFor(nullptr, 0, ptFirst));

    // Over a page button the window is no drop target of its own; elsewhere its parent is.
    EXPECT_EQ(nullptr, pWnd->FindTargetWnd(ptFirst));
    EXPECT_EQ(m_pBar.get(), pWnd->FindTargetWnd(pWnd->GetPageArea().CenterPoint()));
}

TEST_F(OutlookWindow, BarThatCannotFloatTakesOnlyOutlookKinds)
{
    ASSERT_FALSE(m_pBar->CanFloat());
    CZAVPOutlookBarPane pane;
    CZAVPOutlookBarDockingPane wrapper;
    CZAVPOutlookBar other;
    CZAVPDockingControlBar plainPane;
    EXPECT_TRUE(m_pBar->CanAcceptBar(&pane));
    EXPECT_TRUE(m_pBar->CanAcceptBar(&wrapper));
    EXPECT_TRUE(m_pBar->CanAcceptBar(&other));
    EXPECT_FALSE(m_pBar->CanAcceptBar(&plainPane));
    EXPECT_FALSE(m_pBar->CanAcceptBar(nullptr));
    // Without pages the whole bar is a place to dock into.
    CRect rect;
    m_pBar->GetWindowRect(rect);
    EXPECT_EQ(ZAVP_DOCKHIT_TAB, m_pBar->HitTestForDocking(rect.CenterPoint(), 4));
}

TEST_F(OutlookWindow, CustomPagesComeFromTheRegistryAndGoBackUnchanged)
{
    const UINT nFirst = ZAVPOutlookCustomPages::kFirstId;
    const std::vector<BYTE> stored = ValueBytes(
        {Page(nFirst + 10, Ansi(L"Почта")), Page(nFirst + 11, Ansi(L"Заметки"))});
    WriteValue(stored);
    ASSERT_TRUE(m_pBar->LoadState(kOutlookProfile, 5, (UINT)-1));
    ASSERT_EQ(2u, m_pBar->GetCustomPages().size());
    CZAVPOutlookBarPane* pMail = m_pBar->GetCustomPages()[0];
    EXPECT_EQ(nFirst + 10, (UINT)pMail->GetDlgCtrlID());
    EXPECT_EQ((DWORD)WS_CHILD, pMail->GetStyle() & WS_CHILD);
    EXPECT_EQ(&m_frame, pMail->GetOwner());
    EXPECT_TRUE(ZAVPOutlookCustomPages::IsUsed(nFirst + 10));
    ASSERT_EQ(2, Wnd()->GetTabsNum());
    CString strLabel;
    Wnd()->GetTabLabel(1, strLabel);
    EXPECT_STREQ(Ansi(L"Заметки"), strLabel);

    SHDeleteKeyA(HKEY_CURRENT_USER, kValueKey);
    ASSERT_TRUE(m_pBar->SaveState(kOutlookProfile, 5, (UINT)-1));
    EXPECT_EQ(stored, ReadValue());

    // Destroyed, the pages give their ids back.
    m_pBar->DestroyWindow();
    EXPECT_FALSE(ZAVPOutlookCustomPages::IsUsed(nFirst + 10));
}

TEST_F(OutlookWindow, StoredPagesOutsideTheRangeOrTakenAreSkippedAndDamageMakesNone)
{
    const UINT nFirst = ZAVPOutlookCustomPages::kFirstId;
    ZAVPOutlookCustomPages::MarkUsed(nFirst + 3);  // held by another bar
    WriteValue(ValueBytes({Page(0x100, "low"), Page(nFirst + 3, "taken"),
                           Page(nFirst + ZAVPOutlookCustomPages::kMaxPages, "past"),
                           Page(nFirst + 4, "good"), Page(nFirst + 4, "twice")}));
    ASSERT_TRUE(m_pBar->LoadState(kOutlookProfile, 5, (UINT)-1));
    ASSERT_EQ(1u, m_pBar->GetCustomPages().size());
    EXPECT_EQ(nFirst + 4, (UINT)m_pBar->GetCustomPages()[0]->GetDlgCtrlID());
    ZAVPOutlookCustomPages::Release(nFirst + 3);

    // A damaged value: refused, nothing made, what was there stays.
    std::vector<BYTE> damaged = ValueBytes({Page(nFirst + 20, "cut")});
    damaged.resize(damaged.size() - 2);
    WriteValue(damaged);
    EXPECT_FALSE(m_pBar->LoadState(kOutlookProfile, 5, (UINT)-1));
    EXPECT_EQ(1u, m_pBar->GetCustomPages().size());
    EXPECT_FALSE(ZAVPOutlookCustomPages::IsUsed(nFirst + 20));
    // No value at all.
    EXPECT_FALSE(m_pBar->LoadState(kOutlookProfile, 6, (UINT)-1));
    // An id in the key: the path keeps its extra "s".
    ASSERT_TRUE(m_pBar->SaveState(kOutlookProfile, 2, 0x1A));
    EXPECT_FALSE(ReadValue("Software\\LornivalOutlookTests\\State\\sZAVPOutlookBar-21a").empty());
}

// ---- the outlook pane alone

namespace
{
class OutlookPane : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Make(500, 460));
        ASSERT_TRUE(MakePane(m_pane, &m_frame, ZAVPOutlookCustomPages::kFirstId + 60, 8));
        m_pane.SetWindowPos(nullptr, 10, 10, 120, 150, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pane.AdjustLocations();
    }
    void TearDown() override
    {
        CZAVPToolBar::SetCustomizeMode(FALSE);
        if (m_pane.GetSafeHwnd()) m_pane.DestroyWindow();
        if (m_other.GetSafeHwnd()) m_other.DestroyWindow();
        if (m_frame.GetSafeHwnd()) m_frame.DestroyWindow();
    }
    CPoint ScreenCentre(CZAVPToolBar& bar, int iButton)
    {
        CPoint pt = bar.GetButton(iButton)->GetRect().CenterPoint();
        bar.ClientToScreen(&pt);
        return pt;
    }

    PaneTests::RecordingFrame& m_frame = *new PaneTests::RecordingFrame;
    CZAVPOutlookBarPane m_pane;
    CZAVPOutlookBarPane m_other;
};
}  // namespace

TEST_F(OutlookPane, ScrollButtonsFollowTheColumnAndAGrownPaneScrollsBack)
{
    EXPECT_TRUE(m_pane.CanScrollDown());
    EXPECT_TRUE(m_pane.GetScrollDownButton().IsWindowVisible());
    EXPECT_FALSE(m_pane.GetScrollUpButton().IsWindowVisible());
    // Buttons are centred in the column and at least the large-button size.
    CRect rectClient;
    m_pane.GetClientRect(rectClient);
    const CRect rectFirst = m_pane.GetButton(0)->GetRect();
    EXPECT_EQ(rectClient.Width() - rectFirst.right, rectFirst.left);
    EXPECT_GE(rectFirst.Width(), CZAVPToolBar::m_sizeButton.cx * 2);

    // A press on the down button scrolls by one button.
    CRect rectDown;
    m_pane.GetScrollDownButton().GetWindowRect(rectDown);
    ::SetCursorPos(rectDown.CenterPoint().x, rectDown.CenterPoint().y);
    MSG msg = {};
    msg.hwnd = m_pane.GetSafeHwnd();
    msg.message = WM_LBUTTONDOWN;
    EXPECT_TRUE(m_pane.PreTranslateMessage(&msg));
    msg.message = WM_LBUTTONUP;
    m_pane.PreTranslateMessage(&msg);
    ::SetCursorPos(0, 0);  // off every test window again
    EXPECT_EQ(1, m_pane.GetFirstVisibleButton());
    EXPECT_EQ(rectFirst.Height(), m_pane.GetScrollOffset());
    EXPECT_EQ(-rectFirst.Height(), m_pane.GetButton(0)->GetRect().top);
    EXPECT_TRUE(m_pane.GetScrollUpButton().IsWindowVisible());

    m_pane.ScrollDown();
    EXPECT_EQ(2, m_pane.GetFirstVisibleButton());
    m_pane.ScrollUp();
    EXPECT_EQ(1, m_pane.GetFirstVisibleButton());

    // Grown until everything fits, the pane scrolls back to the top.
    m_pane.SetWindowPos(nullptr, 0, 0, 120, 2000, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(0, m_pane.GetScrollOffset());
    EXPECT_EQ(0, m_pane.GetFirstVisibleButton());
    EXPECT_FALSE(m_pane.GetScrollDownButton().IsWindowVisible());
    EXPECT_FALSE(m_pane.GetScrollUpButton().IsWindowVisible());

    m_pane.RemoveAllButtons();
    EXPECT_EQ(0, m_pane.GetCount());
    EXPECT_FALSE(m_pane.CanScrollDown());
}

TEST_F(OutlookPane, PaintsItsOwnBackgroundInEveryLook)
{
    m_pane.RemoveAllButtons();
    CRect rectClient;
    m_pane.GetClientRect(rectClient);
    CDC dcMem;
    CClientDC dcPane(&m_pane);
    ASSERT_TRUE(dcMem.CreateCompatibleDC(&dcPane));
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = rectClient.Width();
    bmi.bmiHeader.biHeight = rectClient.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hbmp = ::CreateDIBSection(dcMem.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    ASSERT_NE(nullptr, hbmp);
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hbmp);
    const COLORREF colors[] = {RGB(10, 20, 30), RGB(200, 100, 50)};
    int nColor = 0;
    PaneTests::ForEachLook([&](CRuntimeClass* pLook) {
        const COLORREF color = colors[nColor++ % 2];
        m_pane.SetBackColor(color);
        m_pane.DoPaint(&dcMem);
        const COLORREF painted = dcMem.GetPixel(rectClient.Width() / 2, rectClient.Height() / 2);
        // The gradient look (above 8 bits per pixel) paints every toolbar with its own
        // gradient, this pane too.
        if (pLook == RUNTIME_CLASS(CZAVPVisualManager2003) && globalData.m_nBitsPerPixel > 8)
            EXPECT_NE(color, painted);
        else
            EXPECT_EQ(color, painted) << pLook->m_lpszClassName;
    });
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
    ::DeleteObject(hbmp);
}

TEST_F(OutlookPane, ButtonsDragBetweenPanesInCustomisationModeOnlyOutlookButtons)
{
    ASSERT_TRUE(MakePane(m_other, &m_frame, ZAVPOutlookCustomPages::kFirstId + 61, 2));
    m_other.SetWindowPos(nullptr, 200, 10, 120, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    m_other.AdjustLocations();
    m_pane.SetWindowPos(nullptr, 10, 10, 120, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pane.AdjustLocations();
    PumpMessagesFor(5);
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    const UINT nMoved = m_pane.GetButton(0)->m_nID;
    const CPoint ptEnd = ScreenCentre(m_other, 1);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE,
              m_pane.DragButtonTo(0, m_pane.GetButton(0)->GetRect().CenterPoint(), ptEnd));
    EXPECT_EQ(7, m_pane.GetCount());
    ASSERT_EQ(3, m_other.GetCount());
    int iFound = -1;
    for (int i = 0; i < m_other.GetCount(); ++i)
        if (m_other.GetButton(i)->m_nID == nMoved) iFound = i;
    ASSERT_GE(iFound, 0);
    EXPECT_TRUE(m_other.GetButton(iFound)->IsKindOf(RUNTIME_CLASS(CZAVPOutlookButton)));
    EXPECT_EQ(&m_other, static_cast<CZAVPOutlookButton*>(m_other.GetButton(iFound))->GetPane());

    // A plain toolbar button is no outlook button: the pane refuses it.
    CZAVPToolbarButton plain(kFirstCommand + 900, -1, "plain");
    CPoint ptClient = m_other.GetButton(0)->GetRect().CenterPoint();
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, m_other.DragOverButton(plain, 0, ptClient));
    CZAVPOutlookButton outlook;
    EXPECT_FALSE(outlook.CanBeDropped(nullptr));
    EXPECT_TRUE(outlook.CanBeDropped(&m_other));
}
