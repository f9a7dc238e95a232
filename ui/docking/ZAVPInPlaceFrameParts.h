// What the library's two OLE in-place frames share: the library main-frame pointer switched to
// the in-place frame while it is active and given back after, the tear-down of their windows, the
// swap of the container's frame object for the library's, and the preview's placement.
#pragma once

#include <windows.h>

class CFrameWnd;
class COleIPFrameWnd;
class CZAVPDockManager;
class CZAVPFrameImpl;

namespace ZAVPInPlaceFrameParts
{
// WM_ACTIVATE after the platform frame's handling. bDeactivateAlways: the frame implementation's
// deactivation work runs even while toolbars are customised.
void OnActivate(CFrameWnd* pFrame, CZAVPFrameImpl& impl, HWND& hwndLastTopLevelFrame, UINT nState,
                BOOL bDeactivateAlways);
// WM_DESTROY before the platform frame's handling.
void OnDestroy(CFrameWnd* pFrame, CZAVPFrameImpl& impl, CZAVPDockManager& dockManager,
               HWND& hwndLastTopLevelFrame);
// The container's frame object becomes the library's (once); TRUE.
BOOL CreateControlBars(COleIPFrameWnd* pFrame);
// When the active view is the library's preview and the dock manager lays out, the preview takes
// the dock manager's client area.
void PlacePreview(CFrameWnd* pFrame, CZAVPDockManager& dockManager);
// Closes the open library popup menu, if any.
void CloseActivePopup();
}  // namespace ZAVPInPlaceFrameParts
