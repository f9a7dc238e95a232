// The owner-drawn dialog button: mouse and key handling, check and radio behaviour, drawing.
#include "ui/toolbars/CZAVPButton.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CToolTipCtrl.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"

IMPLEMENT_DYNAMIC(CZAVPButton, CButton)

BEGIN_MESSAGE_MAP(CZAVPButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_CANCELMODE()
ON_WM_KILLFOCUS()
ON_WM_ENABLE()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_MESSAGE(BM_GETCHECK, &CZAVPButton::OnGetCheck)
ON_MESSAGE(BM_SETCHECK, &CZAVPButton::OnSetCheck)
ON_MESSAGE(WM_SETFONT, &CZAVPButton::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CZAVPButton::OnGetFont)
END_MESSAGE_MAP()

namespace
{
const UINT_PTR kAutoRepeatTimer = 1;
const int kImageGap = 5;        // image column = image width + this
const int kContentMargin = 10;  // SizeToContent: around the content
const COLORREF kButtonLightGray = RGB(0xC0, 0xC0, 0xC0);
const DWORD kButtonTypeMask = 0x0F;

UINT ImageListColorFlag(int nBitsPerPixel)
{
    switch (nBitsPerPixel) {
    case 8: return ILC_COLOR8;
    case 16: return ILC_COLOR16;
    case 24: return ILC_COLOR24;
    case 32: return ILC_COLOR32;
    default: return ILC_COLOR4;
    }
}

HIMAGELIST ImageListFrom(HBITMAP hbmp, COLORREF clrTransparent, SIZE* pSize)
{
    if (hbmp == nullptr) return nullptr;
    BITMAP bmp = {};
    if (::GetObjectA(hbmp, sizeof bmp, &bmp) == 0) return nullptr;
    HIMAGELIST hList = ImageList_Create(bmp.bmWidth, bmp.bmHeight,
                                        ImageListColorFlag(bmp.bmBitsPixel) | ILC_MASK, 1, 0);
    if (hList != nullptr) ImageList_AddMasked(hList, hbmp, clrTransparent);
    if (pSize != nullptr) *pSize = SIZE{bmp.bmWidth, bmp.bmHeight};
    return hList;
}

void Destroy(HIMAGELIST& hList)
{
    if (hList != nullptr) ImageList_Destroy(hList);
    hList = nullptr;
}

HBITMAP BitmapFromIcon(HICON hIcon)
{
    if (hIcon == nullptr) return nullptr;
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info)) return nullptr;
    BITMAP bmp = {};
    ::GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bmp, &bmp);
    const int cy = info.hbmColor != nullptr ? bmp.bmHeight : bmp.bmHeight / 2;
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, bmp.bmWidth, cy);
    ::ReleaseDC(nullptr, hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    const RECT rect = {0, 0, bmp.bmWidth, cy};
    ::FillRect(hdc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawIconEx(hdc, 0, 0, hIcon, bmp.bmWidth, cy, 0, nullptr, DI_NORMAL);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return hbm;
}
}  // namespace

ZAVPButtonKind ZAVPButtonKind::FromStyle(DWORD dwStyle)
{
    ZAVPButtonKind kind = {AlignCenter, FALSE, FALSE, FALSE};
    switch (dwStyle & BS_CENTER) {
    case BS_LEFT: kind.nAlign = AlignLeft; break;
    case BS_RIGHT: kind.nAlign = AlignRight; break;
    default: kind.nAlign = AlignCenter; break;
    }
    switch (dwStyle & kButtonTypeMask) {
    case BS_CHECKBOX: kind.bCheckButton = TRUE; break;
    case BS_AUTOCHECKBOX: kind.bCheckButton = kind.bAutoCheck = TRUE; break;
    case BS_RADIOBUTTON: kind.bRadioButton = TRUE; break;
    case BS_AUTORADIOBUTTON: kind.bRadioButton = kind.bAutoCheck = TRUE; break;
    default: break;
    }
    return kind;
}

