// The library's print preview in a library frame under the null driver: a frame of 600 x 400
// client pixels with a library status bar (its message pane stretches) and a plain view, previewing
// a document of five pages. The preview's toolbar, the page numbers in the status bar or on the
// message line, the one/two-pages image and what closing leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DockingTestBars.h"
#include "framework/CCmdUI.h"
#include "framework/CDialogBar.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "tests/ui/docking/RectText.h"
#include "ui/docking/CZAVPPrintPreviewView.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

namespace
{
const int kClientWidth = 600;
const int kClientHeight = 400;
const int kPages = 5;
const int kStretchPane = 255;

// The texts in the ANSI code page: "Страница 1", "Страницы 1-2", "Страницы 2-3", "&Печать",
// "&Закрыть".
const char kPage1[] = "\xD1\xF2\xF0\xE0\xED\xE8\xF6\xE0 1";
const char kPages12[] = "\xD1\xF2\xF0\xE0\xED\xE8\xF6\xFB 1-2";
const char kPages23[] = "\xD1\xF2\xF0\xE0\xED\xE8\xF6\xFB 2-3";
const char kPrint[] = "&\xCF\xE5\xF7\xE0\xF2\xFC";
const char kClose[] = "&\xC7\xE0\xEA\xF0\xFB\xF2\xFC";

// The images of the preview's strip, in the order the toolbar resource gives them.
const int kOnePageImage = 3;
const int kTwoPagesImage = 7;

class PlainView : public CView
{
public:
    void OnDraw(CDC*) override {}
};

// Keeps the texts the message line is given.
class MessageLineFrame : public CZAVPFrameWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETMESSAGESTRING && wParam == 0 && lParam != 0)
            m_messages.push_back((LPCSTR)lParam);
        return CZAVPFrameWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<std::string> m_messages;
};

class PrintPreviewTest : public ::testing::Test
{
protected:
    void SetUp() override { CreateFrame(TRUE); }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr) m_pFrame->DestroyWindow();
    }
    void CreateFrame(BOOL bStatusBar)
    {
        m_pFrame = new MessageLineFrame;
        ASSERT_TRUE(ShowTestFrame(m_pFrame, kClientWidth, kClientHeight, FALSE));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        if (bStatusBar) {
            const UINT indicators[] = {0, ID_INDICATOR_CAPS};
            m_pStatusBar = new CZAVPStatusBar;
            ASSERT_TRUE(m_pStatusBar->Create(m_pFrame));
            ASSERT_TRUE(m_pStatusBar->SetIndicators(indicators, 2));
            m_pStatusBar->SetPaneText(kStretchPane, "Ready");
        }
        m_pView = new PlainView;
        ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                    m_pFrame, AFX_IDW_PANE_FIRST));
        m_pFrame->SetActiveView(m_pView);
        m_pFrame->RecalcLayout();
    }
    // Previews the view: kPages pages, the description given (the resource's when null).
    CZAVPPrintPreviewView* Preview(const char* lpszPageDesc = nullptr)
    {
        CPrintInfo* pInfo = new CPrintInfo;
        pInfo->SetMaxPage(kPages);
        if (lpszPageDesc != nullptr) pInfo->m_strPageDesc = lpszPageDesc;
        return static_cast<CZAVPPrintPreviewView*>(CPreviewView::StartPreview(
            m_pFrame, m_pView, RUNTIME_CLASS(CZAVPPrintPreviewView), &m_state, pInfo));
    }
    std::string PageText() { return (LPCSTR)m_pStatusBar->GetPaneText(0); }
    // The pages button's image after the preview's update of its command.
    int PagesImageAfterUpdate(CZAVPPrintPreviewView* pPreview)
    {
        CTestCmdUI cmdUI;
        cmdUI.m_nID = ID_PREVIEW_NUMPAGE;
        cmdUI.DoUpdate(pPreview, FALSE);
        return pPreview->m_wndToolBar.GetButton(pPreview->m_iPagesIndex)->GetImage();
    }
    CRect InFrame(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        m_pFrame->ScreenToClient(rect);
        return rect;
    }

    CWinApp m_app{"PrintPreviewTests"};
    MessageLineFrame* m_pFrame = nullptr;
    CZAVPStatusBar* m_pStatusBar = nullptr;  // a child of the frame, deleted with it
    PlainView* m_pView = nullptr;
    CPrintPreviewState m_state;
};

