// Shared by the pane window tests: a frame that records the commands and context-menu requests
// it receives, and a walk over every look of the library with that look current.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "framework/CControlBar.h"
#include "framework/CFrameWnd.h"
#include "framework/CString.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPVisualManager2003.h"
#include "ui/foundation/CZAVPVisualManagerXP.h"
#include "ui/foundation/CZAVPWinXPVisualManager.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

namespace PaneTests
{
class RecordingFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;
    std::vector<std::pair<HWND, LPARAM>> m_popupRequests;  // "ZAVTOOLBAR_POPUPMENU"
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0) {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        if (message == ZAVPToolBarMessages::PopupMenu) {
            m_popupRequests.emplace_back((HWND)wParam, lParam);
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    BOOL Make(int cx, int cy)
    {
        if (!Create(nullptr, "Panes", WS_OVERLAPPEDWINDOW, CRect(100, 100, 100 + cx, 100 + cy)))
            return FALSE;
        ShowWindow(SW_SHOWNOACTIVATE);
        return TRUE;
    }
};

// Russian text in the ANSI code page the library's strings use (the test sources are UTF-8).
inline CString Ansi(const wchar_t* lpszText)
{
    char szAnsi[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, lpszText, -1, szAnsi, sizeof szAnsi, nullptr, nullptr);
    return CString(szAnsi);
}

// A docking frame that records the commands it receives and the status-bar prompts it is asked
// for (WM_SETMESSAGESTRING).
class RecordingDockFrame : public CZAVPFrameWnd
{
public:
    std::vector<UINT> m_commands;
    std::vector<UINT> m_prompts;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0) {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        if (message == 0x0362) m_prompts.push_back((UINT)wParam);
        return CZAVPFrameWnd::WindowProc(message, wParam, lParam);
    }
    BOOL Make(int cx, int cy)
    {
        if (!Create(nullptr, "Panes", WS_OVERLAPPEDWINDOW, CRect(100, 100, 100 + cx, 100 + cy)))
            return FALSE;
        ShowWindow(SW_SHOWNOACTIVATE);
        return EnableDocking(CBRS_ALIGN_ANY);
    }
};

// Runs the body once with each look current; the default look is current again afterwards.
inline void ForEachLook(const std::function<void(CRuntimeClass*)>& body)
{
    CRuntimeClass* looks[] = {
        RUNTIME_CLASS(CZAVPVisualManager), RUNTIME_CLASS(CZAVPVisualManagerXP),
        RUNTIME_CLASS(CZAVPWinXPVisualManager), RUNTIME_CLASS(CZAVPVisualManager2003)};
    for (CRuntimeClass* pClass : looks) {
        CZAVPVisualManager::DestroyInstance();
        std::unique_ptr<CObject> look(pClass->CreateObject());
        static_cast<CZAVPVisualManager*>(look.get())->OnUpdateSystemColors();
        body(pClass);
    }
    CZAVPVisualManager::DestroyInstance();
}
}  // namespace PaneTests
