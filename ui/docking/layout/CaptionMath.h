// Captions of docking panes and mini frames without windows: which caption buttons show, where
// they go, what a point hits (caption, button, client, border) and the mini frame's minimum and
// rolled-up sizes. The windows pass rectangles and sizes in and apply what comes back.
#pragma once

#include <windows.h>

#include <vector>

namespace DockLayout
{
// Hit-test ids of caption buttons.
const UINT kHitPaneClose = 19;
const UINT kHitPin = 9;
const UINT kHitMiniFrameClose = 20;
const UINT kHitMiniFrameSpare = 8;
const UINT kHitMenu = 25;

// Control-bar style bits consulted here.
const DWORD kBarStyleCanAutoHide = 0x2;
const DWORD kBarStyleCanClose = 0x8;

// The pane's caption border: the caption is the caption text plus this above and below.
const int kCaptionBorder = 2;
// Space between a pane's caption buttons, and a mini frame's.
const int kPaneButtonSpacing = 2;
const int kMiniFrameButtonGap = 4;
const int kMiniFrameButtonMargin = 0;
// A mini frame is at least its caption height plus this wide and high.
const int kMiniFrameMinExtra = 15;

// A mini frame's caption-button flags.
const DWORD kFramePin = 0x01;
const DWORD kFrameClose = 0x02;
const DWORD kFrameSpare = 0x04;
const DWORD kFrameMenu = 0x10;

// Caption tooltip strings.
const UINT kIdsClose = 16032;
const UINT kIdsAutoHide = 16033;
const UINT kIdsAutoHideAll = 16036;
const UINT kIdsFrameClose = 16105;
const UINT kIdsToolbarOptions = 17017;

// What the pane's or mini frame's own hit test leaves to the default handling.
const int kHitDefault = -2;

// A caption button as its owner lays it out: the top-left corner in window coordinates.
struct CaptionButton
{
    UINT nHit;
    BOOL bHidden;
    BOOL bLeftPlaced;
    POINT pt;
};

// A button's rectangle at the common size; an empty one (at its corner) when it is hidden.
RECT CaptionButtonRect(const CaptionButton& button, SIZE sizeButton);

// The visible button under a point given in window coordinates; null when none.
const CaptionButton* CaptionButtonAt(const std::vector<CaptionButton>& buttons, SIZE sizeButton,
                                     POINT ptWindow);

// A docked pane's caption height: the caption text height (the global data's regular text
// height, which already has its 2-pixel padding) and a border above and below, or 0 when the
// pane has no caption or its caption is switched off.
int PaneCaptionHeight(int nTextHeight, BOOL bHasCaption, BOOL bEnabled);

// Whether a pane shows a caption button. bHideUnusable is the library switch that hides buttons
// the pane cannot use; bAutoHideAllowed says the pane has a default slider whose side the dock
// manager lets auto-hide.
BOOL PaneButtonVisible(UINT nHit, DWORD dwBarStyle, BOOL bAutoHideAllowed, BOOL bHideUnusable);

// Places a pane's visible buttons from the right end of the caption leftwards, each its width and
// the spacing from the one before; the tops lie (caption height - button height) / 2 - 1 -
// nCaptionOffset below the caption's top.
void ArrangePaneCaptionButtons(std::vector<CaptionButton>& buttons, const RECT& rectCaption,
                               SIZE sizeButton, int nCaptionOffset);

// A mini frame's caption in window coordinates: inside the left, top and right borders.
RECT MiniFrameCaptionRect(SIZE sizeWindow, const RECT& rectBorders, int nCaptionHeight);

// Places a mini frame's visible buttons: left-placed ones from the caption's left edge rightwards,
// the others from the right edge leftwards, the gap between neighbours; vertically centred.
void ArrangeMiniFrameCaptionButtons(std::vector<CaptionButton>& buttons, const RECT& rectCaption,
                                    SIZE sizeButton);

// The room for the caption text: between the last left-placed and the first right-placed visible
// button (nGapAfterLeft beyond the left ones), then narrowed by nInset on both sides.
RECT CaptionTextRect(const RECT& rectCaption, const std::vector<CaptionButton>& buttons,
                     SIZE sizeButton, int nGapAfterLeft, int nInset);

// What a docking pane's window answers for a point (all rectangles in screen coordinates).
struct PaneHitQuery
{
    RECT rectWindow;
    RECT rectClient;
    int nCaptionHeight;  // 0 without a caption
    BOOL bFloating;
    BOOL bLocked;  // the dock manager's update lock: buttons are not hit
    const std::vector<CaptionButton>* pButtons;
    SIZE sizeButton;
};

// 0 outside the window, a button's id, HTCLIENT, HTCAPTION (or HTCLIENT when caption detection is
// not asked for) in the caption strip one pixel below the window's top, kHitDefault for the rest.
int PaneHitTest(POINT pt, const PaneHitQuery& query, BOOL bDetectCaption);

// Docking over a pane: 3 to join it as a tab (its caption or a tab area), 2 to dock beside it
// (outside its window less caption, deflated by the sensitivity), 0 inside that.
int PaneHitTestForDocking(POINT pt, const PaneHitQuery& query, int nSensitivity,
                          const RECT& rectTabArea1, const RECT& rectTabArea2);

// What a mini frame answers for a point (screen coordinates).
struct MiniFrameHitQuery
{
    RECT rectWindow;
    RECT rectClient;
    RECT rectCaption;
    RECT rectBorders;   // thickness of each border
    SIZE sizeCursor;    // the corners are half of it
    BOOL bToolbarHost;  // a toolbar resizes from its four edges only
    BOOL bCustomizing;  // toolbar-customise mode
    const std::vector<CaptionButton>* pButtons;
    SIZE sizeButton;
};

// 0 outside (or while customising, for a frame that holds no toolbar), HTCLIENT in the client
// area, in the caption HTCAPTION when asked for, else a button's id or HTCLIENT; the resize codes
// of the borders; kHitDefault elsewhere.
int MiniFrameHitTest(POINT pt, const MiniFrameHitQuery& query, BOOL bDetectCaption);

// A mini frame's minimum tracking size around its bar's minimum.
SIZE MiniFrameMinTrackSize(SIZE sizeBarMin, int nCaptionButtonsWidth, int nCaptionHeight,
                           const RECT& rectBorders);

// A rolled-up frame keeps its caption and borders: the window height less the client height.
int RolledUpHeight(int nWindowHeight, int nClientHeight);

// The rectangle a mini frame stores: a rolled-up frame is stored at its unrolled height.
RECT StoredMiniFrameRect(const RECT& rectWindow, BOOL bRolledUp, int nUnrolledHeight);

// A mini frame holding a toolbar, resized from one edge (WMSZ_LEFT, WMSZ_RIGHT, WMSZ_TOP or
// WMSZ_BOTTOM) to a rectangle: the toolbar's layout for the new length has sizeFit; the dragged
// edge snaps to it while the opposite edge, and the top or left edge across, stay. FALSE (the
// rectangle unchanged) for a corner or any other code.
BOOL SnapSizingRect(RECT& rect, UINT nSide, SIZE sizeFit);

// The flags a mini frame chooses for the bar it takes in: close when the bar may be closed, and
// the menu too for a toolbar with a customise button; a menu bar with one gets the menu only.
DWORD MiniFrameButtonFlags(BOOL bCanClose, BOOL bToolbarCustomize, BOOL bMenuBarCustomize);

// The hit-test ids of a mini frame's buttons for the flags, in the order they are added: close
// (only when the bar may be closed), pin, the spare one, menu.
std::vector<UINT> MiniFrameButtonIds(DWORD dwFlags, BOOL bCanClose);

// The tooltip string of a mini frame's button (0 for none), and of a pane's tool: tool 1 is the
// close button; the pin offers to hide the whole side while Ctrl is held on a pane that can.
UINT MiniFrameButtonTip(UINT nHit);
UINT PaneButtonTip(UINT nTool, BOOL bCtrl, BOOL bRecentStateFlag);

// Hot tracking of caption buttons. The owner keeps the highlighted and pressed ids (0 for none).
struct CaptionTracking
{
    UINT nHighlighted;
    UINT nPressed;
};

struct CaptionTrackStep
{
    UINT nHighlighted;  // the new highlighted id
    BOOL bFocused;      // it is drawn hot
    UINT nRedrawNew;    // buttons to redraw (0 for none); the old one loses its hot state
    UINT nRedrawOld;
    BOOL bCapture;  // take the mouse
    BOOL bRelease;  // let it go
};

// The mouse is over the button nHitUnder (0 for none).
CaptionTrackStep TrackCaptionButtons(const CaptionTracking& state, UINT nHitUnder);
}  // namespace DockLayout
