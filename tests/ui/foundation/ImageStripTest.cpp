// Image strips and menu glyphs: loading from resources and files, recolouring to the system
// colours and back, the read-only view, saving through a file that replaces the old one, the
// draw states on memory DCs, the five glyph colours, and the menu-bar store's temporary files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "UpperLayerFakes.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPStripColors.h"

namespace
{
const int kCell = 8;  // image size of the test strips
const COLORREF kFace = 0xC0C0C0, kShadow = 0x808080, kBlack = 0, kWhite = 0xFFFFFF;
const COLORREF kOdd = RGB(0x12, 0x34, 0x56);  // a colour no table entry stands for
const COLORREF kPrefill = RGB(200, 10, 10);   // what a DC holds before a draw

// Two 8 x 8 images: a black 4 x 4 square (2..5) on the face colour with one odd pixel at (0, 7),
// then a shadow-grey cell.
COLORREF TestPixel(int x, int y)
{
    if (x >= kCell) return kShadow;
    if (x == 0 && y == 7) return kOdd;
    return (x >= 2 && x <= 5 && y >= 2 && y <= 5) ? kBlack : kFace;
}

std::vector<BYTE> MakeBmp(int bitCount)
{
    const int width = 2 * kCell, height = kCell, bytesPerPixel = bitCount / 8;
    const int stride = (width * bytesPerPixel + 3) / 4 * 4;
    std::vector<BYTE> pixels((size_t)stride * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = TestPixel(x, y);
            BYTE* p = pixels.data() + (size_t)(height - 1 - y) * stride + (size_t)x * bytesPerPixel;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    BITMAPINFOHEADER bih = {
        sizeof bih, width, height, 1, (WORD)bitCount, BI_RGB, (DWORD)pixels.size(), 0, 0, 0, 0};
    BITMAPFILEHEADER bfh = {0x4D42, 0, 0, 0, sizeof bfh + sizeof bih};
    bfh.bfSize = bfh.bfOffBits + (DWORD)pixels.size();
    std::vector<BYTE> file(bfh.bfSize);
    std::memcpy(file.data(), &bfh, sizeof bfh);
    std::memcpy(file.data() + sizeof bfh, &bih, sizeof bih);
    std::memcpy(file.data() + bfh.bfOffBits, pixels.data(), pixels.size());
    return file;
}

// The pixel of a BMP file (24 or 32 bits, bottom-up) as a COLORREF.
COLORREF FilePixel(const std::vector<BYTE>& file, int x, int y)
{
    const auto* bfh = reinterpret_cast<const BITMAPFILEHEADER*>(file.data());
    const auto* bih = reinterpret_cast<const BITMAPINFOHEADER*>(file.data() +
                                                                sizeof(BITMAPFILEHEADER));
    const int bytesPerPixel = bih->biBitCount / 8;
    const int stride = (bih->biWidth * bytesPerPixel + 3) / 4 * 4;
    const BYTE* p = file.data() + bfh->bfOffBits + (size_t)(bih->biHeight - 1 - y) * stride +
                    (size_t)x * bytesPerPixel;
    return RGB(p[2], p[1], p[0]);
}

std::vector<BYTE> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::vector<BYTE>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
}

int CountFiles(const std::string& pattern)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    int n = 0;
    do
        if (fd.cFileName[0] != '.')  // not "." and ".."
            ++n;
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

COLORREF Halfway(COLORREF c, COLORREF h)
{
    auto ch = [](int v, int to) { return v + (to - v) / 2; };
    return RGB(ch(GetRValue(c), GetRValue(h)), ch(GetGValue(c), GetGValue(h)),
               ch(GetBValue(c), GetBValue(h)));
}

// A 32-bit memory DC of 32 x 32 filled with one colour.
class MemoryDC
{
public:
    MemoryDC()
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        m_hbmp = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, nullptr, nullptr, 0);
        m_dc.Attach(CreateCompatibleDC(nullptr));
        m_old = SelectObject(m_dc, m_hbmp);
        Fill(kPrefill);
    }
    ~MemoryDC()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_hbmp);
    }
    void Fill(COLORREF c) { m_dc.FillSolidRect(0, 0, 32, 32, c); }
    COLORREF Pixel(int x, int y) { return GetPixel(m_dc, x, y); }
    CDC* dc() { return &m_dc; }

private:
    CDC m_dc;
    HBITMAP m_hbmp;
    HGDIOBJ m_old;
};

class ImageStripTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szDir[MAX_PATH];
        GetTempPathA(MAX_PATH, szDir);
        m_dir = std::string(szDir) + "u2strips\\";
        CreateDirectoryA(m_dir.c_str(), nullptr);
        m_file = m_dir + "images.bmp";
    }
    void TearDown() override
    {
        SetFileAttributesA(m_file.c_str(), FILE_ATTRIBUTE_NORMAL);
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((m_dir + "*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do DeleteFileA((m_dir + fd.cFileName).c_str());
            while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA(m_dir.c_str());
    }
    void LoadTestFile(CZAVPImageStrip& strip, int bitCount)
    {
        WriteFile(m_file, MakeBmp(bitCount));
        strip.SetImageSize(SIZE{kCell, kCell});
        ASSERT_TRUE(strip.LoadFromFile(m_file.c_str()));
    }
    // Draws image 0 at (4, 4) in one pass.
    void DrawOne(CZAVPImageStrip& strip, MemoryDC& dc, BOOL bPressed, BOOL bDisabled)
    {
        CZAVPDrawState ds;
        ASSERT_TRUE(strip.PrepareDrawImage(ds));
        EXPECT_TRUE(strip.Draw(dc.dc(), 4, 4, 0, bPressed, bDisabled));
        EXPECT_FALSE(strip.Draw(dc.dc(), 4, 4, 2));  // out of range
        strip.EndDrawImage(ds);
    }

    std::string m_dir;
    std::string m_file;
};

TEST(StripColorsTest, StandardColoursMapToTheSystemColoursAndBack)
{
    const ZAVPStripColors::SystemColors sys = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9),
                                               RGB(10, 11, 12)};
    const struct
    {
        COLORREF standard, system;
    } table[] = {{kBlack, RGB(1, 2, 3)},
                 {kShadow, RGB(4, 5, 6)},
                 {kFace, RGB(7, 8, 9)},
                 {kWhite, RGB(10, 11, 12)}};
    for (const auto& row : table) {
        COLORREF mapped = 0;
        ASSERT_TRUE(ZAVPStripColors::StandardToSystem(row.standard, sys, mapped));
        EXPECT_EQ(row.system, mapped);
        ASSERT_TRUE(ZAVPStripColors::SystemToStandard(row.system, sys, mapped));
        EXPECT_EQ(row.standard, mapped);
    }
    COLORREF untouched = 77;
    EXPECT_FALSE(ZAVPStripColors::StandardToSystem(kOdd, sys, untouched));
    EXPECT_FALSE(ZAVPStripColors::SystemToStandard(kOdd, sys, untouched));
    EXPECT_EQ(77u, untouched);

    // Two standard colours standing for one system colour map back to the first of them.
    const ZAVPStripColors::SystemColors same = {RGB(9, 9, 9), RGB(9, 9, 9), kFace, kWhite};
    COLORREF back = 0;
    ASSERT_TRUE(ZAVPStripColors::SystemToStandard(RGB(9, 9, 9), same, back));
    EXPECT_EQ(kBlack, back);
}

TEST(StripColorsTest, ColourTableOrderSwapsRedAndBlueBothWays)
{
    const COLORREF face = globalData.clrBtnFace;
    const COLORREF faceQuad = RGB(GetBValue(face), GetGValue(face), GetRValue(face));
    EXPECT_EQ(face, CZAVPImageStrip::MapToSysColor(kFace, FALSE));
    EXPECT_EQ(faceQuad, CZAVPImageStrip::MapToSysColor(kFace, TRUE));
    EXPECT_EQ(kFace, CZAVPImageStrip::MapFromSysColor(faceQuad, TRUE));
    EXPECT_EQ(kOdd, CZAVPImageStrip::MapToSysColor(kOdd, TRUE));  // unmapped colours unchanged
}

TEST_F(ImageStripTest, GlyphResourceLoadsOnceWhenAppendedTwice)
{
    CZAVPImageStrip strip;
    strip.SetImageSize(SIZE{9, 9});
    ASSERT_TRUE(strip.Load(IDB_ZAVP_MENU_IMAGES, nullptr, TRUE));
    const int count = strip.GetCount();
    BITMAP bmp = {};
    GetObjectA(strip.GetImageWell(), sizeof bmp, &bmp);
    EXPECT_EQ(bmp.bmWidth / 9, count);
    EXPECT_EQ(0, strip.GetResourceOffset(IDB_ZAVP_MENU_IMAGES));

    ASSERT_TRUE(strip.Load(IDB_ZAVP_MENU_IMAGES, nullptr, TRUE));
    EXPECT_EQ(count, strip.GetCount());
    EXPECT_FALSE(strip.Load(999, nullptr, TRUE));  // no such bitmap
    EXPECT_EQ(count, strip.GetCount());
}

