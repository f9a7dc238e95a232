// The toolbar button's archive, its image bookkeeping with the command manager and its size.
#include <gtest/gtest.h>

#include "ToolbarTestSupport.h"
#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CObList.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

namespace
{
const UINT kOpen = 32771;  // 0x8003

class ToolbarButtonTest : public ::testing::Test
{
protected:
    void SetUp() override { GetCommandManager()->ClearAll(); }
    void TearDown() override { GetCommandManager()->ClearAll(); }
};

// The fields of a stored button up to the show-image flag.
Bytes ButtonImage(DWORD id, DWORD style, DWORD image, const Bytes& text, DWORD user, DWORD data,
                  DWORD showText, DWORD showImage)
{
    return Dword(id) + Dword(style) + Dword(image) + text + Dword(user) + Dword(data) +
           Dword(showText) + Dword(showImage);
}

class ScreenDC
{
public:
    ScreenDC()
    {
        m_hdc = ::CreateCompatibleDC(nullptr);
        m_dc.Attach(m_hdc);
        m_old = ::SelectObject(m_hdc, ::GetStockObject(DEFAULT_GUI_FONT));
    }
    ~ScreenDC()
    {
        ::SelectObject(m_hdc, m_old);
        m_dc.Detach();
        ::DeleteDC(m_hdc);
    }
    CDC* operator->() { return &m_dc; }
    CDC* get() { return &m_dc; }

private:
    HDC m_hdc;
    HGDIOBJ m_old;
    CDC m_dc;
};
}  // namespace

TEST_F(ToolbarButtonTest, ArchiveFieldsInOrderWithTheVisibleFlagByVersion)
{
    CZAVPToolbarButton button(kOpen, 3, "Open");
    button.m_nStyle = TBBS_CHECKBOX;
    button.m_dwdItemData = 0x11223344;
    const Bytes common = ButtonImage(kOpen, TBBS_CHECKBOX, 3, Hex("04 'Open'"), 0, 0x11223344, 0,
                                     1);

    // No workspace: the field is neither written nor read.
    EXPECT_EQ(common, StoreBytes([&](CArchive& ar) { button.Serialize(ar); }));
    const struct
    {
        int major, minor;
        bool visibleField;
    } versions[] = {{-1, -1, true}, {6, 41, true}, {6, 70, true}, {7, 0, true}, {6, 40, false}};
    for (const auto& v : versions) {
        VersionedWorkspace workspace(v.major, v.minor);
        const Bytes expected = v.visibleField ? common + Dword(1) : common;
        EXPECT_EQ(expected, StoreBytes([&](CArchive& ar) { button.Serialize(ar); }))
            << v.major << "." << v.minor;
    }
}

TEST_F(ToolbarButtonTest, OlderStateWithoutTheVisibleFieldLoadsVisible)
{
    VersionedWorkspace workspace(6, 40);
    CZAVPToolbarButton button;
    button.m_bVisible = TRUE;
    const Bytes stored = ButtonImage(kOpen, 0, 2, Hex("03 'Cut'"), 0, 0, 1, 1);
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { button.Serialize(ar); }));
    EXPECT_TRUE(button.IsVisible());
    EXPECT_EQ(kOpen, button.m_nID);
    EXPECT_EQ(2, button.GetImage());
    EXPECT_STREQ("Cut", button.m_strText);
    EXPECT_TRUE(button.m_bText);
    // The restored image went through SetImage: the command manager knows it now.
    EXPECT_EQ(2, GetCommandManager()->GetCommandImage(kOpen));
}

TEST_F(ToolbarButtonTest, LongNameTakesTheWordLengthPrefix)
{
    VersionedWorkspace workspace(6, 70);
    const CString name(std::string(300, 'x').c_str());
    CZAVPToolbarButton button(0, -1, name);
    const Bytes expected = ButtonImage(0, 0, (DWORD)-1, Hex("FF 2C 01") + Text(name), 0, 0, 1, 0) +
                           Dword(1);
    const Bytes stored = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    EXPECT_EQ(expected, stored);

    CZAVPToolbarButton loaded;
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(300, loaded.m_strText.GetLength());
}

