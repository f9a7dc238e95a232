// The icon editor: its grid arithmetic, its changes to a memory bitmap, and the dialog itself
// driven through its modal loop (drawing, filling, picking a colour, pasting a picture).
#include <gtest/gtest.h>

#include <memory>

#include "framework/CGdiObject.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "tests/app/DrivenDialog.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/toolbars/CZAVPIconEditorDlg.h"
#include "ui/toolbars/ZAVPIconBitmap.h"
#include "ui/toolbars/ZAVPIconEditorMath.h"

using namespace ZAVPIconEditorMath;

namespace
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit bitmap of the size, filled with one colour.
HBITMAP MakeBitmap(int cx, int cy, COLORREF fill)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    ZAVPIconBitmap::Fill(hbm, fill);
    return hbm;
}

// The pixels of a row as a string: '#' for the colour, '.' for anything else.
std::string Row(HBITMAP hbm, int y, COLORREF color)
{
    std::string row;
    for (int x = 0; x < ZAVPIconBitmap::GetSize(hbm).cx; ++x)
        row += ZAVPIconBitmap::GetPixel(hbm, POINT{x, y}) == color ? '#' : '.';
    return row;
}
}  // namespace

TEST(IconEditorMathTest, CellsPixelsAndShapes)
{
    // A 16 x 15 image on a grid of 162 x 152: (162 - 2) / 16 = 10, (152 - 2) / 15 = 10.
    EXPECT_EQ(10, CellSize(SIZE{162, 152}, SIZE{16, 15}).cx);
    EXPECT_EQ(10, CellSize(SIZE{162, 152}, SIZE{16, 15}).cy);
    // An image larger than the grid still gets cells of one pixel.
    EXPECT_EQ(1, CellSize(SIZE{20, 20}, SIZE{64, 64}).cx);
    EXPECT_EQ(1, CellSize(SIZE{20, 20}, SIZE{64, 64}).cy);
    const SIZE cell = {10, 10}, image = {16, 15};
    struct
    {
        POINT pt;
        LONG x, y;
    } points[] = {{{1, 1}, 0, 0},       {{10, 10}, 0, 0},     {{11, 11}, 1, 1},
                  {{160, 150}, 15, 14}, {{500, 500}, 15, 14}, {{-40, -3}, 0, 0}};
    for (const auto& p : points) {
        EXPECT_EQ(p.x, PointToPixel(p.pt, cell, image).x) << p.pt.x;
        EXPECT_EQ(p.y, PointToPixel(p.pt, cell, image).y) << p.pt.y;
    }
    EXPECT_EQ(2 * 10 + 1 + 5, PixelCentre(POINT{2, 3}, cell).x);
    EXPECT_EQ(3 * 10 + 1 + 5, PixelCentre(POINT{2, 3}, cell).y);
    // Dragged from right to left and bottom to top, both end pixels are inside.
    const RECT back = ShapeRect(POINT{6, 5}, POINT{2, 1});
    EXPECT_EQ(2, back.left);
    EXPECT_EQ(1, back.top);
    EXPECT_EQ(7, back.right);
    EXPECT_EQ(6, back.bottom);
    // A flat shape grows only along the axis where the ends differ.
    const RECT flat = ShapeRect(POINT{1, 4}, POINT{5, 4});
    EXPECT_EQ(6, flat.right);
    EXPECT_EQ(4, flat.bottom);
    // A smaller picture is centred; a larger one starts at the corner.
    EXPECT_EQ(4, PasteOrigin(SIZE{16, 15}, SIZE{8, 8}).x);
    EXPECT_EQ(3, PasteOrigin(SIZE{16, 15}, SIZE{8, 8}).y);
    EXPECT_EQ(0, PasteOrigin(SIZE{16, 15}, SIZE{40, 40}).x);
}