TEST_F(ImageStripTest, EveryGlyphTheLooksAskForIsInTheStripAndDrawsSomething)
{
    const int glyphs[] = {
        CZAVPMenuGlyphs::IdArrowDown,
        CZAVPMenuGlyphs::IdArrowRight,
        CZAVPMenuGlyphs::IdCheck,
        CZAVPMenuGlyphs::IdMinimize,
        CZAVPMenuGlyphs::IdRestore,
        CZAVPMenuGlyphs::IdClose,
        CZAVPMenuGlyphs::IdArrowUp,
        CZAVPMenuGlyphs::IdArrowShowAll,
        CZAVPMenuGlyphs::IdArrowLeft,
        CZAVPMenuGlyphs::IdArrowRightLarge,
        CZAVPMenuGlyphs::IdMaximized,
        CZAVPMenuGlyphs::IdMaximize,
        CZAVPMenuGlyphs::IdHome,
        CZAVPMenuGlyphs::IdEnd,
        CZAVPMenuGlyphs::IdPinHorz,
        CZAVPMenuGlyphs::IdPinVert,
        CZAVPMenuGlyphs::IdMoreButtonsVert,
        CZAVPMenuGlyphs::IdMoreButtonsHorz,
        CZAVPMenuGlyphs::IdCustomizeVert,
        CZAVPMenuGlyphs::IdCustomizeHorz,
    };
    CZAVPImageStrip strip;
    strip.SetImageSize(SIZE{9, 9});
    ASSERT_TRUE(strip.Load(IDB_ZAVP_MENU_IMAGES, nullptr, TRUE));
    for (int glyph : glyphs) {
        EXPECT_LT(glyph, strip.GetCount()) << glyph;
        MemoryDC dc;
        dc.Fill(kWhite);
        ASSERT_TRUE(
            CZAVPMenuGlyphs::Draw(dc.dc(), glyph, POINT{0, 0}, CZAVPMenuGlyphs::StateBlack));
        int black = 0;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) black += dc.Pixel(x, y) == kBlack;
        EXPECT_GT(black, 0) << "glyph " << glyph << " is blank";
    }
    // The customise arrows of the two orientations are one drawing turned a quarter: a pixel of
    // the horizontal one at (x, y) is one of the vertical one at (y, x).
    MemoryDC horz, vert;
    horz.Fill(kWhite);
    vert.Fill(kWhite);
    CZAVPMenuGlyphs::Draw(horz.dc(), CZAVPMenuGlyphs::IdCustomizeHorz, POINT{0, 0});
    CZAVPMenuGlyphs::Draw(vert.dc(), CZAVPMenuGlyphs::IdCustomizeVert, POINT{0, 0});
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(horz.Pixel(x, y), vert.Pixel(y, x)) << x << "," << y;
}

TEST_F(ImageStripTest, FileAbove8BitsShowsSystemColoursAndSavesStandardOnes)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    EXPECT_EQ(2, strip.GetCount());
    EXPECT_TRUE(strip.IsFileBacked());

    MemoryDC dc;
    DrawOne(strip, dc, FALSE, FALSE);
    EXPECT_EQ(globalData.clrBtnFace, dc.Pixel(4, 4));          // face pixel
    EXPECT_EQ(globalData.clrBtnText, dc.Pixel(4 + 3, 4 + 3));  // black square
    EXPECT_EQ(kOdd, dc.Pixel(4, 4 + 7));                       // other colours unchanged
    EXPECT_EQ(kPrefill, dc.Pixel(4 + kCell, 4));               // nothing beyond the cell

    // Saved elsewhere (it is unmodified, but another file), the file holds the standard colours.
    const std::string copy = m_dir + "copy.bmp";
    ASSERT_TRUE(strip.Save(copy.c_str()));
    const std::vector<BYTE> saved = ReadFile(copy);
    ASSERT_GT(saved.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < 2 * kCell; ++x)
            ASSERT_EQ(TestPixel(x, y), FilePixel(saved, x, y)) << x << "," << y;
}

