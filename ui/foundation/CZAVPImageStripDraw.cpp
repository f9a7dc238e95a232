// Drawing passes of the image strips: one image in the states a button can be in, through the
// two shared DCs (see CZAVPImageStrip.h).
#include "framework/CDC.h"
#include "framework/CWnd.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/ZAVPImageStripDCs.h"
#include "ui/foundation/ZAVPStripColors.h"
#include "ui/foundation/ZAVPStripPixels.h"

namespace
{
// Raster operations of the disabled and pressed looks (the platform's ternary codes): the brush
// where the mask is 0 and the target where it is 1, and the reverse.
const DWORD kRopBrushOnImage = 0x00B8074A;
const DWORD kRopBrushOnBackground = 0x00E20746;
const int kHalfwayMode = -1;  // percentage that selects the half-way greying
const COLORREF kNoColor = (COLORREF)-1;
}  // namespace

void CZAVPImageStrip::SelectImages(HBITMAP hbmp)
{
    ::SelectObject(CZAVPImageStripDCs::Images(), hbmp);
}

BOOL CZAVPImageStrip::PrepareDrawImage(CZAVPDrawState& ds, SIZE sizeImageDest, BOOL bFadeInactive)
{
    if (m_hbmImageWell == nullptr) return FALSE;
    ds = CZAVPDrawState();
    m_bFadeInactive = bFadeInactive && m_hbmImageLight != nullptr && m_nBitsPerPixel >= 1 &&
                      m_nBitsPerPixel <= 4;
    HDC hdcImages = CZAVPImageStripDCs::Images();
    HDC hdcMask = CZAVPImageStripDCs::Mask();
    ds.hbmOldImages = ::SelectObject(hdcImages, m_bFadeInactive ? m_hbmImageLight : m_hbmImageWell);
    ds.hbmMask = ::CreateBitmap(m_sizeImage.cx + 2, m_sizeImage.cy + 2, 1, 1, nullptr);
    if (ds.hbmOldImages == nullptr || ds.hbmMask == nullptr) {
        EndDrawImage(ds);
        return FALSE;
    }
    ds.hbmOldMask = ::SelectObject(hdcMask, ds.hbmMask);

    m_sizeImageDest = (sizeImageDest.cx > 0 && sizeImageDest.cy > 0) ? sizeImageDest : m_sizeImage;
    m_bStretch = m_sizeImageDest.cx != m_sizeImage.cx || m_sizeImageDest.cy != m_sizeImage.cy;
    if (m_bStretch || m_clrTransparent != kNoColor) {
        HDC hdcScreen = ::GetDC(nullptr);
        m_hdcStretch = ::CreateCompatibleDC(hdcScreen);
        m_hbmStretch = ::CreateCompatibleBitmap(hdcScreen, m_sizeImage.cx + 2, m_sizeImage.cy + 2);
        ::ReleaseDC(nullptr, hdcScreen);
        if (m_hdcStretch == nullptr || m_hbmStretch == nullptr) {
            EndDrawImage(ds);
            return FALSE;
        }
        m_hbmOldStretch = ::SelectObject(m_hdcStretch, m_hbmStretch);
    }
    return TRUE;
}

BOOL CZAVPImageStrip::EndDrawImage(CZAVPDrawState& ds)
{
    if (ds.hbmOldImages) ::SelectObject(CZAVPImageStripDCs::Images(), ds.hbmOldImages);
    if (ds.hbmOldMask) ::SelectObject(CZAVPImageStripDCs::Mask(), ds.hbmOldMask);
    const BOOL bOk = ds.hbmMask == nullptr || ::DeleteObject(ds.hbmMask);
    ds = CZAVPDrawState();
    m_sizeImageDest.cx = 0;
    m_sizeImageDest.cy = 0;
    if (m_hdcStretch) {
        if (m_hbmOldStretch) ::SelectObject(m_hdcStretch, m_hbmOldStretch);
        ::DeleteDC(m_hdcStretch);
    }
    if (m_hbmStretch) ::DeleteObject(m_hbmStretch);
    m_hdcStretch = nullptr;
    m_hbmStretch = nullptr;
    m_hbmOldStretch = nullptr;
    m_bStretch = FALSE;
    m_bFadeInactive = FALSE;
    return bOk;
}

