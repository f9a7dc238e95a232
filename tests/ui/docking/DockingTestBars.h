// Test doubles for the docking tests: a control bar of a fixed size that may float, and a frame
// that notes the registered messages it receives.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CRect.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPFrameWnd.h"

// A bar whose fixed layout is its own size along the row it lies in.
class FixedBar : public CZAVPControlBar
{
public:
    FixedBar(int nLength, int nThickness) : m_nLength(nLength), m_nThickness(nThickness) {}
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override
    {
        return bHorz ? CSize(m_nLength, m_nThickness) : CSize(m_nThickness, m_nLength);
    }
    // A child of the frame, enabled on every side, that may float.
    BOOL CreateIn(CWnd* pFrame, const char* lpszName, UINT nID)
    {
        if (!Create(lpszName, WS_CHILD | WS_VISIBLE | CBRS_TOP,
                    CRect(0, 0, m_nLength, m_nThickness), pFrame, nID, ZAVP_CBRS_FLOAT))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    int m_nLength, m_nThickness;
};

// A frame that keeps every message at or above 0xC000 (the registered ones) sent to it.
class RecordingFrame : public CZAVPFrameWnd
{
public:
    struct Message
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= 0xC000 && message <= 0xFFFF) m_messages.push_back({message, wParam, lParam});
        return CZAVPFrameWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<Message> m_messages;
};

// Creates a frame at (100, 100) whose client area is cx x cy (its own edges may differ from the
// estimate, so it is sized again to the client wanted) and shows it without activating it. With
// bOnTop it stays above other test programs' windows on the shared desktop, and so do the mini
// frames it owns: for tests that ask which window is under the cursor.
inline BOOL ShowTestFrame(CZAVPFrameWnd* pFrame, int cx, int cy, BOOL bOnTop)
{
    CRect rect(0, 0, cx, cy);
    ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    rect.OffsetRect(100 - rect.left, 100 - rect.top);
    if (!pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, rect)) return FALSE;
    CRect rectClient, rectWindow;
    pFrame->GetClientRect(rectClient);
    pFrame->GetWindowRect(rectWindow);
    pFrame->SetWindowPos(nullptr, 0, 0, rectWindow.Width() + cx - rectClient.Width(),
                         rectWindow.Height() + cy - rectClient.Height(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    if (bOnTop)
        ::SetWindowPos(pFrame->GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}