TEST_F(ImageStripTest, SaveOfAnUnchangedStripOntoItsOwnFileWritesNothing)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    const std::vector<BYTE> marker = {'n', 'o', 't', ' ', 'r', 'e', 'w',
                                      'r', 'i', 't', 't', 'e', 'n'};
    WriteFile(m_file, marker);
    EXPECT_TRUE(strip.Save());
    EXPECT_EQ(marker, ReadFile(m_file));
}

TEST_F(ImageStripTest, ChangedStripReplacesItsFileAndLeavesNoWorkFileBehind)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    CZAVPImageStrip source;
    LoadTestFile(source, 24);  // the same file again: image 1 is the grey cell
    HBITMAP hbmCell = (HBITMAP)CopyImage(source.GetImageWell(), IMAGE_BITMAP, 0, 0, 0);
    // Copy image 1 of the source over image 0: the cell at x = 8 becomes the top-left one.
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, hbmCell);
    BitBlt(hdc, 0, 0, kCell, kCell, hdc, kCell, 0, SRCCOPY);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    ASSERT_TRUE(strip.UpdateImage(0, hbmCell));
    DeleteObject(hbmCell);
    EXPECT_TRUE(strip.IsModified());

    ASSERT_TRUE(strip.Save());
    const std::vector<BYTE> saved = ReadFile(m_file);
    EXPECT_EQ(kShadow, FilePixel(saved, 3, 3));
    EXPECT_EQ(1, CountFiles(m_dir + "*"));
    EXPECT_FALSE(strip.IsModified());
}

TEST_F(ImageStripTest, SaveRefusesReadOnlyFilesAndMissingDirectoriesAndKeepsTheOldFile)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    const std::vector<BYTE> before = ReadFile(m_file);
    EXPECT_FALSE(strip.Save((m_dir + "no such dir\\x.bmp").c_str()));
    EXPECT_EQ(1, CountFiles(m_dir + "*"));

    SetFileAttributesA(m_file.c_str(), FILE_ATTRIBUTE_READONLY);
    CZAVPImageStrip readOnly;
    readOnly.SetImageSize(SIZE{kCell, kCell});
    ASSERT_TRUE(readOnly.LoadFromFile(m_file.c_str()));
    readOnly.AddImage(readOnly.GetImageWell());
    EXPECT_FALSE(readOnly.Save());
    EXPECT_EQ(before, ReadFile(m_file));
}

TEST_F(ImageStripTest, ReadOnlyViewRefusesChangesAndNeverFreesTheBitmap)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    const HBITMAP hbmShared = strip.GetImageWell();
    {
        CZAVPImageStrip view;
        strip.MakeReadOnlyCopy(view);
        EXPECT_TRUE(view.IsReadOnly());
        EXPECT_EQ(hbmShared, view.GetImageWell());
        EXPECT_EQ(2, view.GetCount());
        EXPECT_FALSE(view.Load(IDB_ZAVP_MENU_IMAGES));
        EXPECT_EQ(-1, view.AddImage(hbmShared));
        view.Clear();
        EXPECT_EQ(hbmShared, view.GetImageWell());
    }
    BITMAP bmp = {};
    EXPECT_NE(0, GetObjectA(hbmShared, sizeof bmp, &bmp));  // still alive after the view went
}

TEST_F(ImageStripTest, AddImageAppendsEveryImageOfTheBitmap)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    CZAVPImageStrip other;
    LoadTestFile(other, 24);
    EXPECT_EQ(3, strip.AddImage(other.GetImageWell()));
    EXPECT_EQ(4, strip.GetCount());
    EXPECT_TRUE(strip.IsModified());
}

TEST_F(ImageStripTest, TransparentColourLeavesTheTargetShowing)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    strip.SetTransparentColor(globalData.clrBtnFace);
    MemoryDC dc;
    DrawOne(strip, dc, FALSE, FALSE);
    EXPECT_EQ(kPrefill, dc.Pixel(4, 4));
    EXPECT_EQ(globalData.clrBtnText, dc.Pixel(4 + 3, 4 + 3));
}

TEST_F(ImageStripTest, Disabled24BitImageIsGreyedHalfWayToTheHighlight)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    MemoryDC dc;
    DrawOne(strip, dc, FALSE, TRUE);
    // Black has lightness 0: its grey is black, moved half-way to the button highlight.
    EXPECT_EQ(Halfway(kBlack, globalData.clrBtnHilite), dc.Pixel(4 + 3, 4 + 3));
}

