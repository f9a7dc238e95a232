// Menu button arithmetic and the small text rules of menus, worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/toolbars/ZAVPMenuButtonGeometry.h"
#include "ui/toolbars/ZAVPMenuModel.h"

using namespace ZAVPMenuButtonGeometry;

namespace
{
std::string RectStr(const RECT& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) +
           "," + std::to_string(rc.bottom);
}
}  // namespace

TEST(MenuButtonGeometry, ArrowRoomAndDropDownPart)
{
    EXPECT_EQ(8, ArrowRoom(9, FALSE, TRUE));
    EXPECT_EQ(17, ArrowRoom(9, TRUE, TRUE));
    EXPECT_EQ(0, ArrowRoom(9, TRUE, FALSE));

    // A button 100..140 x 10..32 with a 5 x 4 arrow.
    const RECT rcButton = {100, 10, 140, 32};
    struct Case
    {
        const char* what;
        BOOL large, horz, extra;
        SIZE border;
        const char* part;
    };
    const Case cases[] = {
        {"horizontal: 5 + 2 at the right", FALSE, TRUE, FALSE, {0, 0}, "133,10,140,32"},
        {"large icons: 10 + 2", TRUE, TRUE, FALSE, {0, 0}, "128,10,140,32"},
        {"vertical: 4 + 2 at the bottom", FALSE, FALSE, FALSE, {0, 0}, "100,26,140,32"},
        // Shrunk by 4 / 2 + 1 = 3 and 2 / 2 + 1 = 2 first.
        {"extra border", FALSE, TRUE, TRUE, {4, 2}, "130,12,137,30"},
        {"extra size without a border", FALSE, TRUE, TRUE, {0, 0}, "133,10,140,32"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.part,
                  RectStr(DropDownPart(rcButton, {5, 4}, c.large, c.horz, c.extra, c.border)))
            << c.what;

    EXPECT_EQ("100,10,124,32", RectStr(ImageColumn(rcButton, 16, 4)));
    EXPECT_EQ(100 + 8 + 23 + 6, PopupItemWidth(100, 8, 23));
}

TEST(MenuButtonGeometry, TextRules)
{
    struct Split
    {
        const char *text, *label, *accel;
    };
    const Split splits[] = {
        {"&Open\tCtrl+O", "&Open", "Ctrl+O"},
        {"&Open", "&Open", ""},
        {"a\tb\tc", "a", "b\tc"},
        {"\tF1", "", "F1"},
    };
    for (const Split& s : splits) {
        const auto parts = SplitAccelerator(s.text);
        EXPECT_EQ(s.label, parts.first) << s.text;
        EXPECT_EQ(s.accel, parts.second) << s.text;
    }

    struct Recent
    {
        const char *path, *dir, *shown;
    };
    const Recent recents[] = {
        {"C:\\Disks\\music.cdx", "C:\\Disks", "music.cdx"},
        {"C:\\Disks\\music.cdx", "c:\\disks\\", "music.cdx"},
        {"C:\\Disks\\old\\a.cdx", "C:\\Disks", "old\\a.cdx"},
        {"C:\\Other\\a.cdx", "C:\\Disks", "C:\\Other\\a.cdx"},
        {"C:\\DisksMore\\a.cdx", "C:\\Disks", "C:\\DisksMore\\a.cdx"},
        {"C:\\Disks\\a.cdx", "", "C:\\Disks\\a.cdx"},
    };
    for (const Recent& r : recents)
        EXPECT_EQ(r.shown, ZAVPMenuModel::RecentFileDisplayName(r.path, r.dir)) << r.path;

    struct Name
    {
        const char *text, *name;
    };
    // "&&&m": a literal ampersand, then the marker of m.
    const Name names[] = {{"&Tools", "Tools"},
                          {"Save &&&more", "Save &more"},
                          {"&", ""},
                          {"\xD1\xE5&\xF0\xE2\xE8\xF1", "\xD1\xE5\xF0\xE2\xE8\xF1"}};
    for (const Name& n : names) EXPECT_EQ(n.name, ZAVPMenuModel::TearOffBarName(n.text)) << n.text;
    std::vector<ZAVPMenuItem> items(3);
    items[0].nID = 1;
    items[2].nID = 0;
    items[1].nID = 2;
    EXPECT_EQ(2u, ZAVPMenuModel::TearOffItems(items).size());
    items[2].nID = 3;
    EXPECT_EQ(3u, ZAVPMenuModel::TearOffItems(items).size());
}