void CZAVPImageStrip::CreateMask(int iImage, BOOL bHilite, BOOL bHiliteShadow)
{
    HDC hdcImages = CZAVPImageStripDCs::Images();
    HDC hdcMask = CZAVPImageStripDCs::Mask();
    const int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
    ::PatBlt(hdcMask, 0, 0, cx + 2, cy + 2, WHITENESS);
    const COLORREF clrBackground = m_clrTransparent != kNoColor ? m_clrTransparent
                                                                : ZAVPStripColors::Face();
    const COLORREF clrOldBk = ::SetBkColor(hdcImages, clrBackground);
    ::BitBlt(hdcMask, 0, 0, cx, cy, hdcImages, iImage * cx, 0, SRCCOPY);
    if (bHilite) {
        ::SetBkColor(hdcImages, ZAVPStripColors::Highlight());
        ::BitBlt(hdcMask, 0, 0, cx, cy, hdcImages, iImage * cx, 0, SRCPAINT);
    }
    ::SetBkColor(hdcImages, clrOldBk);
    if (bHiliteShadow) ::BitBlt(hdcMask, 1, 1, cx + 1, cy + 1, hdcMask, 0, 0, SRCAND);
}

BOOL CZAVPImageStrip::Draw(CDC* pDC, int x, int y, int iImage, BOOL bPressed, BOOL bDisabled,
                           BOOL bIndeterminate, BOOL bShadow, BOOL bInactive)
{
    if (pDC == nullptr || iImage < 0 || iImage >= m_iCount) return FALSE;
    if (bShadow && ZAVPStripColors::ScreenBitsPerPixel() <= 8) return TRUE;
    if (m_bStretch) {
        bPressed = FALSE;
        bIndeterminate = FALSE;
    }
    HDC hdcImages = CZAVPImageStripDCs::Images();
    HDC hdcMask = CZAVPImageStripDCs::Mask();
    // The light copy shows for inactive images only.
    const BOOL bSwapToNormal = m_bFadeInactive && !bInactive;
    if (bSwapToNormal) SelectImages(m_hbmImageWell);

    const int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
    CDC dcStretch;
    CDC* pTarget = pDC;
    int xTarget = x, yTarget = y;
    if (m_hdcStretch != nullptr) {
        dcStretch.Attach(m_hdcStretch);
        pTarget = &dcStretch;
        xTarget = yTarget = 0;
        const RECT rectArea = {0, 0, cx, cy};
        HDC hdcTarget = m_hdcStretch;
        if (m_clrTransparent != kNoColor && m_clrTransparent != ZAVPStripColors::Face()) {
            const COLORREF clrOld = ::SetBkColor(hdcTarget, m_clrTransparent);
            ::ExtTextOutA(hdcTarget, 0, 0, ETO_OPAQUE, &rectArea, nullptr, 0, nullptr);
            ::SetBkColor(hdcTarget, clrOld);
        } else {
            ::FillRect(hdcTarget, &rectArea, ZAVPStripColors::FaceBrush());
        }
    }

    HDC hdcTarget = pTarget->GetSafeHdc();

    // A 24-bit image is greyed instead of embossed when disabled.
    BOOL bGrayImage = FALSE;
    if (bDisabled && m_nBitsPerPixel == 24) {
        bDisabled = FALSE;
        bGrayImage = TRUE;
    }

    if (!bPressed && !bDisabled && !bShadow) {
        ::BitBlt(hdcTarget, xTarget, yTarget, cx, cy, hdcImages, iImage * cx, 0, SRCCOPY);
        if (bGrayImage) {
            const RECT rectGray = {xTarget, yTarget, xTarget + cx + 2, yTarget + cy + 2};
            CZAVPPainter(*pTarget).GrayRect(rectGray, kHalfwayMode, m_clrTransparent);
        }
    } else if (bDisabled || bIndeterminate || bShadow) {
        CreateMask(iImage, TRUE, FALSE);
        const COLORREF clrOldText = ::SetTextColor(hdcTarget,
                                                   bShadow ? m_clrImageShadow : RGB(0, 0, 0));
        const COLORREF clrOldBk = ::SetBkColor(hdcTarget, RGB(255, 255, 255));
        if (bDisabled && ZAVPStripColors::EmbossDisabledImages()) {
            HGDIOBJ hbrOld = ::SelectObject(hdcTarget, ZAVPStripColors::HighlightBrush());
            ::BitBlt(hdcTarget, xTarget + 1, yTarget + 1, cx + 2, cy + 2, hdcMask, 0, 0,
                     kRopBrushOnImage);
            ::SelectObject(hdcTarget, hbrOld);
        }
        HGDIOBJ hbrOld = ::SelectObject(hdcTarget, ZAVPStripColors::ShadowBrush());
        ::BitBlt(hdcTarget, xTarget, yTarget, cx + 2, cy + 2, hdcMask, 0, 0, kRopBrushOnImage);
        ::SelectObject(hdcTarget, hbrOld);
        ::SetTextColor(hdcTarget, clrOldText);
        ::SetBkColor(hdcTarget, clrOldBk);
    }

    if (bPressed || bIndeterminate) {
        CreateMask(iImage, !bIndeterminate, bDisabled);
        const COLORREF clrOldText = ::SetTextColor(hdcTarget, RGB(0, 0, 0));
        const COLORREF clrOldBk = ::SetBkColor(hdcTarget, RGB(255, 255, 255));
        HGDIOBJ hbrOld = ::SelectObject(hdcTarget, ZAVPStripColors::LightBrush());
        ::BitBlt(hdcTarget, xTarget, yTarget, cx, cy, hdcMask, 0, 0, kRopBrushOnBackground);
        ::SelectObject(hdcTarget, hbrOld);
        ::SetTextColor(hdcTarget, clrOldText);
        ::SetBkColor(hdcTarget, clrOldBk);
    }

    if (m_hdcStretch != nullptr) {
        const COLORREF clrTransparent = m_clrTransparent != kNoColor ? m_clrTransparent
                                                                     : ZAVPStripColors::Face();
        DrawTransparent(pDC, x, y, cx, cy, &dcStretch, 0, 0, clrTransparent, m_sizeImageDest.cx,
                        m_sizeImageDest.cy);
        dcStretch.Detach();
    }
    if (bSwapToNormal) SelectImages(m_hbmImageLight);
    return TRUE;
}

