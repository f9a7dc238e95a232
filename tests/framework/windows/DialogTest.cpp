// Modal dialogs from a template: closing with OK after data exchange, a data-exchange error that
// keeps the dialog open behind the platform's message, and a pointer-sized result.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/windows/WindowTestResources.h"
#include "framework/windows/WindowTestSupport.h"

namespace
{

struct MessageBoxSearch
{
    HWND owner;
    HWND box;
};

// A named callback rather than a lambda: a lambda does not convert to a stdcall function pointer.
BOOL CALLBACK FindMessageBox(HWND h, LPARAM l)
{
    auto* s = (MessageBoxSearch*)l;
    char cls[32] = "";
    ::GetClassNameA(h, cls, sizeof(cls));
    if (lstrcmpA(cls, "#32770") == 0 && h != s->owner && ::IsWindowVisible(h)) {
        s->box = h;
        return FALSE;
    }
    return TRUE;
}

// The texts of the windows of this thread's message box (a dialog other than hDialog), if any.
std::vector<std::string> MessageBoxTexts(HWND hDialog, HWND* phBox)
{
    MessageBoxSearch search = {hDialog, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindMessageBox, (LPARAM)&search);
    std::vector<std::string> texts;
    *phBox = search.box;
    if (search.box == nullptr) return texts;
    for (HWND c = ::GetWindow(search.box, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT))
    {
        char text[256] = "";
        ::GetWindowTextA(c, text, sizeof(text));
        texts.push_back(text);
    }
    return texts;
}

// A dialog driven by a script: each timer tick runs the next step while the modal loop runs.
class ScriptedDialog : public CDialog
{
public:
    CString m_text;
    int m_number = 0;
    int m_check = 0;
    int m_comboIndex = -1;
    std::vector<std::function<bool(ScriptedDialog*)>> steps;  // a step returns false to be retried
    size_t next = 0;
    int dataExchanges = 0;

    ScriptedDialog() : CDialog(IDD_TEST_DIALOG) {}

