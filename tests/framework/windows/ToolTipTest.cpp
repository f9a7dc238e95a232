// The tooltip relay: a window showing tooltips gets its tool registered with the thread's tooltip
// control from its hit test, with the text the hit test handed out on the heap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "framework/AfxThreadState.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWnd.h"

namespace
{

class TipWnd : public CWnd
{
public:
    mutable int hitTests = 0;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override
    {
        ++hitTests;
        if (point.x >= 50) return -1;  // only the left half is a tool
        if (pTI != nullptr) {
            pTI->hwnd = m_hWnd;
            pTI->uId = 7;
            SetRect(&pTI->rect, 0, 0, 50, 40);
            pTI->lpszText = _strdup("left half");  // handed out on the heap; the relay frees it
        }
        return 7;
    }
};

TEST(ToolTips, HitTestRegistersTheToolUnderTheCursorWithItsText)
{
    TipWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "t", WS_POPUP | WS_VISIBLE, 100, 100, 100, 40, nullptr, nullptr));
    wnd.EnableToolTips(TRUE);
    MSG msg = {};
    msg.hwnd = wnd.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(10, 10);
    msg.pt = {110, 110};
    wnd.PreTranslateMessage(&msg);
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    ASSERT_NE(nullptr, pTip);
    EXPECT_EQ(1, wnd.hitTests);
    EXPECT_EQ(1, pTip->GetToolCount());
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = wnd.m_hWnd;
    ti.uId = 7;
    char text[64] = "";
    ti.lpszText = text;
    pTip->SendMessage(TTM_GETTEXTA, 0, (LPARAM)&ti);
    EXPECT_STREQ("left half", text);

    // Over the right half there is no tool: the old one is taken away.
    msg.lParam = MAKELPARAM(80, 10);
    msg.pt = {180, 110};
    wnd.PreTranslateMessage(&msg);
    EXPECT_EQ(0, pTip->GetToolCount());
    wnd.DestroyWindow();
}

}  // namespace
