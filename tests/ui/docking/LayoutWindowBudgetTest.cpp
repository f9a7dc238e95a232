// A stored docking layout may make only so many windows while it is read: a value that would
// make more is refused like a damaged one and leaves no window behind.
#include <shlwapi.h>

#include "DockingPaneFixture.h"
#include "ui/docking/ZAVPLayoutWindowBudget.h"

using namespace PaneTests;

namespace
{
const char kBudgetRoot[] = "Software\\LornivalLayoutBudgetTests";
const char kBudgetProfile[] = "Software\\LornivalLayoutBudgetTests\\Bars\\";
const std::string kBudgetKey = std::string(kBudgetProfile) + "ZAVPDockManager-128";

int ChildWindows(CWnd* pParent)
{
    int n = 0;
    for (HWND h = ::GetWindow(pParent->GetSafeHwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        ++n;
    return n;
}

void PutDword(std::vector<BYTE>& bytes, DWORD v)
{
    for (int i = 0; i < 4; ++i) bytes.push_back((BYTE)(v >> (8 * i)));
}
}  // namespace

TEST_F(DockingPaneTest, ALayoutThatWouldMakeTooManyWindowsIsRefusedAndLeavesNone)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kBudgetRoot);
    m_pFrame->DockControlBar(MakePane("Files", 101, CSize(200, 300)));
    ASSERT_TRUE(Manager().SaveState(kBudgetProfile, 128));
    std::vector<BYTE> value(8192);
    DWORD cb = (DWORD)value.size();
    ASSERT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, kBudgetKey.c_str(),
                                         "DockingCBAndSliders", nullptr, value.data(), &cb));
    value.resize(cb);
    // No fixed tabbed bar, two entries (the side's slider with its tree, then the pane), no
    // floating frame, no auto-hide record.
    ASSERT_GT(value.size(), 12u + 16u);
    const DWORD head[] = {0, 2, 0};
    ASSERT_EQ(0, memcmp(value.data(), head, sizeof head));
    const std::vector<BYTE> slider(value.begin() + 12, value.end() - 16);

    // The same slider again and again: each record makes a window.
    auto layoutOf = [&slider](DWORD nSliders) {
        std::vector<BYTE> bytes;
        PutDword(bytes, 0);
        PutDword(bytes, nSliders);
        for (DWORD i = 0; i < nSliders; ++i) {
            PutDword(bytes, 0);
            bytes.insert(bytes.end(), slider.begin(), slider.end());
        }
        PutDword(bytes, 0);
        PutDword(bytes, 0);
        return bytes;
    };
    auto store = [](const std::vector<BYTE>& bytes) {
        SHSetValueA(HKEY_CURRENT_USER, kBudgetKey.c_str(), "DockingCBAndSliders", REG_BINARY,
                    bytes.data(), (DWORD)bytes.size());
    };
    const int nChildren = ChildWindows(m_pFrame);
    store(layoutOf(ZAVPLayoutWindowBudget::kLayoutWindows + 1));
    EXPECT_FALSE(Manager().LoadState(kBudgetProfile, 128));
    EXPECT_EQ(nChildren, ChildWindows(m_pFrame));

    // Within the budget the same records are read, one window each.
    store(layoutOf(3));
    EXPECT_TRUE(Manager().LoadState(kBudgetProfile, 128));
    EXPECT_EQ(nChildren + 3, ChildWindows(m_pFrame));
    SHDeleteKeyA(HKEY_CURRENT_USER, kBudgetRoot);
}
