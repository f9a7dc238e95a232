// The driver's side of the road's probe (see ScreenProbe.h and probe/RoadProbeProtocol.h).
#include "ScreenProbe.h"
#include <string>
#include "ProgramUnderTest.h"
#include "probe/RoadProbeProtocol.h"

namespace
{
const DWORD kPollMs = 20;

std::wstring ProbePath()
{
    wchar_t self[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, n);
    const size_t slash = path.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1)) +
           RoadProbe::kLibraryName;
}
}  // namespace

ScreenProbe::ScreenProbe(DWORD programThreadId)
    : m_query(RegisterWindowMessageW(RoadProbe::kQueryMessage)),
      m_reply(RegisterWindowMessageW(RoadProbe::kReplyMessage))
{
    // The answers come as thread messages: this thread needs its queue before it asks.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    m_library = LoadLibraryW(ProbePath().c_str());
    if (m_library == nullptr) return;
    // Through a generic function pointer: the export's real type is the hook procedure's.
    const HOOKPROC proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(m_library, RoadProbe::kHookProcName)));
    if (proc != nullptr)
        m_hook = SetWindowsHookExW(WH_CALLWNDPROC, proc, m_library, programThreadId);
}

ScreenProbe::~ScreenProbe()
{
    if (m_hook != nullptr) UnhookWindowsHookEx(m_hook);
    if (m_library != nullptr) FreeLibrary(m_library);
}

bool ScreenProbe::Send(HWND window, WORD kind, WORD item) const
{
    if (m_hook == nullptr || window == nullptr) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, m_reply, m_reply, PM_REMOVE)) {
        if (HIWORD(msg.wParam) != 0) GlobalDeleteAtom(LOWORD(msg.wParam));
    }  // late answers to an earlier question
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, m_query, MAKEWPARAM(item, kind),
                               (LPARAM)GetCurrentThreadId(), SMTO_NORMAL,
                               ProgramUnderTest::kLimitMs, &result) != 0;
}

bool ScreenProbe::NextReply(MSG& reply) const
{
    // The probe posted its answers while it handled the question.
    const DWORD start = GetTickCount();
    do {
        if (PeekMessageW(&reply, nullptr, m_reply, m_reply, PM_REMOVE)) return true;
        Sleep(kPollMs);
    } while (GetTickCount() - start < ProgramUnderTest::kLimitMs);
    return false;
}

bool ScreenProbe::Ask(HWND window, WORD kind, WORD item, WPARAM& wAnswer, LPARAM& lAnswer) const
{
    MSG reply;
    if (!Send(window, kind, item) || !NextReply(reply)) return false;
    wAnswer = reply.wParam;
    lAnswer = reply.lParam;
    return true;
}

bool ScreenProbe::DrawnTexts(HWND window, std::vector<DrawnText>& texts) const
{
    texts.clear();
    if (!Send(window, RoadProbe::kDrawnTexts, 0)) return false;
    for (MSG reply; NextReply(reply);) {
        if (HIWORD(reply.wParam) == 0) return (int)texts.size() == (int)reply.lParam;
        const ATOM atom = LOWORD(reply.wParam);
        wchar_t text[256] = {};
        if (atom != 0) {
            GlobalGetAtomNameW(atom, text, 256);
            GlobalDeleteAtom(atom);
        }
        texts.push_back(DrawnText{text, (COLORREF)reply.lParam});
    }
    return false;
}

bool ScreenProbe::AskRect(HWND window, WORD kind, WORD item, RECT& screen) const
{
    WPARAM w = 0;
    LPARAM l = 0;
    if (!Ask(window, kind, item, w, l)) return false;
    screen = RECT{(short)LOWORD(w), (short)HIWORD(w), (short)LOWORD(l), (short)HIWORD(l)};
    return !IsRectEmpty(&screen);
}

UINT ScreenProbe::PopupItemState(HWND menuWindow, UINT command) const
{
    WPARAM w = 0;
    LPARAM l = 0;
    return Ask(menuWindow, RoadProbe::kPopupItemState, (WORD)command, w, l) ? (UINT)l : (UINT)-1;
}

bool ScreenProbe::PopupItemRect(HWND menuWindow, UINT command, RECT& screen) const
{
    return AskRect(menuWindow, RoadProbe::kPopupItemRect, (WORD)command, screen);
}

bool ScreenProbe::MenuBarItemRect(HWND frame, int position, RECT& screen) const
{
    return AskRect(frame, RoadProbe::kMenuBarItemRect, (WORD)position, screen);
}