TEST_F(ImageStripTest, DisabledImageAbove24BitsShowsItsShadowSilhouetteOnly)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 32);
    MemoryDC dc;
    DrawOne(strip, dc, FALSE, TRUE);
    EXPECT_EQ(globalData.clrBtnShadow, dc.Pixel(4 + 3, 4 + 3));  // image pixels: shadow
    EXPECT_EQ(kPrefill, dc.Pixel(4 + 1, 4 + 1));                 // background: untouched
    if (CZAVPVisualManager::GetInstance()->m_bEmbossDisabledImage) {
        EXPECT_EQ(globalData.clrBtnHilite, dc.Pixel(4 + 6, 4 + 6));  // the highlight, one pixel off
    }
}

TEST_F(ImageStripTest, PressedImagePaintsTheLightBrushAroundTheImage)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 32);
    MemoryDC dc;
    DrawOne(strip, dc, TRUE, FALSE);
    ASSERT_GT(globalData.m_nBitsPerPixel, 8);
    // Above 8 bits the light brush is the colour half-way from face to highlight.
    EXPECT_EQ(Halfway(globalData.clrBtnFace, globalData.clrBtnHilite), dc.Pixel(4 + 1, 4 + 1));
    EXPECT_EQ(kPrefill, dc.Pixel(4 + 3, 4 + 3));
}

TEST_F(ImageStripTest, LightCopyIsBrighterExceptTheTransparentColour)
{
    CZAVPImageStrip strip;
    LoadTestFile(strip, 24);
    ASSERT_NE(nullptr, strip.GetLightImageWell());
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, strip.GetLightImageWell());
    const COLORREF grey = GetPixel(hdc, kCell + 1, 1);
    const COLORREF face = GetPixel(hdc, 1, 1);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    const int shadowRed = GetRValue(globalData.clrBtnShadow);
    EXPECT_EQ(std::min(255L, std::lround(shadowRed * 1.3)), (long)GetRValue(grey));
    EXPECT_EQ(globalData.clrBtnFace, face);  // the face colour stands for transparency
}

// ---- menu glyphs

TEST(MenuGlyphsTest, FiveColourVariantsByDrawState)
{
    ASSERT_TRUE(CZAVPMenuGlyphs::Initialize());
    const SIZE size = CZAVPMenuGlyphs::GetSize();
    EXPECT_EQ(9, size.cx);
    EXPECT_EQ(9, size.cy);
    // Black glyphs become the variant's colour, then its standard colours the system ones.
    const struct
    {
        int state;
        COLORREF colour;
    } cases[] = {
        {CZAVPMenuGlyphs::StateBlack, globalData.clrBtnText},
        {CZAVPMenuGlyphs::StateGray, globalData.clrBtnShadow},
        {CZAVPMenuGlyphs::StateDarkGray, RGB(0x48, 0x48, 0x48)},
        {CZAVPMenuGlyphs::StateLightGray, globalData.clrBtnFace},
        {CZAVPMenuGlyphs::StateWhite, globalData.clrBtnHilite},
        {7, globalData.clrBtnHilite},  // any other state draws white
    };
    for (const auto& c : cases) {
        MemoryDC dc;
        ASSERT_TRUE(
            CZAVPMenuGlyphs::Draw(dc.dc(), CZAVPMenuGlyphs::IdClose, POINT{10, 10}, c.state));
        // The close cross has its first stroke pixel at (1, 1); (0, 0) is magenta, transparent.
        EXPECT_EQ(c.colour, dc.Pixel(11, 11)) << "state " << c.state;
        EXPECT_EQ(kPrefill, dc.Pixel(10, 10)) << "state " << c.state;
    }
}

TEST(MenuGlyphsTest, CleanUpDropsTheStripsAndTheNextDrawRebuildsThem)
{
    ASSERT_TRUE(CZAVPMenuGlyphs::Initialize());
    CZAVPMenuGlyphs::CleanUp();
    MemoryDC dc;
    EXPECT_TRUE(CZAVPMenuGlyphs::Draw(dc.dc(), CZAVPMenuGlyphs::IdCheck, POINT{0, 0}, 0));
    EXPECT_EQ(9, CZAVPMenuGlyphs::GetSize().cx);
}

// ---- menu-bar store

class ThrowingToolBar : public UpperLayerFakes::TestToolBar
{
public:
    using TestToolBar::TestToolBar;
    void Serialize(CArchive& ar) override
    {
        ar << (DWORD)1;
        AfxThrowArchiveException(CArchiveException::genericException);
    }
};

class MenuHashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szDir[MAX_PATH];
        GetTempPathA(MAX_PATH, szDir);
        m_pattern = std::string(szDir) + "ZAV*.tmp";
        m_baseline = CountFiles(m_pattern);
        m_hMenu = CreatePopupMenu();
    }
    void TearDown() override
    {
        g_menuHash.CleanUp();
        DestroyMenu(m_hMenu);
    }
    int TempFiles() { return CountFiles(m_pattern) - m_baseline; }

    std::string m_pattern;
    int m_baseline = 0;
    HMENU m_hMenu = nullptr;
};

TEST_F(MenuHashTest, SavingTheSameMenuTwiceKeepsOnlyTheNewestFile)
{
    UpperLayerFakes::TestToolBar bar("Menu", nullptr);
    bar.SetCommands({100, 101});
    ASSERT_TRUE(g_menuHash.SaveMenuBar(m_hMenu, &bar));
    EXPECT_EQ(1, TempFiles());
    bar.SetCommands({200});
    ASSERT_TRUE(g_menuHash.SaveMenuBar(m_hMenu, &bar));
    EXPECT_EQ(1, TempFiles());

    UpperLayerFakes::TestToolBar loaded("Loaded", nullptr);
    ASSERT_TRUE(g_menuHash.LoadMenuBar(m_hMenu, &loaded));
    EXPECT_EQ(std::vector<UINT>{200}, loaded.m_commands);
    EXPECT_FALSE(g_menuHash.IsLoading());
    // The file stays for later loads.
    loaded.SetCommands({});
    ASSERT_TRUE(g_menuHash.LoadMenuBar(m_hMenu, &loaded));
    EXPECT_EQ(std::vector<UINT>{200}, loaded.m_commands);

    EXPECT_TRUE(g_menuHash.RemoveMenu(m_hMenu));
    EXPECT_FALSE(g_menuHash.RemoveMenu(m_hMenu));
    EXPECT_EQ(0, TempFiles());
}

TEST_F(MenuHashTest, NeverSavedOrEmptyMenusAreRefusedAndChangeNothing)
{
    UpperLayerFakes::TestToolBar bar("Menu", nullptr);
    bar.SetCommands({5});
    EXPECT_FALSE(g_menuHash.LoadMenuBar(m_hMenu, &bar));
    EXPECT_EQ(std::vector<UINT>{5}, bar.m_commands);

    UpperLayerFakes::TestToolBar empty("Empty", nullptr);
    EXPECT_FALSE(g_menuHash.SaveMenuBar(m_hMenu, &empty));
    EXPECT_FALSE(g_menuHash.HasMenu(m_hMenu));
    EXPECT_EQ(0, TempFiles());
}

TEST_F(MenuHashTest, FailedWriteLeavesNoHalfWrittenFileAndKeepsTheEarlierOne)
{
    UpperLayerFakes::TestToolBar bar("Menu", nullptr);
    bar.SetCommands({300, 301});
    ASSERT_TRUE(g_menuHash.SaveMenuBar(m_hMenu, &bar));

    ThrowingToolBar broken("Broken", nullptr);
    broken.SetCommands({1});
    EXPECT_FALSE(g_menuHash.SaveMenuBar(m_hMenu, &broken));
    EXPECT_EQ(1, TempFiles());

    UpperLayerFakes::TestToolBar loaded("Loaded", nullptr);
    ASSERT_TRUE(g_menuHash.LoadMenuBar(m_hMenu, &loaded));
    EXPECT_EQ((std::vector<UINT>{300, 301}), loaded.m_commands);

    HMENU hOther = CreatePopupMenu();
    EXPECT_FALSE(g_menuHash.SaveMenuBar(hOther, &broken));
    EXPECT_FALSE(g_menuHash.HasMenu(hOther));
    DestroyMenu(hOther);
}
}  // namespace

namespace
{
TEST(LibraryResourcesTest, CursorsAndTheToolIconLoad)
{
    for (UINT id : {IDC_ZAVP_PANE_HAND, IDC_ZAVP_SPLIT_HORZ, IDC_ZAVP_SPLIT_VERT})
        EXPECT_NE(nullptr, LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) << id;
    HICON hIcon = (HICON)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_ZAVP_USER_TOOL),
                                    IMAGE_ICON, 16, 16, 0);
    ASSERT_NE(nullptr, hIcon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hIcon, &info));
    BITMAP bmp = {};
    GetObjectA(info.hbmMask, sizeof bmp, &bmp);
    EXPECT_EQ(16, bmp.bmWidth);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(hIcon);
}
}  // namespace
