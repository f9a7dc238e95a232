// The small 9 x 9 glyphs that menus, caption buttons, tabs and combo boxes draw (check marks,
// arrows, close crosses and the like), prepared in five colour variants so that a glyph is drawn
// black, grey, dark grey, light grey or white without recolouring at paint time.
#pragma once

#include <windows.h>

class CDC;

class CZAVPMenuGlyphs
{
public:
    // Colour variants by draw state.
    enum State
    {
        StateBlack = 0,
        StateGray = 1,
        StateLightGray = 2,
        StateWhite = 3,  // any state other than 0, 1, 2 and 4 draws white
        StateDarkGray = 4,
    };

    // Indices of glyphs in the library's glyph bitmap, as the drawing code names them.
    enum Glyph
    {
        IdArrowDown = 0,
        IdArrowRight = 1,  // second of a horizontal spin pair
        IdCheck = 2,
        IdMinimize = 3,
        IdRestore = 4,
        IdClose = 5,
        IdArrowUp = 7,
        IdArrowShowAll = 8,      // double chevron of personalised menus
        IdArrowLeft = 9,         // first of a horizontal spin pair
        IdArrowRightLarge = 14,  // sub-menu arrow of the customise list
        IdMaximized = 15,
        IdMaximize = 16,
        IdHome = 0x12,
        IdEnd = 0x13,
        IdPinHorz = 27,
        IdPinVert = 28,
        IdMoreButtonsVert = 29,  // the customise button's "more buttons" chevrons
        IdMoreButtonsHorz = 30,
        IdCustomizeVert = 31,  // the customise button's arrow
        IdCustomizeHorz = 32,
    };

    // Loads the glyph bitmap and builds the five variants once; TRUE when they are there.
    static BOOL Initialize();
    // Draws a glyph at a point in the variant of the state; FALSE when the glyphs are missing.
    static BOOL Draw(CDC* pDC, int nGlyph, POINT pt, int nState = StateBlack, SIZE size = {0, 0});
    // Glyph size after Initialize (9 x 9).
    static SIZE GetSize();
    // Drops the five variants, so the next draw rebuilds them in the current system colours.
    static void CleanUp();
};
