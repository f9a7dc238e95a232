// The image strips' shared memory DCs (see ZAVPImageStripDCs.h).
#include "ui/foundation/ZAVPImageStripDCs.h"

#include "ui/foundation/ZAVPUiThread.h"

namespace
{
HDC s_hdcImages = nullptr;
HDC s_hdcMask = nullptr;

// Frees the DCs at process exit when the library clean-up did not.
struct ExitRelease
{
    ~ExitRelease() { CZAVPImageStripDCs::Release(); }
} s_exitRelease;
}  // namespace

BOOL CZAVPImageStripDCs::Acquire()
{
    ZAVP_ASSERT_UI_THREAD();
    if (s_hdcImages == nullptr) s_hdcImages = ::CreateCompatibleDC(nullptr);
    if (s_hdcMask == nullptr) s_hdcMask = ::CreateCompatibleDC(nullptr);
    return s_hdcImages != nullptr && s_hdcMask != nullptr;
}

HDC CZAVPImageStripDCs::Images()
{
    ZAVP_ASSERT_UI_THREAD();
    return s_hdcImages;
}

HDC CZAVPImageStripDCs::Mask()
{
    ZAVP_ASSERT_UI_THREAD();
    return s_hdcMask;
}

void CZAVPImageStripDCs::Release()
{
    ZAVP_ASSERT_UI_THREAD();
    if (s_hdcImages) ::DeleteDC(s_hdcImages);
    if (s_hdcMask) ::DeleteDC(s_hdcMask);
    s_hdcImages = nullptr;
    s_hdcMask = nullptr;
}
