// Toolbar buttons dragged by OLE drag and drop, in a program of its own: OLE needs a
// single-threaded apartment on the thread (the catalogue runs COM multithreaded, where the bars
// drag buttons themselves). The data object carries a button intact, every bar is a registered
// drop target, and a real drag driven by mouse input moves a button from one bar to the other.
#include <gtest/gtest.h>

#include <vector>

#include "framework/AfxOle.h"
#include "framework/CFile.h"
#include "framework/CFrameWnd.h"
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "framework/COleDropTarget.h"
#include "resources/AppResource.h"
#include "tests/support/MessagePump.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

namespace
{
const UINT kOleMainBarId = 0xE840;
const UINT kOleNavBarId = 0xE841;

std::vector<UINT> OleBarCommands(const CZAVPToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); ++i)
        ids.push_back(bar.GetButton(i)->IsSeparator() ? 0 : bar.GetButton(i)->m_nID);
    return ids;
}

// Mouse input as the user gives it, at a screen point.
void SendMouseAt(CPoint pt, DWORD dwFlags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (LONG)((pt.x * 65536LL + 65535) / ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = (LONG)((pt.y * 65536LL + 65535) / ::GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | dwFlags;
    ::SendInput(1, &input, sizeof input);
}

void SendEscape()
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof keys[0]);
}

// The mouse of a drag, given from another thread while the drag loop runs on the test's: down
// on the start point, a few moves to the end point, up there. Should the drop never come, Esc
// ends the drag so that the test fails instead of hanging.
struct DragScript
{
    CPoint ptStart, ptEnd;
    HANDLE hDone = nullptr;
};

DWORD WINAPI RunDragScript(LPVOID pv)
{
    const DragScript* pScript = static_cast<const DragScript*>(pv);
    SendMouseAt(pScript->ptStart, 0);
    ::Sleep(100);
    SendMouseAt(pScript->ptStart, MOUSEEVENTF_LEFTDOWN);
    ::Sleep(300);
    const int kSteps = 6;
    for (int i = 1; i <= kSteps; ++i) {
        const CPoint pt(pScript->ptStart.x + (pScript->ptEnd.x - pScript->ptStart.x) * i / kSteps,
                        pScript->ptStart.y + (pScript->ptEnd.y - pScript->ptStart.y) * i / kSteps);
        SendMouseAt(pt, 0);
        ::Sleep(120);
    }
    ::Sleep(200);
    SendMouseAt(pScript->ptEnd, MOUSEEVENTF_LEFTUP);
    if (::WaitForSingleObject(pScript->hDone, 10000) == WAIT_TIMEOUT) SendEscape();
    return 0;
}

// A bar whose OLE drop target a test can call as the drag loop would.
class OleTestToolBar : public CZAVPToolBar
{
public:
    IDropTarget* DropTargetInterface() const { return m_DropTarget.GetInterface(); }
    // Drops that came through OLE (the bars' own drag never calls these).
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        ++m_nOleDrops;
        return CZAVPToolBar::OnDrop(pDataObject, dropEffect, point);
    }
    int m_nOleDrops = 0;
};

class ToolbarOleDragTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(AfxOleGetInitialized());
        GetCommandManager()->ClearAll();
        // On top of every other program's windows: the drop goes to the window under the mouse.
        ASSERT_TRUE(
            m_frame.Create(nullptr, "OLE drag", WS_OVERLAPPEDWINDOW, CRect(200, 200, 700, 400)));
        ::SetWindowPos(m_frame.GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        ASSERT_TRUE(m_main.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kOleMainBarId));
        ASSERT_TRUE(m_main.LoadToolBar(IDR_MAINFRAME));
        ASSERT_TRUE(m_nav.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kOleNavBarId));
        ASSERT_TRUE(m_nav.LoadToolBar(IDR_NAVIGATION));
        m_main.SetOwner(&m_frame);
        m_nav.SetOwner(&m_frame);
        m_main.SetWindowPos(nullptr, 0, 0, 300, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        m_nav.SetWindowPos(nullptr, 0, 60, 300, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        m_main.AdjustLayout();
        m_nav.AdjustLayout();
        ::SetForegroundWindow(m_frame.GetSafeHwnd());
        PumpMessagesFor(50);
    }
    void TearDown() override
    {
        CZAVPToolBar::SetCustomizeMode(FALSE);
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        if (::IsWindow(m_frame.GetSafeHwnd())) m_frame.DestroyWindow();
        PumpMessagesFor(0);
        AfxOleTerm();
    }
    CPoint ScreenCentre(CZAVPToolBar& bar, int i)
    {
        CPoint pt = bar.GetButton(i)->GetRect().CenterPoint();
        bar.ClientToScreen(&pt);
        return pt;
    }

    CFrameWnd m_frame;
    OleTestToolBar m_main;
    OleTestToolBar m_nav;
};

