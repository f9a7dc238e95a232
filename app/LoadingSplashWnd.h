// The window shown while the database loads: the splash picture, a status line that the loader
// thread sets, and a strip that scrolls under it on a 40 ms timer. Keyboard and close requests
// are swallowed, so the window lives exactly as long as the loading code wants.
#pragma once
#include "framework/CCriticalSection.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include "app/JpegPicture.h"
#include "catalog/LoadingSplashStatus.h"

class LoadingSplashWnd : public CWnd, public LoadingSplashStatus
{
public:
    // Prepares the picture, font and strip; no window yet.
    LoadingSplashWnd();
    ~LoadingSplashWnd() override;

    void SetStatusText(const char* text) override;
    void SetStatusDetail(LPARAM detail) override;
    void Show() override;
    void Close() override;

    CString GetStatusText() const;
    float GetStripOffset() const;
    // Paints the whole splash onto `dc` (client coordinates): what WM_PAINT shows.
    void Draw(CDC* dc);

    static const UINT_PTR kStripTimer = 1;
    static const UINT kStripTimerPeriod = 40;  // ms

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT createStruct);
    void OnPaint();
    void OnTimer(UINT_PTR id);

private:
    // Both draw with the lock held by the caller.
    void DrawStatusLine(CDC* dc);
    void DrawStrip(CDC* dc);
    // Runs `draw` on a DC of the window's own, under the lock; nothing when there is no window.
    template <class F>
    void DrawOnWindow(F draw);

    JpegPicture m_picture;
    CFont m_font;     // status line: Verdana 8 pt, Cyrillic
    CPen m_pen;       // the line above the strip
    CBrush m_brush;   // white under the status line
    CBitmap m_strip;  // 398x7, selected into m_memoryDC
    CDC m_memoryDC;
    HGDIOBJ m_oldBitmap;  // what m_memoryDC held before the strip (a handle: a FromHandle
                          // wrapper is temporary and gone at the next idle time)
    mutable CCriticalSection m_lock;  // the status text and every drawing
    CString m_statusText;
    float m_stripOffset;  // pixels the strip has scrolled left; wrapped when drawn

    DECLARE_MESSAGE_MAP()
};
