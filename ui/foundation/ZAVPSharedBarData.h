// Process-wide values of the toolbar and mini-frame code that the foundation's drawing and font
// refresh read. Their meaning belongs to the toolbar and mini-frame code, which keeps them up to
// date; they are defined here because the foundation sits below both and walks them. They belong
// to the user-interface thread (ZAVPUiThread.h) and are not locked.
#pragma once

#include <windows.h>

#include "framework/CObList.h"
#include "framework/CPtrList.h"

class CZAVPImageStrip;

namespace ZAVPSharedBarData
{
// Every toolbar object whose window was created, in creation order (CZAVPToolBar objects).
CObList& AllToolbars();
// Every mini-frame window handle (HWND values).
CPtrList& AllMiniFrames();
// The objects of the frame's customise menu; the frame implementation fills and empties it.
CObList& FrameCustomizeMenuItems();

// Nonzero while toolbars are customised (the customisation sheet is open or a button is dragged).
extern BOOL g_bCustomizeMode;
// Text colour of highlighted toolbar buttons; -1: the global button-text colour.
extern COLORREF g_clrHotText;
// Pixels by which the default look shrinks a checked button's fill, horizontally and vertically;
// the toolbar code sets them.
extern int g_nButtonBorderCx;
extern int g_nButtonBorderCy;
// The strip of user-defined button images, null when the application has none; the workspace
// saves it with the rest of the UI state.
extern CZAVPImageStrip* g_pUserImages;
// Clear while the workspace loads the UI state with resource smart update: buttons then keep
// the command manager's command-to-image map as it is.
extern BOOL g_bButtonImageUpdate;
// Popup menus cast shadows (toolbar option "MenuShadows").
extern BOOL g_bMenuShadows;
// Edit boxes on toolbars are framed by the flat looks only while this is set.
extern BOOL g_bEditBoxBorders;
// Size of the images of menu items; the toolbar code keeps it (16 x 15 until it sets one).
extern SIZE g_sizeMenuImage;
}  // namespace ZAVPSharedBarData
