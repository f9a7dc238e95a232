// The menu glyph strip in its five colour variants (see CZAVPMenuGlyphs.h).
#include "ui/foundation/CZAVPMenuGlyphs.h"

#include "framework/CDC.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPImageStrip.h"

namespace
{
const int kGlyphSize = 9;
const COLORREF kGlyphTransparent = RGB(255, 0, 255);
const COLORREF kGray = 0x808080;
const COLORREF kDarkGray = 0x484848;
const COLORREF kLightGray = 0xC0C0C0;
const COLORREF kWhite = 0xFFFFFF;

// The five variants, built on first use so that they never run before the global data block.
struct GlyphStrips
{
    CZAVPImageStrip base;  // black glyphs, as loaded
    CZAVPImageStrip gray;
    CZAVPImageStrip dark;
    CZAVPImageStrip light;
    CZAVPImageStrip white;
};

// Set once the strips exist. Their construction reads the global data block, which clears the
// glyphs while it is itself being built; clearing must not make them then.
bool g_stripsMade = false;

GlyphStrips& Strips()
{
    static GlyphStrips strips;
    g_stripsMade = true;
    return strips;
}

CZAVPImageStrip& StripForState(int nState)
{
    GlyphStrips& s = Strips();
    switch (nState) {
    case CZAVPMenuGlyphs::StateBlack: return s.base;
    case CZAVPMenuGlyphs::StateGray: return s.gray;
    case CZAVPMenuGlyphs::StateLightGray: return s.light;
    case CZAVPMenuGlyphs::StateDarkGray: return s.dark;
    default: return s.white;
    }
}
}  // namespace

BOOL CZAVPMenuGlyphs::Initialize()
{
    GlyphStrips& s = Strips();
    if (s.base.GetImageWell() != nullptr) return TRUE;
    s.base.SetImageSize(SIZE{kGlyphSize, kGlyphSize});
    if (!s.base.Load(IDB_ZAVP_MENU_IMAGES)) return FALSE;
    s.base.SetTransparentColor(kGlyphTransparent);
    struct Variant
    {
        CZAVPImageStrip* strip;
        COLORREF color;
    };
    const Variant variants[] = {
        {&s.gray, kGray}, {&s.dark, kDarkGray}, {&s.light, kLightGray}, {&s.white, kWhite}};
    for (const Variant& v : variants) {
        s.base.CopyTo(*v.strip);
        v.strip->MapTo3dColors(TRUE, RGB(0, 0, 0), v.color);
    }
    for (CZAVPImageStrip* strip : {&s.base, &s.gray, &s.dark, &s.light, &s.white})
        strip->MapTo3dColors(TRUE, (COLORREF)-1, (COLORREF)-1);
    return TRUE;
}

BOOL CZAVPMenuGlyphs::Draw(CDC* pDC, int nGlyph, POINT pt, int nState, SIZE size)
{
    if (!Initialize()) return FALSE;
    CZAVPImageStrip& strip = StripForState(nState);
    CZAVPDrawState ds;
    if (!strip.PrepareDrawImage(ds, size, FALSE)) return FALSE;
    strip.Draw(pDC, pt.x, pt.y, nGlyph);
    return strip.EndDrawImage(ds);
}

SIZE CZAVPMenuGlyphs::GetSize()
{
    Initialize();
    return Strips().base.GetImageSize();
}

void CZAVPMenuGlyphs::CleanUp()
{
    if (!g_stripsMade) return;
    GlyphStrips& s = Strips();
    if (s.base.GetCount() <= 0) return;
    for (CZAVPImageStrip* strip : {&s.base, &s.gray, &s.dark, &s.light, &s.white}) strip->Clear();
}
