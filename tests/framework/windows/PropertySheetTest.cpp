// Property sheets: built and asked about without a window, and run modally with pages that
// exchange data and are applied by OK.
#include <gtest/gtest.h>

#include "framework/CDataExchange.h"
#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/windows/WindowTestResources.h"
#include "framework/windows/WindowTestSupport.h"

using wintest::EventLog;

namespace
{

class NumberPage : public CPropertyPage
{
public:
    EventLog* log = nullptr;
    int m_number = 4;
    bool pressOk = false;
    NumberPage() : CPropertyPage(IDD_TEST_PAGE1) {}
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_NUMBER, m_number); }
    BOOL OnSetActive() override
    {
        log->Add("active1");
        if (pressOk) {
            ::SetDlgItemTextA(m_hWnd, IDC_PAGE_NUMBER, "19");
            SetTimer(1, 20, nullptr);
        }
        return CPropertyPage::OnSetActive();
    }
    BOOL OnApply() override
    {
        log->Add("apply1");
        return CPropertyPage::OnApply();
    }
    void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        ::SendMessageA(::GetParent(m_hWnd), PSM_PRESSBUTTON, PSBTN_OK, 0);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(NumberPage, CPropertyPage)
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Sheet, PagesAreKeptWithoutAWindow)
{
    EventLog log;
    NumberPage first;
    first.log = &log;
    CPropertyPage second(IDD_TEST_PAGE2);
    CPropertySheet sheet("", nullptr, 0);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(&second, sheet.GetPage(1));
    EXPECT_EQ(nullptr, sheet.GetPage(2));
    EXPECT_EQ(&first, sheet.GetActivePage());
    EXPECT_TRUE(sheet.SetActivePage(&second));
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_FALSE(sheet.SetActivePage(5));
    sheet.RemovePage(&first);
    EXPECT_EQ(0, sheet.GetPageIndex(&second));
    EXPECT_EQ(nullptr, first.m_hWnd);
    EXPECT_TRUE(log.events.empty());  // no page was ever shown
}

TEST(Sheet, ModalSheetAppliesItsPagesOnOk)
{
    EventLog log;
    NumberPage first;
    first.log = &log;
    first.pressOk = true;
    CPropertyPage second(IDD_TEST_PAGE2);
    CPropertySheet sheet("Sheet", nullptr, 0);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ("active1 apply1", log.Joined());
    EXPECT_EQ(19, first.m_number);  // leaving the page took the edit's value
    EXPECT_EQ(nullptr, sheet.m_hWnd);
}

}  // namespace