TEST_F(ToolbarButtonTest, ListOfButtonsCarriesTheClassRecordOnce)
{
    VersionedWorkspace workspace(6, 70);
    CObList buttons;
    CZAVPToolbarButton first(kOpen, 0, "A");
    CZAVPToolbarButton second(kOpen + 1, 1, "B");
    buttons.AddTail(&first);
    buttons.AddTail(&second);
    const Bytes expected = Hex("02 00 FF FF 01 00 12 00 'CZAVPToolbarButton'") +
                           ButtonImage(kOpen, 0, 0, Hex("01 'A'"), 0, 0, 0, 1) + Dword(1) +
                           Hex("01 80") + ButtonImage(kOpen + 1, 0, 1, Hex("01 'B'"), 0, 0, 0, 1) +
                           Dword(1);
    EXPECT_EQ(expected, StoreBytes([&](CArchive& ar) { buttons.Serialize(ar); }));
    buttons.RemoveAll();
}

TEST_F(ToolbarButtonTest, TruncatedArchiveThrowsAtEveryLength)
{
    const Bytes stored = ButtonImage(kOpen, 0, 2, Hex("03 'Cut'"), 0, 0, 1, 1);
    for (size_t n = 0; n < stored.size(); ++n) {
        CZAVPToolbarButton button;
        EXPECT_FALSE(LoadBytes(Bytes(stored.begin(), stored.begin() + n), [&](CArchive& ar) {
            button.Serialize(ar);
        })) << n;
    }
}

TEST_F(ToolbarButtonTest, ImagesFromAndToTheCommandManager)
{
    CZAVPCommandManager* pManager = GetCommandManager();
    pManager->RecordCommandImage(100, 5);
    CZAVPToolbarButton fromManager(100, -1);
    EXPECT_EQ(5, fromManager.GetImage());
    EXPECT_TRUE(fromManager.m_bImage);

    CZAVPToolbarButton recorder(101, 7);
    EXPECT_EQ(7, pManager->GetCommandImage(101));

    CZAVPToolbarButton locked(102, 4, nullptr, FALSE, TRUE);
    EXPECT_EQ(-1, pManager->GetCommandImage(102));  // never written by a locked button
    pManager->RecordCommandImage(103, 6);
    CZAVPToolbarButton lockedReader(103, -1, nullptr, FALSE, TRUE);
    EXPECT_EQ(-1, lockedReader.GetImage());  // nor read

    // No image anywhere: the button shows its text instead.
    CZAVPToolbarButton noImage(104, -1, "Text");
    EXPECT_FALSE(noImage.m_bImage);
    EXPECT_TRUE(noImage.m_bText);
}

TEST_F(ToolbarButtonTest, SetImageMinusOneTakesTheFlagFromTheImageThatExists)
{
    CZAVPCommandManager* pManager = GetCommandManager();
    pManager->RecordCommandImage(200, 5);        // a standard image
    pManager->RecordCommandImage(300, 2, TRUE);  // a user image
    const struct
    {
        UINT id;
        BOOL userBefore;
        BOOL userAfter;
        int image;
    } cases[] = {
        {200, FALSE, FALSE, 5}, {200, TRUE, FALSE, 5},
        {300, FALSE, TRUE, 2},  {300, TRUE, TRUE, 2},  // a user-image button keeps its image
        {400, TRUE, TRUE, -1},  {400, FALSE, FALSE, -1},
    };
    for (const auto& c : cases) {
        CZAVPToolbarButton button;
        button.m_nID = c.id;
        button.m_bUserButton = c.userBefore;
        button.SetImage(-1);
        EXPECT_EQ(c.userAfter, button.m_bUserButton) << c.id << " " << c.userBefore;
        EXPECT_EQ(c.image, button.GetImage()) << c.id << " " << c.userBefore;
    }
}

