// The print preview's command ids and the string ids of its texts (only #defines: the resource
// scripts include it too).
#pragma once

#define ID_PREVIEW_CLOSE 0xE300
#define ID_PREVIEW_NUMPAGE 0xE301
#define ID_PREVIEW_NEXT 0xE302
#define ID_PREVIEW_PREV 0xE303
#define ID_PREVIEW_PRINT 0xE304
#define ID_PREVIEW_ZOOMIN 0xE305
#define ID_PREVIEW_ZOOMOUT 0xE306
#define ID_FILE_PRINT 0xE107

// "Page %u\nPages %u-%u": the preview's page description, one page or several shown.
#define AFX_IDS_PREVIEWPAGEDESC 0xEF06
// The one/two-pages command's text while one page is shown, and while two are.
#define AFX_IDS_TWOPAGE 0xEF07
#define AFX_IDS_ONEPAGE 0xEF08