void CZAVPImageStrip::DrawTransparent(CDC* pDC, int x, int y, int nWidth, int nHeight, CDC* pDcSrc,
                                      int xSrc, int ySrc, COLORREF clrTransparent, int nWidthDest,
                                      int nHeightDest)
{
    const BOOL bStretch = nWidthDest > 0 && nHeightDest > 0 &&
                          (nWidthDest != nWidth || nHeightDest != nHeight);
    const int cx = bStretch ? nWidthDest : nWidth;
    const int cy = bStretch ? nHeightDest : nHeight;
    HDC hdcDest = pDC->GetSafeHdc();
    HDC hdcCopy = ::CreateCompatibleDC(hdcDest);
    HDC hdcMask = ::CreateCompatibleDC(hdcDest);
    HBITMAP hbmCopy = ::CreateCompatibleBitmap(hdcDest, cx, cy);
    HBITMAP hbmMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    if (hdcCopy && hdcMask && hbmCopy && hbmMask) {
        HGDIOBJ oldCopy = ::SelectObject(hdcCopy, hbmCopy);
        HGDIOBJ oldMask = ::SelectObject(hdcMask, hbmMask);
        if (bStretch)
            ::StretchBlt(hdcCopy, 0, 0, cx, cy, pDcSrc->GetSafeHdc(), xSrc, ySrc, nWidth, nHeight,
                         SRCCOPY);
        else
            ::BitBlt(hdcCopy, 0, 0, cx, cy, pDcSrc->GetSafeHdc(), xSrc, ySrc, SRCCOPY);
        // Mask: 1 where the copy has the transparent colour.
        const COLORREF clrOldBk = ::SetBkColor(hdcCopy, clrTransparent);
        ::BitBlt(hdcMask, 0, 0, cx, cy, hdcCopy, 0, 0, SRCCOPY);
        // Blacken the transparent pixels of the copy.
        ::SetBkColor(hdcCopy, RGB(0, 0, 0));
        const COLORREF clrOldText = ::SetTextColor(hdcCopy, RGB(255, 255, 255));
        ::BitBlt(hdcCopy, 0, 0, cx, cy, hdcMask, 0, 0, SRCAND);
        ::SetBkColor(hdcCopy, clrOldBk);
        ::SetTextColor(hdcCopy, clrOldText);
        // Clear the image's pixels on the target, then paint the copy into them.
        const COLORREF clrDestBk = ::SetBkColor(hdcDest, RGB(255, 255, 255));
        const COLORREF clrDestText = ::SetTextColor(hdcDest, RGB(0, 0, 0));
        ::BitBlt(hdcDest, x, y, cx, cy, hdcMask, 0, 0, SRCAND);
        ::BitBlt(hdcDest, x, y, cx, cy, hdcCopy, 0, 0, SRCPAINT);
        ::SetBkColor(hdcDest, clrDestBk);
        ::SetTextColor(hdcDest, clrDestText);
        ::SelectObject(hdcCopy, oldCopy);
        ::SelectObject(hdcMask, oldMask);
    }
    if (hbmCopy) ::DeleteObject(hbmCopy);
    if (hbmMask) ::DeleteObject(hbmMask);
    if (hdcCopy) ::DeleteDC(hdcCopy);
    if (hdcMask) ::DeleteDC(hdcMask);
}

