// Resource ids of the UI library's own resources (16000 and up).
#pragma once

// Bitmaps
#define IDB_ZAVP_MENU_IMAGES 16129  // 9 x 9 menu glyphs, black on magenta