TEST_F(PrintPreviewTest, TheToolbarCarriesThePreviewCommandsWithoutThePlaceholder)
{
    CZAVPPrintPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    CZAVPPrintPreviewToolBar& bar = pPreview->m_wndToolBar;
    ASSERT_NE(nullptr, bar.GetSafeHwnd());
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); ++i) ids.push_back(bar.GetButton(i)->m_nID);
    EXPECT_EQ(
        (std::vector<UINT>{ID_PREVIEW_PRINT, ID_PREVIEW_NEXT, ID_PREVIEW_PREV, ID_PREVIEW_NUMPAGE,
                           ID_PREVIEW_ZOOMIN, ID_PREVIEW_ZOOMOUT, ID_PREVIEW_CLOSE}),
        ids);
    EXPECT_EQ(3, pPreview->m_iPagesIndex);
    EXPECT_EQ(kOnePageImage, pPreview->m_iOnePageImageIndex);
    EXPECT_EQ(kTwoPagesImage, pPreview->m_iTwoPageImageIndex);

    // Print shows its text and image, close its text alone.
    CZAVPToolbarButton* pPrint = bar.GetButton(0);
    CZAVPToolbarButton* pClose = bar.GetButton(6);
    EXPECT_STREQ(kPrint, pPrint->m_strText);
    EXPECT_TRUE(pPrint->m_bText && pPrint->m_bImage);
    EXPECT_STREQ(kClose, pClose->m_strText);
    EXPECT_TRUE(pClose->m_bText && !pClose->m_bImage);

    // The bar sits on the preview's own bar, which is as high; the preview takes the rest.
    EXPECT_EQ(pPreview->m_pToolBar, bar.GetParent());
    EXPECT_NE(nullptr, m_pFrame->m_dockManager.GetControlBars().Find(&bar));
    const CRect rectBar = InFrame(&bar);
    EXPECT_EQ(rectBar.Height(), pPreview->m_pToolBar->m_sizeDefault.cy);
    EXPECT_EQ(Text(CRect(0, rectBar.bottom, kClientWidth,
                         kClientHeight - InFrame(m_pStatusBar).Height())),
              Text(InFrame(pPreview)));
    EXPECT_FALSE(m_pView->IsWindowVisible());
}

TEST_F(PrintPreviewTest, PageNumbersGoToTheStretchingStatusPane)
{
    CZAVPPrintPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    ASSERT_EQ(m_pStatusBar, pPreview->m_pWndStatusBar);
    EXPECT_EQ(kPage1, PageText());
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(kPages12, PageText());
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_NEXT);
    EXPECT_EQ(kPages23, PageText());
    EXPECT_TRUE(m_pFrame->m_messages.empty());
}

TEST_F(PrintPreviewTest, ThePagesButtonShowsWhatItWouldSwitchTo)
{
    CZAVPPrintPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ(kTwoPagesImage, PagesImageAfterUpdate(pPreview));
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(kOnePageImage, PagesImageAfterUpdate(pPreview));
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(kTwoPagesImage, PagesImageAfterUpdate(pPreview));
    // Zoomed in, one page shows; the button still offers the zoomed-out count's switch.
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(1u, pPreview->m_nPages);
    EXPECT_EQ(kOnePageImage, PagesImageAfterUpdate(pPreview));
}

TEST_F(PrintPreviewTest, ADescriptionWithoutALineBreakSaysNothingForTwoPages)
{
    CZAVPPrintPreviewView* pPreview = Preview("Page %u");
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ("Page 1", PageText());
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    EXPECT_EQ("", PageText());
}

TEST_F(PrintPreviewTest, ClosingClearsThePaneAndGivesTheFrameItsViewBack)
{
    CZAVPPrintPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    ASSERT_EQ(kPage1, PageText());
    CZAVPPrintPreviewToolBar* pBar = &pPreview->m_wndToolBar;
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    EXPECT_EQ("", PageText());
    EXPECT_EQ(nullptr, m_pFrame->m_dockManager.GetControlBars().Find(pBar));
    EXPECT_EQ(m_pView, m_pFrame->GetActiveView());
    EXPECT_TRUE(m_pView->IsWindowVisible());
    EXPECT_TRUE(m_pStatusBar->IsWindowVisible());
    EXPECT_EQ(nullptr, m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
}

// Without a library status bar the page numbers go to the frame's message line.
TEST(PrintPreviewMessageLineTest, WithoutALibraryStatusBarThePagesGoToTheMessageLine)
{
    CWinApp app("PrintPreviewTests");
    MessageLineFrame* pFrame = new MessageLineFrame;
    ASSERT_TRUE(ShowTestFrame(pFrame, kClientWidth, kClientHeight, FALSE));
    app.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    PlainView* pView = new PlainView;
    ASSERT_TRUE(pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame,
                              AFX_IDW_PANE_FIRST));
    pFrame->SetActiveView(pView);
    CPrintPreviewState state;
    CPrintInfo* pInfo = new CPrintInfo;
    pInfo->SetMaxPage(kPages);
    CZAVPPrintPreviewView* pPreview = static_cast<CZAVPPrintPreviewView*>(
        CPreviewView::StartPreview(pFrame, pView, RUNTIME_CLASS(CZAVPPrintPreviewView), &state,
                                   pInfo));
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ(nullptr, pPreview->m_pWndStatusBar);
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    ASSERT_FALSE(pFrame->m_messages.empty());
    EXPECT_EQ(kPages12, pFrame->m_messages.back());
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    app.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}
}  // namespace
