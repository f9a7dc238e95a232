// Caption layout and hit tests of panes and mini frames (see CaptionMath.h).
#include "ui/docking/layout/CaptionMath.h"

#include <algorithm>

namespace DockLayout
{
namespace
{
BOOL In(const RECT& r, POINT pt) { return ::PtInRect(&r, pt); }

RECT Make(LONG l, LONG t, LONG r, LONG b)
{
    RECT rect;
    ::SetRect(&rect, l, t, r, b);
    return rect;
}
}  // namespace

RECT CaptionButtonRect(const CaptionButton& button, SIZE sizeButton)
{
    if (button.bHidden) return Make(button.pt.x, button.pt.y, button.pt.x, button.pt.y);
    return Make(button.pt.x, button.pt.y, button.pt.x + sizeButton.cx, button.pt.y + sizeButton.cy);
}

const CaptionButton* CaptionButtonAt(const std::vector<CaptionButton>& buttons, SIZE sizeButton,
                                     POINT ptWindow)
{
    for (const CaptionButton& b : buttons) {
        const RECT r = CaptionButtonRect(b, sizeButton);
        if (!b.bHidden && In(r, ptWindow)) return &b;
    }
    return nullptr;
}

int PaneCaptionHeight(int nTextHeight, BOOL bHasCaption, BOOL bEnabled)
{
    return (bHasCaption && bEnabled) ? nTextHeight + 2 * kCaptionBorder : 0;
}

BOOL PaneButtonVisible(UINT nHit, DWORD dwBarStyle, BOOL bAutoHideAllowed, BOOL bHideUnusable)
{
    if (!bHideUnusable) return TRUE;
    if (nHit == kHitPaneClose) return (dwBarStyle & kBarStyleCanClose) != 0;
    if (nHit == kHitPin) return (dwBarStyle & kBarStyleCanAutoHide) != 0 && bAutoHideAllowed;
    return TRUE;
}

void ArrangePaneCaptionButtons(std::vector<CaptionButton>& buttons, const RECT& rectCaption,
                               SIZE sizeButton, int nCaptionOffset)
{
    const int nCaptionHeight = rectCaption.bottom - rectCaption.top;
    const LONG nTop = rectCaption.top + (nCaptionHeight - sizeButton.cy) / 2 - 1 - nCaptionOffset;
    LONG x = rectCaption.right;
    for (CaptionButton& b : buttons) {
        if (b.bHidden) continue;
        x -= sizeButton.cx + kPaneButtonSpacing;
        b.pt.x = x;
        b.pt.y = nTop;
    }
}

RECT MiniFrameCaptionRect(SIZE sizeWindow, const RECT& rectBorders, int nCaptionHeight)
{
    return Make(rectBorders.left, rectBorders.top, sizeWindow.cx - rectBorders.right,
                rectBorders.top + nCaptionHeight);
}

void ArrangeMiniFrameCaptionButtons(std::vector<CaptionButton>& buttons, const RECT& rectCaption,
                                    SIZE sizeButton)
{
    const int nCaptionHeight = rectCaption.bottom - rectCaption.top;
    const LONG nTop = rectCaption.top + (nCaptionHeight - sizeButton.cy) / 2;
    LONG xLeft = rectCaption.left + kMiniFrameButtonMargin;
    LONG xRight = rectCaption.right - kMiniFrameButtonMargin - sizeButton.cx;
    for (CaptionButton& b : buttons) {
        if (b.bHidden) continue;
        b.pt.y = nTop;
        if (b.bLeftPlaced) {
            b.pt.x = xLeft;
            xLeft += sizeButton.cx + kMiniFrameButtonGap;
        } else {
            b.pt.x = xRight;
            xRight -= sizeButton.cx + kMiniFrameButtonGap;
        }
    }
}

RECT CaptionTextRect(const RECT& rectCaption, const std::vector<CaptionButton>& buttons,
                     SIZE sizeButton, int nGapAfterLeft, int nInset)
{
    RECT r = rectCaption;
    for (const CaptionButton& b : buttons) {
        if (b.bHidden) continue;
        const RECT rb = CaptionButtonRect(b, sizeButton);
        if (b.bLeftPlaced)
            r.left = std::max(r.left, rb.right + nGapAfterLeft);
        else
            r.right = std::min(r.right, rb.left);
    }
    r.left += nInset;
    r.right -= nInset;
    if (r.right < r.left) r.right = r.left;
    return r;
}

int PaneHitTest(POINT pt, const PaneHitQuery& q, BOOL bDetectCaption)
{
    if (!In(q.rectWindow, pt)) return 0;
    if (!q.bLocked && q.pButtons != nullptr) {
        const POINT ptWindow = {pt.x - q.rectWindow.left, pt.y - q.rectWindow.top};
        if (const CaptionButton* b = CaptionButtonAt(*q.pButtons, q.sizeButton, ptWindow))
            return (int)b->nHit;
    }
    if (In(q.rectClient, pt)) return HTCLIENT;
    if (q.bFloating) return kHitDefault;
    const RECT rectCaption = Make(q.rectWindow.left, q.rectWindow.top + 1, q.rectWindow.right,
                                  q.rectWindow.top + 1 + q.nCaptionHeight);
    if (In(rectCaption, pt)) return bDetectCaption ? HTCAPTION : HTCLIENT;
    return kHitDefault;
}

int PaneHitTestForDocking(POINT pt, const PaneHitQuery& query, int nSensitivity,
                          const RECT& rectTabArea1, const RECT& rectTabArea2)
{
    const int kJoinAsTab = 3, kDockBeside = 2, kNoDocking = 0;
    if (PaneHitTest(pt, query, TRUE) == HTCAPTION || In(rectTabArea1, pt) || In(rectTabArea2, pt))
        return kJoinAsTab;
    RECT r = query.rectWindow;
    r.top += query.nCaptionHeight;
    ::InflateRect(&r, -nSensitivity, -nSensitivity);
    return In(r, pt) ? kNoDocking : kDockBeside;
}

int MiniFrameHitTest(POINT pt, const MiniFrameHitQuery& q, BOOL bDetectCaption)
{
    if (q.bCustomizing && !q.bToolbarHost) return 0;
    if (!In(q.rectWindow, pt)) return 0;
    if (In(q.rectClient, pt)) return HTCLIENT;
    if (In(q.rectCaption, pt)) {
        if (bDetectCaption) return HTCAPTION;
        if (q.pButtons != nullptr) {
            const POINT ptWindow = {pt.x - q.rectWindow.left, pt.y - q.rectWindow.top};
            if (const CaptionButton* b = CaptionButtonAt(*q.pButtons, q.sizeButton, ptWindow))
                return (int)b->nHit;
        }
        return HTCLIENT;
    }

    const RECT& w = q.rectWindow;
    const RECT& b = q.rectBorders;
    const RECT top = Make(w.left, w.top, w.right, w.top + b.top);
    const RECT left = Make(w.left, w.top, w.left + b.left, w.bottom);
    const RECT bottom = Make(w.left, w.bottom - b.bottom, w.right, w.bottom);
    const RECT right = Make(w.right - b.right, w.top, w.right, w.bottom);
    struct Zone
    {
        RECT rect;
        int nHit;
    };
    if (q.bToolbarHost) {
        const Zone zones[] = {{top, HTTOP}, {left, HTLEFT}, {bottom, HTBOTTOM}, {right, HTRIGHT}};
        for (const Zone& z : zones)
            if (In(z.rect, pt)) return z.nHit;
        return kHitDefault;
    }
    const LONG cx = q.sizeCursor.cx / 2, cy = q.sizeCursor.cy / 2;
    const Zone zones[] = {
        {Make(w.left, w.top, w.left + cx, w.top + cy), HTTOPLEFT},
        {Make(w.left + cx, w.top, w.right - cx, w.top + b.top), HTTOP},
        {Make(w.right - cx, w.top, w.right, w.top + cy), HTTOPRIGHT},
        {right, HTRIGHT},
        {Make(w.right - cx, w.bottom - cy, w.right, w.bottom), HTBOTTOMRIGHT},
        {bottom, HTBOTTOM},
        {Make(w.left, w.bottom - cy, w.left + cx, w.bottom), HTBOTTOMLEFT},
        {left, HTLEFT},
    };
    for (const Zone& z : zones)
        if (In(z.rect, pt)) return z.nHit;
    return kHitDefault;
}

SIZE MiniFrameMinTrackSize(SIZE sizeBarMin, int nCaptionButtonsWidth, int nCaptionHeight,
                           const RECT& rectBorders)
{
    const int nMin = nCaptionHeight + kMiniFrameMinExtra;
    SIZE sz;
    sz.cx = std::max<LONG>(nMin, nCaptionButtonsWidth + sizeBarMin.cx + rectBorders.left +
                                     rectBorders.right);
    sz.cy = std::max<LONG>(nMin,
                           nCaptionHeight + sizeBarMin.cy + rectBorders.top + rectBorders.bottom);
    return sz;
}

int RolledUpHeight(int nWindowHeight, int nClientHeight) { return nWindowHeight - nClientHeight; }

RECT StoredMiniFrameRect(const RECT& rectWindow, BOOL bRolledUp, int nUnrolledHeight)
{
    RECT r = rectWindow;
    if (bRolledUp) r.bottom = r.top + nUnrolledHeight;
    return r;
}

BOOL SnapSizingRect(RECT& rect, UINT nSide, SIZE sizeFit)
{
    switch (nSide) {
    case WMSZ_LEFT:
        rect.left = rect.right - sizeFit.cx;
        rect.bottom = rect.top + sizeFit.cy;
        return TRUE;
    case WMSZ_RIGHT:
        rect.right = rect.left + sizeFit.cx;
        rect.bottom = rect.top + sizeFit.cy;
        return TRUE;
    case WMSZ_TOP:
        rect.top = rect.bottom - sizeFit.cy;
        rect.right = rect.left + sizeFit.cx;
        return TRUE;
    case WMSZ_BOTTOM:
        rect.bottom = rect.top + sizeFit.cy;
        rect.right = rect.left + sizeFit.cx;
        return TRUE;
    default: return FALSE;
    }
}

DWORD MiniFrameButtonFlags(BOOL bCanClose, BOOL bToolbarCustomize, BOOL bMenuBarCustomize)
{
    DWORD dwFlags = 0;
    if (bCanClose) dwFlags = bToolbarCustomize ? (kFrameClose | kFrameMenu) : kFrameClose;
    if (bMenuBarCustomize) dwFlags = kFrameMenu;
    return dwFlags;
}

std::vector<UINT> MiniFrameButtonIds(DWORD dwFlags, BOOL bCanClose)
{
    std::vector<UINT> ids;
    if ((dwFlags & kFrameClose) && bCanClose) ids.push_back(kHitMiniFrameClose);
    if (dwFlags & kFramePin) ids.push_back(kHitPin);
    if (dwFlags & kFrameSpare) ids.push_back(kHitMiniFrameSpare);
    if (dwFlags & kFrameMenu) ids.push_back(kHitMenu);
    return ids;
}

UINT MiniFrameButtonTip(UINT nHit)
{
    switch (nHit) {
    case kHitMiniFrameSpare:
    case kHitPin: return kIdsAutoHide;
    case kHitMiniFrameClose: return kIdsFrameClose;
    case kHitMenu: return kIdsToolbarOptions;
    default: return 0;
    }
}

UINT PaneButtonTip(UINT nTool, BOOL bCtrl, BOOL bRecentStateFlag)
{
    const UINT kCloseTool = 1;
    if (nTool == kCloseTool) return kIdsClose;
    return (bCtrl && bRecentStateFlag) ? kIdsAutoHideAll : kIdsAutoHide;
}

CaptionTrackStep TrackCaptionButtons(const CaptionTracking& state, UINT nHitUnder)
{
    CaptionTrackStep s = {};
    s.nHighlighted = nHitUnder;
    s.bFocused = nHitUnder != 0 && (state.nPressed == 0 || state.nPressed == nHitUnder);
    if (nHitUnder == state.nHighlighted) return s;
    s.nRedrawNew = nHitUnder;
    s.nRedrawOld = state.nHighlighted;
    if (state.nPressed == 0) {
        s.bCapture = nHitUnder != 0 && state.nHighlighted == 0;
        s.bRelease = nHitUnder == 0;
    }
    return s;
}
}  // namespace DockLayout