TEST_F(ToolbarOleDragTest, DataObjectCarriesTheButtonIntact)
{
    CZAVPToolbarButton button(ID_NEW_FOLDER, 3, "Новая папка", TRUE);
    COleDataSource source;
    ASSERT_TRUE(button.PutOnDataSource(source));
    const CLIPFORMAT cf = CZAVPToolbarButton::GetClipboardFormat();

    COleDataObject data;
    data.Attach(source.GetDataObject());
    EXPECT_TRUE(data.IsDataAvailable(cf));
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    // The block the target reads is the one the source cached, byte for byte.
    HGLOBAL hRead = data.GetGlobalData(cf);
    ASSERT_NE(nullptr, hRead);
    HGLOBAL hCached = source.GetCachedData(cf);
    ASSERT_EQ(::GlobalSize(hCached), ::GlobalSize(hRead));
    EXPECT_EQ(0, memcmp(::GlobalLock(hCached), ::GlobalLock(hRead), ::GlobalSize(hRead)));
    ::GlobalUnlock(hCached);
    ::GlobalUnlock(hRead);
    ::GlobalFree(hRead);
    EXPECT_EQ(nullptr, data.GetGlobalData(CF_TEXT));

    CZAVPToolbarButton* pCopy = CZAVPToolbarButton::CreateFromOleData(&data);
    ASSERT_NE(nullptr, pCopy);
    EXPECT_EQ((UINT)ID_NEW_FOLDER, pCopy->m_nID);
    EXPECT_EQ(CString("Новая папка"), pCopy->m_strText);
    EXPECT_EQ(3, pCopy->GetImage());
    delete pCopy;

    // The data object lists its one format.
    IDataObject* pObject = source.GetDataObject();
    IEnumFORMATETC* pEnum = nullptr;
    ASSERT_EQ(S_OK, pObject->EnumFormatEtc(DATADIR_GET, &pEnum));
    FORMATETC fe[2] = {};
    ULONG nFetched = 0;
    pEnum->Next(2, fe, &nFetched);
    EXPECT_EQ(1u, nFetched);
    EXPECT_EQ(cf, fe[0].cfFormat);
    pEnum->Release();
    pObject->Release();
}

TEST_F(ToolbarOleDragTest, EveryBarIsADropTargetThatTakesButtonsOnlyWhileCustomizing)
{
    // Registered when created: a second registration of the window is refused.
    for (CZAVPToolBar* pBar : {(CZAVPToolBar*)&m_main, (CZAVPToolBar*)&m_nav}) {
        COleDropTarget other;
        EXPECT_FALSE(other.Register(pBar));
    }
    IDropTarget* pTarget = m_nav.DropTargetInterface();
    ASSERT_NE(nullptr, pTarget);

    // A button offered as the drag loop offers it, over the start of the other bar.
    CZAVPToolbarButton button(ID_ADD_DISC, 0, nullptr, FALSE);
    COleDataSource source;
    ASSERT_TRUE(button.PutOnDataSource(source));
    IDataObject* pObject = source.GetDataObject();
    CRect rect = m_nav.GetButton(0)->GetRect();
    m_nav.ClientToScreen(&rect);
    const POINTL pt = {rect.left + 2, rect.top + rect.Height() / 2};
    const std::vector<UINT> navBefore = OleBarCommands(m_nav);

    // Outside customisation mode nothing is taken.
    DWORD dwEffect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pTarget->DragEnter(pObject, MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    dwEffect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pTarget->Drop(pObject, 0, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    EXPECT_EQ(navBefore, OleBarCommands(m_nav));

    // While customising: a move, a copy with Ctrl, and a drop before the first button.
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    dwEffect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pTarget->DragEnter(pObject, MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, dwEffect);
    dwEffect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pTarget->DragOver(MK_LBUTTON | MK_CONTROL, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    // A drop only the data's own effects allow: here a move.
    dwEffect = DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pTarget->Drop(pObject, 0, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, dwEffect);
    std::vector<UINT> expected = navBefore;
    expected.insert(expected.begin(), ID_ADD_DISC);
    EXPECT_EQ(expected, OleBarCommands(m_nav));

    // Data without a button is refused, and a drag that leaves changes nothing.
    COleDataSource text;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_NE(nullptr, hText);
    text.CacheGlobalData(CF_TEXT, hText);
    IDataObject* pText = text.GetDataObject();
    dwEffect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pTarget->DragEnter(pText, MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    EXPECT_EQ(S_OK, pTarget->DragLeave());
    EXPECT_EQ(expected, OleBarCommands(m_nav));
    pText->Release();
    pObject->Release();
}

TEST_F(ToolbarOleDragTest, MouseDragsAButtonToTheOtherBar)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    const std::vector<UINT> mainBefore = OleBarCommands(m_main);
    const std::vector<UINT> navBefore = OleBarCommands(m_nav);
    ASSERT_EQ((UINT)ID_NEW_FOLDER, mainBefore[1]);

    // The second button of the main bar goes before the first of the navigation bar.
    DragScript script;
    script.ptStart = ScreenCentre(m_main, 1);
    CRect rectTarget = m_nav.GetButton(0)->GetRect();
    m_nav.ClientToScreen(&rectTarget);
    script.ptEnd = CPoint(rectTarget.left + 2, rectTarget.CenterPoint().y);
    script.hDone = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD dwThread = 0;
    HANDLE hThread = ::CreateThread(nullptr, 0, RunDragScript, &script, 0, &dwThread);
    ASSERT_NE(nullptr, hThread);
    // The press reaches the bar through the queue and the drag loop runs inside it; the pump
    // ends once the button has left the main bar or after ten seconds.
    const DWORD dwStart = ::GetTickCount();
    while (OleBarCommands(m_main) == mainBefore && ::GetTickCount() - dwStart < 10000)
        PumpMessagesFor(20);
    ::SetEvent(script.hDone);
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    ::CloseHandle(script.hDone);
    PumpMessagesFor(50);

    std::vector<UINT> mainAfter = mainBefore;
    mainAfter.erase(mainAfter.begin() + 1);
    std::vector<UINT> navAfter = navBefore;
    navAfter.insert(navAfter.begin(), ID_NEW_FOLDER);
    EXPECT_EQ(mainAfter, OleBarCommands(m_main));
    EXPECT_EQ(navAfter, OleBarCommands(m_nav));
    // It was dropped by OLE, not by the bars' own drag.
    EXPECT_EQ(1, m_nav.m_nOleDrops);
}
}  // namespace
