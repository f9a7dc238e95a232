// The CD-ROM drive list: the test prefix's drives X: and Y:, the preselected root, and the user's
// choice coming back through the reflected selection change.
#include <gtest/gtest.h>
#include <windows.h>
#include "catalog/CdromComboBox.h"
#include "catalog/CdromDrives.h"
#include "framework/CWnd.h"

namespace
{

struct ComboInWindow
{
    CWnd parent;
    CdromComboBox combo;
    ComboInWindow()
    {
        EXPECT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, 0, 0, 200, 200,
                                    nullptr, nullptr));
        RECT r = {0, 0, 150, 120};
        EXPECT_TRUE(
            combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, r, &parent, 1032));
    }
    ~ComboInWindow()
    {
        combo.DestroyWindow();
        parent.DestroyWindow();
    }
    std::string Selected()
    {
        char text[64] = {};
        combo.GetLBText(combo.GetCurSel(), text);
        return text;
    }
};

}  // namespace

TEST(CdromComboBoxFill, ListsTheDrivesAndPreselectsTheStoredRoot)
{
    const std::vector<std::string> drives = CdromRootsOfMask(GetLogicalDrives());
    ASSERT_GE(drives.size(), 2u);  // at least X: and Y:

    ComboInWindow w;
    w.combo.SetSelectedRoot("Y:\\");
    w.combo.Fill();
    EXPECT_EQ((int)drives.size(), w.combo.GetCount());
    EXPECT_EQ("Y:\\", w.Selected());
    EXPECT_TRUE(w.combo.IsWindowEnabled());
    EXPECT_EQ("Y:\\", w.combo.GetSelectedRoot());

    // The user picks X:; the parent reflects the notification back to the list.
    w.combo.SetCurSel(w.combo.FindStringExact(-1, "X:\\"));
    w.parent.SendMessage(WM_COMMAND, MAKEWPARAM(1032, CBN_SELCHANGE),
                         (LPARAM)w.combo.GetSafeHwnd());
    EXPECT_EQ("X:\\", w.combo.GetSelectedRoot());
}

TEST(CdromComboBoxFill, UnknownRootSelectsTheFirstDriveAndKeepsTheRoot)
{
    ComboInWindow w;
    w.combo.SetSelectedRoot("Q:\\");
    w.combo.Fill();
    EXPECT_EQ(0, w.combo.GetCurSel());
    EXPECT_EQ("Q:\\", w.combo.GetSelectedRoot());  // selecting the first item does not change it
}