TEST(IconEditorBitmapTest, PixelsLinesShapesFillAndPaste)
{
    HBITMAP hbm = MakeBitmap(8, 6, kWhite);
    ASSERT_NE(nullptr, hbm);
    ASSERT_TRUE(ZAVPIconBitmap::SetPixel(hbm, POINT{1, 1}, kRed));
    EXPECT_EQ(kRed, ZAVPIconBitmap::GetPixel(hbm, POINT{1, 1}));
    // A line includes its end pixel.
    ZAVPIconBitmap::DrawLine(hbm, POINT{0, 3}, POINT{4, 3}, kBlue);
    EXPECT_EQ("#####...", Row(hbm, 3, kBlue));
    // The outline of the shape rectangle from (6,5) back to (2,0) covers both ends.
    ZAVPIconBitmap::Fill(hbm, kWhite);
    ZAVPIconBitmap::DrawShape(hbm, ShapeRect(POINT{6, 4}, POINT{2, 0}), FALSE, kRed);
    EXPECT_EQ("..#####.", Row(hbm, 0, kRed));
    EXPECT_EQ("..#...#.", Row(hbm, 2, kRed));
    EXPECT_EQ("..#####.", Row(hbm, 4, kRed));
    // A flood fill inside the outline stays inside.
    ZAVPIconBitmap::FloodFill(hbm, POINT{4, 2}, kBlue);
    EXPECT_EQ("...###..", Row(hbm, 2, kBlue));
    EXPECT_EQ("........", Row(hbm, 5, kBlue));

    // Paste: a 4 x 2 picture is centred on the button face; a 12 x 9 one is cut at the right
    // and the bottom.
    HBITMAP hbmSmall = MakeBitmap(4, 2, kRed);
    ASSERT_TRUE(ZAVPIconBitmap::Paste(hbm, hbmSmall, kWhite));
    EXPECT_EQ("........", Row(hbm, 1, kRed));
    EXPECT_EQ("..####..", Row(hbm, 2, kRed));
    EXPECT_EQ("..####..", Row(hbm, 3, kRed));
    EXPECT_EQ("........", Row(hbm, 4, kRed));
    HBITMAP hbmLarge = MakeBitmap(12, 9, kBlue);
    ZAVPIconBitmap::SetPixel(hbmLarge, POINT{0, 0}, kRed);
    ASSERT_TRUE(ZAVPIconBitmap::Paste(hbm, hbmLarge, kWhite));
    EXPECT_EQ(kRed, ZAVPIconBitmap::GetPixel(hbm, POINT{0, 0}));
    EXPECT_EQ("########", Row(hbm, 5, kBlue));
    // No picture: nothing changes.
    EXPECT_FALSE(ZAVPIconBitmap::Paste(hbm, nullptr, kWhite));
    EXPECT_EQ(kRed, ZAVPIconBitmap::GetPixel(hbm, POINT{0, 0}));
    ::DeleteObject(hbmLarge);
    ::DeleteObject(hbmSmall);
    ::DeleteObject(hbm);
}

namespace
{
class RecordingApp : public CWinApp
{
public:
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
    std::vector<std::string> m_prompts;
};

class IconEditorDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hbm = MakeBitmap(16, 15, kWhite);
        m_bitmap.Attach(m_hbm);
    }
    void TearDown() override { m_bitmap.DeleteObject(); }

    // Client point of the centre of pixel (x, y) of the dialog's grid, from the grid's own
    // cell size.
    static LPARAM PixelPoint(HWND hwndArea, int x, int y)
    {
        RECT rect;
        ::GetClientRect(hwndArea, &rect);
        const SIZE cell = CellSize(SIZE{rect.right, rect.bottom}, SIZE{16, 15});
        const POINT pt = PixelCentre(POINT{x, y}, cell);
        return MAKELPARAM(pt.x, pt.y);
    }
    static void Click(HWND hwndArea, int x, int y)
    {
        ::PostMessageA(hwndArea, WM_LBUTTONDOWN, MK_LBUTTON, PixelPoint(hwndArea, x, y));
        ::PostMessageA(hwndArea, WM_LBUTTONUP, 0, PixelPoint(hwndArea, x, y));
    }
    static void Drag(HWND hwndArea, int x0, int y0, int x1, int y1)
    {
        ::PostMessageA(hwndArea, WM_LBUTTONDOWN, MK_LBUTTON, PixelPoint(hwndArea, x0, y0));
        ::PostMessageA(hwndArea, WM_MOUSEMOVE, MK_LBUTTON, PixelPoint(hwndArea, x1, y1));
        ::PostMessageA(hwndArea, WM_LBUTTONUP, 0, PixelPoint(hwndArea, x1, y1));
    }

    RecordingApp m_app;
    HBITMAP m_hbm = nullptr;
    CBitmap m_bitmap;
};
}  // namespace