CZAVPButton::CZAVPButton()
    : m_bTransparent(FALSE), m_bHighlightChecked(TRUE), m_bGrayDisabled(TRUE), m_bDrawFocus(TRUE),
      m_bOnDownCommand(FALSE), m_bRightImage(FALSE), m_bHoverTracking(FALSE), m_bPushed(FALSE),
      m_bClickiedInside(FALSE), m_bHighlighted(FALSE), m_bCaptured(FALSE), m_bMouseInside(FALSE),
      m_bChecked(FALSE), m_bCheckButton(FALSE), m_bRadioButton(FALSE), m_bAutoCheck(FALSE),
      m_nAlignStyle(ZAVPButtonKind::AlignCenter),
      m_sizeImage(0, 0), m_Image{}, m_ImageHot{}, m_ImageDisabled{}, m_nStdImageId(-1),
      m_nStdImageDisabledId(-1), m_bColorGlyph(FALSE), m_pToolTip(nullptr),
      m_bCutTextToolTip(FALSE), m_bRecheckCutText(TRUE), m_clrText((COLORREF)-1),
      m_clrHover((COLORREF)-1), m_clrFace((COLORREF)-1), m_hFont(nullptr), m_nAutoRepeatTimeDelay(0)
{
}

CZAVPButton::~CZAVPButton()
{
    CleanUp();
    delete m_pToolTip;
}

void CZAVPButton::CleanUp()
{
    for (int i = 0; i < 2; ++i) {
        Destroy(m_Image[i]);
        Destroy(m_ImageHot[i]);
        Destroy(m_ImageDisabled[i]);
    }
    m_nStdImageId = -1;
    m_nStdImageDisabledId = -1;
    m_sizeImage = CSize(0, 0);
}