TEST_F(ToolbarButtonTest, CopyFromCopiesTheStoredFieldsAndClearsTheWord)
{
    CZAVPToolbarButton source(kOpen, 3, "&Open");
    source.m_nStyle = TBBS_CHECKBOX;
    source.m_bText = TRUE;
    source.m_strTextCustom = "custom";
    source.m_bVisible = FALSE;
    source.m_dwdItemData = 77;
    CZAVPToolbarButton copy;
    copy.m_dwdItemData = 5;
    copy.CopyFrom(source);
    EXPECT_EQ(kOpen, copy.m_nID);
    EXPECT_EQ((UINT)TBBS_CHECKBOX, copy.m_nStyle);
    EXPECT_EQ(3, copy.GetImage());
    EXPECT_STREQ("&Open", copy.m_strText);
    EXPECT_STREQ("custom", copy.m_strTextCustom);
    EXPECT_FALSE(copy.m_bVisible);
    EXPECT_EQ(0u, copy.m_dwdItemData);
    EXPECT_TRUE(copy.CompareWith(source));
}

TEST(ButtonTextTest, MnemonicsAndTooltipPart)
{
    const struct
    {
        const char* text;
        const char* measured;
    } cases[] = {
        {"&Save && Exit", "Save & Exit"},
        {"a&&&b", "a&b"},
        {"&", ""},
        {"plain", "plain"},
        {"&&", "&"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.measured, ZAVPButtonText::StripMnemonics(c.text)) << c.text;
    EXPECT_STREQ("Open", ZAVPButtonText::TooltipPart("Opens a file\nOpen"));
    EXPECT_STREQ("", ZAVPButtonText::TooltipPart("No tooltip"));
}

TEST_F(ToolbarButtonTest, CalculatedSizes)
{
    ScreenDC dc;
    const CSize sizeDefault(23, 22);

    CZAVPToolbarButton separator;
    separator.m_nStyle = TBBS_SEPARATOR;
    separator.SetImage(0);
    EXPECT_EQ(CSize(8, 22), CSize(separator.OnCalculateSize(dc.get(), sizeDefault, TRUE)));
    EXPECT_EQ(CSize(23, 8), CSize(separator.OnCalculateSize(dc.get(), sizeDefault, FALSE)));
    separator.SetImage(12);
    EXPECT_EQ(CSize(12, 22), CSize(separator.OnCalculateSize(dc.get(), sizeDefault, TRUE)));

    CZAVPToolbarButton hidden(kOpen, 1);
    hidden.SetVisible(FALSE);
    EXPECT_EQ(CSize(0, 0), CSize(hidden.OnCalculateSize(dc.get(), sizeDefault, TRUE)));

    CZAVPToolbarButton imageOnly(kOpen, 1);
    EXPECT_EQ(sizeDefault, CSize(imageOnly.OnCalculateSize(dc.get(), sizeDefault, TRUE)));

    // Image and text: the text measured without its mnemonic marks, plus 9.
    CZAVPToolbarButton withText(kOpen, 1, "&Save && Exit");
    withText.m_bText = TRUE;
    const int cxText = dc->GetTextExtent("Save & Exit", 11).cx;
    EXPECT_EQ(CSize(23 + cxText + 9, 22),
              CSize(withText.OnCalculateSize(dc.get(), sizeDefault, TRUE)));
    EXPECT_EQ(CSize(23, 22 + cxText + 9),
              CSize(withText.OnCalculateSize(dc.get(), sizeDefault, FALSE)));

    // Text only (no image anywhere): no default width, just the text.
    CZAVPToolbarButton textOnly(kOpen + 50, -1, "&Save && Exit");
    EXPECT_EQ(CSize(cxText + 9, 22), CSize(textOnly.OnCalculateSize(dc.get(), sizeDefault, TRUE)));
}

// An entry of the customisation command list reports the width it used, not the row's: the
// image square (image width + 6), a 3-pixel gap, then the text without its mnemonic mark.
TEST_F(ToolbarButtonTest, DrawingOnTheCommandListAnswersTheWidthUsed)
{
    ScreenDC dc;
    CZAVPToolbarButton button(kOpen, -1, "&Open");
    const int cxText = dc->GetTextExtent("Open", 4).cx;
    const int cxImage = CZAVPToolBar::m_sizeImage.cx;
    EXPECT_EQ(cxImage + 6 + 3 + cxText,
              button.OnDrawOnList(dc.get(), CRect(10, 0, 400, 22), FALSE));
}
