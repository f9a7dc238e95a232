// The loading splash: picture, status line and scrolling strip, drawn under one lock so that the
// loader thread can write the status line while the user-interface thread paints.
#include "app/LoadingSplashWnd.h"

#include "app/SplashGeometry.h"
#include "framework/CSingleLock.h"
#include "resources/AppResource.h"

namespace
{

const int kStatusLeft = 1;  // the status line's white band: 1,278 - 399,290
const int kStatusTop = 278;
const int kStatusRight = 399;
const int kStatusBottom = 290;
const int kStatusTextX = 10;
const int kRuleY = 291;  // the line between the status line and the strip
const BYTE kRussianCharset = 204;

}  // namespace

BEGIN_MESSAGE_MAP(LoadingSplashWnd, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

LoadingSplashWnd::LoadingSplashWnd()
    : m_picture(IDR_SPLASH_PICTURE), m_oldBitmap(nullptr), m_stripOffset(0.0f)
{
    LOGFONTA font = {};
    font.lfHeight = 80;  // tenths of a point
    font.lfCharSet = kRussianCharset;
    lstrcpynA(font.lfFaceName, "Verdana", LF_FACESIZE);
    m_font.CreatePointFontIndirect(&font);
    m_pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_brush.CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF));
    m_strip.LoadBitmap(IDB_SPLASH_STRIP);
    m_memoryDC.CreateCompatibleDC(nullptr);
    if (m_strip.GetSafeHandle() != nullptr)
        m_oldBitmap = m_memoryDC.SelectObject(m_strip.GetSafeHandle());
}

LoadingSplashWnd::~LoadingSplashWnd()
{
    if (GetSafeHwnd() != nullptr) Close();
    if (m_oldBitmap != nullptr) m_memoryDC.SelectObject(m_oldBitmap);
}

BOOL LoadingSplashWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    RECT workArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const RECT r = SplashGeometry::WindowRect(workArea);
    cs.x = r.left;
    cs.y = r.top;
    cs.cx = SplashGeometry::kWidth;
    cs.cy = SplashGeometry::kHeight;
    cs.style = WS_POPUP | WS_VISIBLE;
    cs.dwExStyle = WS_EX_TOOLWINDOW;
    cs.lpszClass = AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW));
    return CWnd::PreCreateWindow(cs);
}

void LoadingSplashWnd::Show()
{
    CREATESTRUCTA cs = {};
    if (!PreCreateWindow(cs)) return;
    if (!CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                  cs.hwndParent, cs.hMenu))
        return;
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    SetTimer(kStripTimer, kStripTimerPeriod);
}

void LoadingSplashWnd::Close()
{
    // Under the lock, so that the loader thread never draws on a window being destroyed.
    CSingleLock lock(&m_lock, TRUE);
    DestroyWindow();
}

LRESULT LoadingSplashWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:  // neither Alt+F4 nor Esc nor anything else closes the splash: Close does
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR: return 0;
    default: return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

int LoadingSplashWnd::OnCreate(LPCREATESTRUCT createStruct)
{
    m_stripOffset = 0.0f;
    return CWnd::OnCreate(createStruct);
}

void LoadingSplashWnd::SetStatusText(const char* text)
{
    CSingleLock lock(&m_lock, TRUE);
    m_statusText = text != nullptr ? text : "";
    DrawOnWindow([this](CDC* dc) { DrawStatusLine(dc); });
}

void LoadingSplashWnd::SetStatusDetail(LPARAM) {}

CString LoadingSplashWnd::GetStatusText() const
{
    CSingleLock lock(&m_lock, TRUE);
    return m_statusText;
}

float LoadingSplashWnd::GetStripOffset() const
{
    CSingleLock lock(&m_lock, TRUE);
    return m_stripOffset;
}

template <class F>
void LoadingSplashWnd::DrawOnWindow(F draw)
{
    CSingleLock lock(&m_lock, TRUE);
    const HWND hwnd = m_hWnd;
    if (hwnd == nullptr) return;
    // A DC of this call's own: the loader thread draws here too.
    CDC dc;
    dc.Attach(::GetDC(hwnd));
    if (dc.GetSafeHdc() != nullptr) draw(&dc);
    ::ReleaseDC(hwnd, dc.Detach());
}

void LoadingSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc);
}

void LoadingSplashWnd::Draw(CDC* dc)
{
    CSingleLock lock(&m_lock, TRUE);
    const RECT whole = {0, 0, SplashGeometry::kWidth, SplashGeometry::kHeight};
    m_picture.Draw(dc->GetSafeHdc(), whole);
    const HGDIOBJ oldPen = dc->SelectObject(m_pen.GetSafeHandle());
    dc->MoveTo(1, kRuleY);
    dc->LineTo(SplashGeometry::kWidth, kRuleY);
    dc->SelectObject(oldPen);
    DrawStatusLine(dc);
    DrawStrip(dc);
}

void LoadingSplashWnd::DrawStatusLine(CDC* dc)
{
    const RECT band = {kStatusLeft, kStatusTop, kStatusRight, kStatusBottom};
    ::FillRect(dc->GetSafeHdc(), &band, static_cast<HBRUSH>(m_brush.GetSafeHandle()));
    if (m_statusText.IsEmpty()) return;
    dc->SetTextColor(RGB(0, 0, 0));
    const HGDIOBJ oldFont = dc->SelectObject(m_font.GetSafeHandle());
    dc->SetBkMode(TRANSPARENT);
    dc->TextOut(kStatusTextX, kStatusTop, m_statusText, m_statusText.GetLength());
    dc->SelectObject(oldFont);
}

void LoadingSplashWnd::DrawStrip(CDC* dc)
{
    m_stripOffset = SplashGeometry::WrapStripOffset(m_stripOffset);
    SplashGeometry::StripBlit blits[2];
    const int count = SplashGeometry::StripBlits(m_stripOffset, blits);
    for (int i = 0; i < count; ++i)
        dc->BitBlt(blits[i].destX, SplashGeometry::kStripTop, blits[i].width,
                   SplashGeometry::kStripHeight, &m_memoryDC, blits[i].sourceX, 0, SRCCOPY);
}

void LoadingSplashWnd::OnTimer(UINT_PTR id)
{
    if (id != kStripTimer) {
        Default();
        return;
    }
    CSingleLock lock(&m_lock, TRUE);
    m_stripOffset += SplashGeometry::kStripStep;
    DrawOnWindow([this](CDC* dc) { DrawStrip(dc); });
}
