// A button of the tasks pane's navigation toolbar (Back, Forward, Home, Close): locked, its image
// private to the toolbar; the toolbar enables it by its image.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CTasksPaneNavigateButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CTasksPaneNavigateButton)
public:
    // The images of the library's navigation strip, in order.
    enum Image
    {
        ImageBack = 0,
        ImageForward = 1,
        ImageHome = 2,
        ImageClose = 3,
    };
    CTasksPaneNavigateButton() : CZAVPToolbarButton(0, -1, nullptr, FALSE, TRUE) {}
    CTasksPaneNavigateButton(UINT uiID, int iImage, LPCSTR lpszText)
        : CZAVPToolbarButton(uiID, iImage, lpszText, FALSE, TRUE)
    {
    }
};