void CZAVPImageStrip::FillDitheredRect(CDC* pDC, const RECT& rect)
{
    ::FillRect(pDC->GetSafeHdc(), &rect, ZAVPStripColors::LightBrush());
}

BOOL CZAVPImageStrip::CopyImageToClipboard(int iImage)
{
    if (iImage < 0 || iImage >= m_iCount) return FALSE;
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbmp = ::CreateCompatibleBitmap(hdcScreen, m_sizeImage.cx, m_sizeImage.cy);
    ::ReleaseDC(nullptr, hdcScreen);
    BOOL bDrawn = FALSE;
    if (hdcMem && hbmp) {
        HGDIOBJ old = ::SelectObject(hdcMem, hbmp);
        const RECT rect = {0, 0, m_sizeImage.cx, m_sizeImage.cy};
        ::FillRect(hdcMem, &rect, ZAVPStripColors::FaceBrush());
        CDC dc;
        dc.Attach(hdcMem);
        CZAVPDrawState ds;
        if (PrepareDrawImage(ds)) {
            bDrawn = Draw(&dc, 0, 0, iImage);
            EndDrawImage(ds);
        }
        dc.Detach();
        ::SelectObject(hdcMem, old);
    }
    if (hdcMem) ::DeleteDC(hdcMem);
    CWnd* pMainWnd = AfxGetMainWnd();
    if (!bDrawn || !::OpenClipboard(AfxGetSafeHwnd(pMainWnd))) {
        if (hbmp) ::DeleteObject(hbmp);
        return FALSE;
    }
    BOOL bOk = ::EmptyClipboard();
    if (bOk) bOk = ::SetClipboardData(CF_BITMAP, hbmp) != nullptr;
    ::CloseClipboard();
    if (!bOk) ::DeleteObject(hbmp);  // the clipboard owns the bitmap only when it took it
    return bOk;
}

void CZAVPImageStrip::CleanUp() { CZAVPImageStripDCs::Release(); }