TEST_F(IconEditorDialogTest, DrawsFillsPicksAndKeepsTheResultOnApply)
{
    DrivenDialog<CZAVPIconEditorDlg> dlg(&m_bitmap, nullptr, 32);
    int nToolAfterPick = -1;
    COLORREF clrAfterPick = 0;
    const INT_PTR result = dlg.RunModal([&](HWND hwnd) {
        ASSERT_NE(nullptr, hwnd);
        HWND hwndArea = ::GetDlgItem(hwnd, IDC_ZAVP_PAINT_AREA);
        // Pencil (the starting tool) in black, the starting colour.
        Click(hwndArea, 0, 0);
        // A rectangle dragged from bottom right to top left.
        ::PostMessageA(hwnd, WM_COMMAND, ID_ZAVP_ICON_RECT, 0);
        Drag(hwndArea, 6, 6, 2, 2);
        // A line released on its start pixel paints that pixel only.
        ::PostMessageA(hwnd, WM_COMMAND, ID_ZAVP_ICON_LINE, 0);
        Drag(hwndArea, 10, 10, 10, 10);
        ASSERT_TRUE(dlg.Sync(hwnd));
        // The eyedropper on the black pixel: back to the pencil with black.
        ::PostMessageA(hwnd, WM_COMMAND, ID_ZAVP_ICON_PICK, 0);
        Click(hwndArea, 0, 0);
        ASSERT_TRUE(dlg.Sync(hwnd));
        nToolAfterPick = dlg.GetTool();
        clrAfterPick = dlg.GetColorBar().GetColor();
        // A fill inside the rectangle.
        ::PostMessageA(hwnd, WM_COMMAND, ID_ZAVP_ICON_FILL, 0);
        Click(hwndArea, 4, 4);
        ASSERT_TRUE(dlg.Sync(hwnd));
        ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(CZAVPIconPaintArea::kPencil, nToolAfterPick);
    EXPECT_EQ(RGB(0, 0, 0), clrAfterPick);
    const COLORREF kBlack = RGB(0, 0, 0);
    EXPECT_EQ("#...............", Row(m_hbm, 0, kBlack));
    EXPECT_EQ("..#####.........", Row(m_hbm, 2, kBlack));
    EXPECT_EQ("..#####.........", Row(m_hbm, 4, kBlack));  // filled inside
    EXPECT_EQ("..#####.........", Row(m_hbm, 6, kBlack));
    EXPECT_EQ("................", Row(m_hbm, 7, kBlack));
    EXPECT_EQ("..........#.....", Row(m_hbm, 10, kBlack));
    EXPECT_EQ("................", Row(m_hbm, 11, kBlack));
}

TEST_F(IconEditorDialogTest, PastesTheClipboardPictureAndReportsAnEmptyClipboard)
{
    // A bitmap announced but never given (delayed rendering without an owner): the message,
    // the icon unchanged.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, nullptr);
    ::CloseClipboard();
    ASSERT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    {
        DrivenDialog<CZAVPIconEditorDlg> dlg(&m_bitmap, nullptr, 32);
        dlg.RunModal([&](HWND hwnd) {
            ASSERT_NE(nullptr, hwnd);
            ::PostMessageA(hwnd, WM_COMMAND, ID_ZAVP_ICON_PASTE, 0);
            ASSERT_TRUE(dlg.Sync(hwnd));
            ::PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        });
    }
    ASSERT_EQ(1u, m_app.m_prompts.size());
    CString strPasteFailed;
    strPasteFailed.LoadString(IDS_ZAVP_CANT_PASTE_IMAGE);
    EXPECT_EQ((LPCSTR)strPasteFailed, m_app.m_prompts[0]);
    EXPECT_EQ("################", Row(m_hbm, 7, kWhite));

    // A 4 x 4 red picture lands in the middle on the button face.
    HBITMAP hbmRed = MakeBitmap(4, 4, kRed);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ASSERT_NE(nullptr, ::SetClipboardData(CF_BITMAP, hbmRed));
    ::CloseClipboard();
    {
        DrivenDialog<CZAVPIconEditorDlg> dlg(&m_bitmap, nullptr, 32);
        EXPECT_EQ(IDOK, dlg.RunModal([&](HWND hwnd) {
            ASSERT_NE(nullptr, hwnd);
            ::PostMessageA(hwnd, WM_COMMAND, ID_ZAVP_ICON_PASTE, 0);
            ASSERT_TRUE(dlg.Sync(hwnd));
            ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        }));
    }
    EXPECT_EQ(1u, m_app.m_prompts.size());
    // (16 - 4) / 2 = 6 across, (15 - 4) / 2 = 5 down.
    EXPECT_EQ("................", Row(m_hbm, 4, kRed));
    EXPECT_EQ("......####......", Row(m_hbm, 5, kRed));
    EXPECT_EQ("......####......", Row(m_hbm, 8, kRed));
    EXPECT_EQ(globalData.clrBtnFace, ZAVPIconBitmap::GetPixel(m_hbm, POINT{0, 0}));
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
}
