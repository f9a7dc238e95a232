// The panes' shared hand cursor.
#include "ui/panes/ZAVPPaneHandCursor.h"

#include "framework/AfxResourceHandle.h"

namespace
{
const UINT kHandCursorId = 16919;  // the library's hand cursor resource
}  // namespace

HCURSOR ZAVPPaneHandCursor()
{
    // A cursor from a resource is shared by the system and never freed.
    static HCURSOR s_hCursor = nullptr;
    if (s_hCursor == nullptr)
        s_hCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(kHandCursorId));
    return s_hCursor != nullptr ? s_hCursor : ::LoadCursorA(nullptr, IDC_ARROW);
}