BOOL CZAVPButton::PreCreateWindow(CREATESTRUCTA& cs)
{
    const ZAVPButtonKind kind = ZAVPButtonKind::FromStyle(cs.style);
    m_nAlignStyle = kind.nAlign;
    m_bCheckButton = kind.bCheckButton;
    m_bRadioButton = kind.bRadioButton;
    m_bAutoCheck = kind.bAutoCheck;
    cs.style = (cs.style & ~kButtonTypeMask) | BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

void CZAVPButton::PreSubclassWindow()
{
    const DWORD dwStyle = (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE);
    if ((dwStyle & kButtonTypeMask) != BS_OWNERDRAW) {
        const ZAVPButtonKind kind = ZAVPButtonKind::FromStyle(dwStyle);
        m_nAlignStyle = kind.nAlign;
        m_bCheckButton = kind.bCheckButton;
        m_bRadioButton = kind.bRadioButton;
        m_bAutoCheck = kind.bAutoCheck;
        ::SetWindowLongA(m_hWnd, GWL_STYLE, (LONG)((dwStyle & ~kButtonTypeMask) | BS_OWNERDRAW));
    }
    CButton::PreSubclassWindow();
}

void CZAVPButton::SetImage(HBITMAP hbmpImage, BOOL bAutoDestroy, HBITMAP hbmpHot, BOOL bMap3dColors,
                           BOOL bChecked, HBITMAP hbmpDisabled)
{
    const int set = bChecked ? 1 : 0;
    Destroy(m_Image[set]);
    Destroy(m_ImageHot[set]);
    Destroy(m_ImageDisabled[set]);
    const COLORREF clrTransparent = bMap3dColors ? kButtonLightGray : ::GetSysColor(COLOR_BTNFACE);

    SIZE size = {0, 0};
    m_Image[set] = ImageListFrom(hbmpImage, clrTransparent, &size);
    if (m_Image[set] != nullptr) m_sizeImage = size;
    m_ImageHot[set] = ImageListFrom(hbmpHot, clrTransparent, nullptr);
    if (hbmpDisabled != nullptr)
        m_ImageDisabled[set] = ImageListFrom(hbmpDisabled, clrTransparent, nullptr);
    else if (hbmpImage != nullptr) {
        HBITMAP hbmpMade = CreateDisabledImage(hbmpImage);
        m_ImageDisabled[set] = ImageListFrom(hbmpMade, ::GetSysColor(COLOR_BTNFACE), nullptr);
        if (hbmpMade != nullptr) ::DeleteObject(hbmpMade);
    }
    if (bAutoDestroy) {
        for (HBITMAP hbmp : {hbmpImage, hbmpHot, hbmpDisabled})
            if (hbmp != nullptr) ::DeleteObject(hbmp);
    }
    m_nStdImageId = -1;
}

void CZAVPButton::SetImage(HICON hIcon, HICON hIconHot, HICON hIconDisabled)
{
    SetImage(BitmapFromIcon(hIcon), TRUE, BitmapFromIcon(hIconHot), FALSE, FALSE,
             BitmapFromIcon(hIconDisabled));
}

void CZAVPButton::SetStdImage(int nGlyph, BOOL bColorGlyph, int nGlyphDisabled)
{
    CleanUp();
    CZAVPMenuGlyphs::Initialize();
    m_nStdImageId = nGlyph;
    m_nStdImageDisabledId = nGlyphDisabled;
    m_bColorGlyph = bColorGlyph;
    m_sizeImage = CZAVPMenuGlyphs::GetSize();
}

HBITMAP CZAVPButton::CreateDisabledImage(HBITMAP hbmp)
{
    BITMAP bmp = {};
    if (hbmp == nullptr || ::GetObjectA(hbmp, sizeof bmp, &bmp) == 0) return nullptr;
    // The image goes through a one-image strip and is drawn in its disabled style.
    CZAVPImageStrip strip;
    strip.SetImageSize(SIZE{bmp.bmWidth, bmp.bmHeight});
    HBITMAP hbmpCopy = (HBITMAP)::CopyImage(hbmp, IMAGE_BITMAP, 0, 0, 0);
    if (hbmpCopy == nullptr || strip.AddImage(hbmpCopy) < 0) {
        if (hbmpCopy != nullptr) ::DeleteObject(hbmpCopy);
        return nullptr;
    }
    ::DeleteObject(hbmpCopy);

    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbmpResult = ::CreateCompatibleBitmap(hdcScreen, bmp.bmWidth, bmp.bmHeight);
    ::ReleaseDC(nullptr, hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbmpResult);
    const RECT rect = {0, 0, bmp.bmWidth, bmp.bmHeight};
    ::FillRect(hdc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    CDC dc;
    dc.Attach(hdc);
    CZAVPDrawState ds;
    if (strip.PrepareDrawImage(ds)) {
        strip.Draw(&dc, 0, 0, 0, FALSE, TRUE);
        strip.EndDrawImage(ds);
    }
    dc.Detach();
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return hbmpResult;
}

void CZAVPButton::SetTooltip(LPCSTR lpszToolTipText)
{
    m_strToolTip = lpszToolTipText != nullptr ? lpszToolTipText : "";
    m_bCutTextToolTip = FALSE;
    if (m_hWnd == nullptr) return;
    if (m_strToolTip.IsEmpty()) {
        if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
            m_pToolTip->DelTool(this);
        return;
    }
    if (m_pToolTip == nullptr) m_pToolTip = new CToolTipCtrl;
    if (m_pToolTip->GetSafeHwnd() == nullptr) {
        if (!m_pToolTip->Create(this, TTS_ALWAYSTIP)) return;
        if (globalData.m_nMaxToolTipWidth > 0)
            m_pToolTip->SetMaxTipWidth(globalData.m_nMaxToolTipWidth);
    }
    if (m_pToolTip->GetToolCount() == 0)
        m_pToolTip->AddTool(this, m_strToolTip);
    else
        m_pToolTip->UpdateTipText(m_strToolTip, this);
    m_pToolTip->Activate(TRUE);
}

void CZAVPButton::SetAutoRepeatDelay(int nMilliseconds)
{
    m_nAutoRepeatTimeDelay = std::max(0, nMilliseconds);
}

CSize CZAVPButton::SizeToContent(BOOL bCalcOnly)
{
    CString strText;
    if (m_hWnd != nullptr) {
        const int nLength = ::GetWindowTextLengthA(m_hWnd);
        char* psz = strText.GetBuffer(nLength + 1);
        ::GetWindowTextA(m_hWnd, psz, nLength + 1);
        strText.ReleaseBuffer();
    }
    HDC hdc = ::GetDC(m_hWnd);
    CDC dc;
    dc.Attach(hdc);
    HGDIOBJ hOldFont = ::SelectObject(hdc, SelectFont(&dc));
    CRect rectText(0, 0, 0, 0);
    dc.DrawText(strText, rectText, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(hdc, hOldFont);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hdc);

    CSize size(rectText.Width() + kContentMargin * 2,
               std::max<int>(rectText.Height(), m_sizeImage.cy) + kContentMargin);
    if (m_sizeImage.cx > 0) size.cx += m_sizeImage.cx + kImageGap;
    if (!bCalcOnly && m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

// ---- mouse and keys

void CZAVPButton::Repaint()
{
    if (m_hWnd != nullptr) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CZAVPButton::ReleaseMouse()
{
    if (m_bCaptured || ::GetCapture() == m_hWnd) {
        m_bCaptured = FALSE;
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    }
}

void CZAVPButton::OnMouseMove(UINT nFlags, CPoint point)
{
    const BOOL bLeftDown = (nFlags & MK_LBUTTON) != 0;
    if (!bLeftDown && !m_bHoverTracking) {
        Default();
        return;
    }
    RECT rectClient = {};
    ::GetClientRect(m_hWnd, &rectClient);
    if (::PtInRect(&rectClient, point)) {
        m_bMouseInside = TRUE;
        if (!m_bHighlighted) {
            m_bHighlighted = TRUE;
            Repaint();
        }
        if (bLeftDown && !m_bPushed && m_bClickiedInside) {
            m_bPushed = TRUE;
            Repaint();
        }
        if (!m_bCaptured) {
            ::SetCapture(m_hWnd);
            m_bCaptured = TRUE;
            Repaint();
        }
    } else {
        m_bMouseInside = FALSE;
        if (bLeftDown && m_bPushed) {
            m_bPushed = FALSE;
            Repaint();
        } else if (!bLeftDown && m_bHighlighted) {
            m_bHighlighted = FALSE;
            Repaint();
        }
        if (m_bCaptured && !bLeftDown) {
            ReleaseMouse();
            Repaint();
        }
    }
    Default();
}

void CZAVPButton::OnLButtonDown(UINT, CPoint)
{
    if (m_bOnDownCommand) {
        if (HWND hwndParent = ::GetParent(m_hWnd))
            ::SendMessageA(hwndParent, WM_COMMAND, (WPARAM)::GetDlgCtrlID(m_hWnd), (LPARAM)m_hWnd);
        return;
    }
    m_bPushed = TRUE;
    m_bClickiedInside = TRUE;
    m_bHighlighted = TRUE;
    Default();  // the control takes the focus and the capture: its click follows at release
    m_bCaptured = ::GetCapture() == m_hWnd;
    if (!m_bCaptured) {
        ::SetCapture(m_hWnd);
        m_bCaptured = TRUE;
    }
    Repaint();
    if (m_nAutoRepeatTimeDelay > 0)
        ::SetTimer(m_hWnd, kAutoRepeatTimer, (UINT)m_nAutoRepeatTimeDelay, nullptr);
}

void CZAVPButton::OnLButtonUp(UINT, CPoint point)
{
    const BOOL bClicked = m_bClickiedInside;
    m_bPushed = FALSE;
    m_bClickiedInside = FALSE;
    m_bHighlighted = FALSE;

    RECT rectClient = {};
    ::GetClientRect(m_hWnd, &rectClient);
    if (bClicked && m_bAutoCheck && ::PtInRect(&rectClient, point)) {
        if (m_bCheckButton)
            m_bChecked = !m_bChecked;
        else if (m_bRadioButton)
            CheckRadio();
    }
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HWND hwnd = m_hWnd;
    Default();  // the platform's click (BN_CLICKED) when the release was over the button
    if (!::IsWindow(hwnd)) return;
    ReleaseMouse();
    ::KillTimer(m_hWnd, kAutoRepeatTimer);
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr) {
        m_pToolTip->Pop();
        if (!m_strToolTip.IsEmpty()) m_pToolTip->UpdateTipText(m_strToolTip, this);
    }
}

void CZAVPButton::OnLButtonDblClk(UINT, CPoint)
{
    m_bPushed = TRUE;
    m_bClickiedInside = TRUE;
    m_bHighlighted = TRUE;
    Repaint();
    Default();
}

void CZAVPButton::OnCancelMode()
{
    Default();
    ReleaseMouse();
    m_bPushed = m_bClickiedInside = m_bHighlighted = m_bMouseInside = FALSE;
    ::KillTimer(m_hWnd, kAutoRepeatTimer);
    Repaint();
}

void CZAVPButton::OnKillFocus(CWnd*)
{
    Default();
    ReleaseMouse();
    m_bPushed = m_bClickiedInside = m_bHighlighted = m_bMouseInside = FALSE;
    Repaint();
}

void CZAVPButton::OnEnable(BOOL bEnable)
{
    Default();
    if (!bEnable) {
        ReleaseMouse();
        m_bPushed = m_bClickiedInside = m_bHighlighted = m_bMouseInside = FALSE;
    }
    Repaint();
}

void CZAVPButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAutoRepeatTimer) {
        Default();
        return;
    }
    if (m_bPushed && m_bHighlighted) {
        if (HWND hwndParent = ::GetParent(m_hWnd))
            ::SendMessageA(hwndParent, WM_COMMAND, (WPARAM)::GetDlgCtrlID(m_hWnd), (LPARAM)m_hWnd);
    }
}

void CZAVPButton::OnSize(UINT, int, int)
{
    m_bRecheckCutText = TRUE;
    Default();
}

BOOL CZAVPButton::OnEraseBkgnd(CDC*)
{
    return TRUE;  // the owner drawing fills everything
}

BOOL CZAVPButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr &&
        pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
    {
        m_pToolTip->RelayEvent(pMsg);
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
        HWND hwndParent = ::GetParent(m_hWnd);
        switch (pMsg->wParam) {
        case VK_RETURN:
            if (hwndParent != nullptr && ::GetCapture() == nullptr) {
                ::SendMessageA(hwndParent, WM_COMMAND, (WPARAM)::GetDlgCtrlID(m_hWnd),
                               (LPARAM)m_hWnd);
                return TRUE;
            }
            break;
        case VK_SPACE:
            if (m_bAutoCheck && m_bCheckButton) {
                m_bChecked = !m_bChecked;
                Repaint();
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (m_bAutoCheck && m_bRadioButton && hwndParent != nullptr) {
                const BOOL bPrevious = pMsg->wParam == VK_LEFT || pMsg->wParam == VK_UP;
                HWND hwndNext = ::GetNextDlgGroupItem(hwndParent, m_hWnd, bPrevious);
                CZAVPButton* pNext = dynamic_cast<CZAVPButton*>(
                    CWnd::FromHandlePermanent(hwndNext));
                if (pNext != nullptr && pNext != this && pNext->m_bRadioButton) {
                    pNext->CheckRadio();
                    ::SetFocus(hwndNext);
                    ::SendMessageA(hwndParent, WM_COMMAND, (WPARAM)::GetDlgCtrlID(hwndNext),
                                   (LPARAM)hwndNext);
                }
                return TRUE;
            }
            break;
        default: break;
        }
    }
    return CButton::PreTranslateMessage(pMsg);
}

// ---- check state

void CZAVPButton::CheckRadio()
{
    m_bChecked = TRUE;
    Repaint();
    HWND hwndParent = ::GetParent(m_hWnd);
    if (hwndParent == nullptr) return;
    // Every other library radio of the same dialog group loses its check.
    for (HWND hwnd = ::GetNextDlgGroupItem(hwndParent, m_hWnd, FALSE);
         hwnd != nullptr && hwnd != m_hWnd; hwnd = ::GetNextDlgGroupItem(hwndParent, hwnd, FALSE))
    {
        CZAVPButton* pOther = dynamic_cast<CZAVPButton*>(CWnd::FromHandlePermanent(hwnd));
        if (pOther != nullptr && pOther->m_bRadioButton && pOther->m_bChecked) {
            pOther->m_bChecked = FALSE;
            pOther->Repaint();
        }
    }
}

LRESULT CZAVPButton::OnGetCheck(WPARAM, LPARAM)
{
    return (m_bCheckButton || m_bRadioButton) && m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}

LRESULT CZAVPButton::OnSetCheck(WPARAM fCheck, LPARAM)
{
    if (!m_bCheckButton && !m_bRadioButton) return 0;
    const BOOL bCheck = fCheck != BST_UNCHECKED;
    if (bCheck == m_bChecked) return 0;
    if (bCheck && m_bRadioButton)
        CheckRadio();
    else {
        m_bChecked = bCheck;
        Repaint();
    }
    return 0;
}

LRESULT CZAVPButton::OnSetFont(WPARAM hFont, LPARAM bRedraw)
{
    m_hFont = (HFONT)hFont;
    if (bRedraw) Repaint();
    return 0;
}

LRESULT CZAVPButton::OnGetFont(WPARAM, LPARAM) { return (LRESULT)m_hFont; }