    void DoDataExchange(CDataExchange* pDX) override
    {
        ++dataExchanges;
        DDX_Text(pDX, IDC_TEST_TEXT, m_text);
        DDX_Text(pDX, IDC_TEST_NUMBER, m_number);
        DDX_Check(pDX, IDC_TEST_CHECK, m_check);
        DDX_CBIndex(pDX, IDC_TEST_COMBO, m_comboIndex);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ShowWindow(
            SW_SHOW);  // not waiting for the loop's first idle moment: the steps need it shown
        SetTimer(1, 20);
        return TRUE;
    }
    void OnTimer(UINT_PTR)
    {
        // A step that never comes true ends the dialog with -2 instead of hanging the test.
        if (next < steps.size() && steps[next](this)) {
            ++next;
            retries = 0;
        } else if (++retries > 250) {
            EndDialog(-2);
        }
    }
    int retries = 0;
    void SetItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    void ClickOK()
    {
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(m_hWnd, IDOK));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ScriptedDialog, CDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Dialog, ClosesWithOkAndTakesTheControlsValues)
{
    ScriptedDialog dlg;
    dlg.m_text = "start";
    dlg.m_number = 5;
    int comboCount = -1;
    CString shownText, shownNumber;
    dlg.steps.push_back([&](ScriptedDialog* d) {
        // What the exchange into the controls showed, and the strings the initial data added.
        d->GetDlgItemText(IDC_TEST_TEXT, shownText);
        d->GetDlgItemText(IDC_TEST_NUMBER, shownNumber);
        comboCount = (int)::SendDlgItemMessageA(d->m_hWnd, IDC_TEST_COMBO, CB_GETCOUNT, 0, 0);
        d->SetItemText(IDC_TEST_TEXT, "\xCF\xF0\xE8\xE2\xE5\xF2");  // "Привет" in code page 1251
        d->SetItemText(IDC_TEST_NUMBER, " -42 ");
        d->CheckDlgButton(IDC_TEST_CHECK, BST_CHECKED);
        ::SendDlgItemMessageA(d->m_hWnd, IDC_TEST_COMBO, CB_SETCURSEL, 2, 0);
        d->ClickOK();
        return true;
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_STREQ("start", shownText);
    EXPECT_STREQ("5", shownNumber);
    EXPECT_EQ(3, comboCount);
    EXPECT_STREQ("\xCF\xF0\xE8\xE2\xE5\xF2", dlg.m_text);
    EXPECT_EQ(-42, dlg.m_number);
    EXPECT_EQ(1, dlg.m_check);
    EXPECT_EQ(2, dlg.m_comboIndex);
}

TEST(Dialog, BadIntegerShowsThePlatformMessageAndKeepsTheDialogOpen)
{
    ScriptedDialog dlg;
    std::vector<std::string> boxTexts;
    bool stillOpenAfterError = false;
    bool numberHasFocus = false;
    dlg.steps.push_back([&](ScriptedDialog* d) {
        d->SetItemText(IDC_TEST_NUMBER, "12a");
        d->ClickOK();
        return true;
    });
    dlg.steps.push_back([&](ScriptedDialog* d) {
        // The message box runs its own loop; the dialog's timer still ticks inside it.
        HWND hBox;
        boxTexts = MessageBoxTexts(d->m_hWnd, &hBox);
        if (hBox == nullptr) return false;
        ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        return true;
    });
    dlg.steps.push_back([&](ScriptedDialog* d) {
        HWND hBox;
        MessageBoxTexts(d->m_hWnd, &hBox);
        if (hBox != nullptr) return false;
        stillOpenAfterError = ::IsWindow(d->m_hWnd) && (d->m_nFlags & WF_CONTINUEMODAL) != 0;
        numberHasFocus = ::GetFocus() == ::GetDlgItem(d->m_hWnd, IDC_TEST_NUMBER);
        d->SetItemText(IDC_TEST_NUMBER, "7");
        d->ClickOK();
        return true;
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    bool sawPrompt = false;
    for (const auto& t : boxTexts) sawPrompt |= t == "Please enter an integer.";
    EXPECT_TRUE(sawPrompt);
    EXPECT_TRUE(stillOpenAfterError);
    EXPECT_TRUE(numberHasFocus);
    EXPECT_EQ(7, dlg.m_number);
}

TEST(Dialog, DoModalCarriesAPointerSizedResult)
{
    static int target;
    const INT_PTR pointer = (INT_PTR)&target;
    ScriptedDialog dlg;
    dlg.steps.push_back([&](ScriptedDialog* d) {
        d->EndDialog(pointer);
        return true;
    });
    EXPECT_EQ(pointer, dlg.DoModal());

    ScriptedDialog cancelled;
    cancelled.m_number = 3;
    cancelled.steps.push_back([&](ScriptedDialog* d) {
        d->SetItemText(IDC_TEST_NUMBER, "not a number");
        d->PostMessage(WM_COMMAND, IDCANCEL);  // cancel takes nothing from the controls
        return true;
    });
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(3, cancelled.m_number);
}

TEST(DataExchange, IntegerFieldsAcceptOnlyWholeDecimalNumbers)
{
    const struct
    {
        const char* text;
        BOOL ok;
        int value;
    } cases[] = {
        {"0", TRUE, 0},
        {"42", TRUE, 42},
        {"  -17  ", TRUE, -17},
        {"+8", TRUE, 8},
        {"2147483647", TRUE, 2147483647},
        {"-2147483648", TRUE, (int)0x80000000},
        {"2147483648", FALSE, 0},
        {"-2147483649", FALSE, 0},
        {"99999999999999999999", FALSE, 0},
        {"", FALSE, 0},
        {"   ", FALSE, 0},
        {"-", FALSE, 0},
        {"12a", FALSE, 0},
        {"1 2", FALSE, 0},
        {"0x10", FALSE, 0},
        {"1.5", FALSE, 0},
    };
    for (const auto& c : cases) {
        int value = 12345;
        EXPECT_EQ(c.ok, AfxParseInt(c.text, &value)) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(c.value, value) << c.text;
        }
    }
}

TEST(DataExchange, DialogInitDataIsBoundedByItsResource)
{
    // A record whose length runs past the end is refused, not read.
    const BYTE truncated[] = {0x04, 0x10, 0x03, 0x04, 0x40, 0x00, 0x00, 0x00, 'o', 'n'};
    EXPECT_FALSE(CDataExchange::ApplyDlgInit(nullptr, truncated, sizeof(truncated)));
    const BYTE empty[] = {0x00, 0x00};
    EXPECT_TRUE(CDataExchange::ApplyDlgInit(nullptr, empty, sizeof(empty)));
    const BYTE unterminated[] = {0x04, 0x10};
    EXPECT_FALSE(CDataExchange::ApplyDlgInit(nullptr, unterminated, sizeof(unterminated)));
}

}  // namespace
