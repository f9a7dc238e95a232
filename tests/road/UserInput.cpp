// SendInput wrappers with absolute mouse coordinates over the primary screen.
#include "UserInput.h"
#include <vector>

namespace
{
const int kAbsoluteRange = 65535;  // SendInput's absolute coordinates span 0..65535
const int kDragSteps = 8;
const DWORD kStepPauseMs = 30;
const DWORD kFocusLimitMs = 3000;
const DWORD kPollMs = 20;

INPUT KeyInput(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

INPUT MouseInput(POINT at, DWORD flags)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (at.x * kAbsoluteRange + width / 2) / (width > 1 ? width - 1 : 1);
    in.mi.dy = (at.y * kAbsoluteRange + height / 2) / (height > 1 ? height - 1 : 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return in;
}

bool Send(std::vector<INPUT> inputs)
{
    return SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

namespace UserInput
{

bool Focus(HWND window)
{
    HWND top = GetAncestor(window, GA_ROOT);
    if (top == nullptr) return false;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kFocusLimitMs) {
        if (GetForegroundWindow() == top) return true;
        SetForegroundWindow(top);
        Sleep(kPollMs);
    }
    return GetForegroundWindow() == top;
}

bool Key(HWND window, WORD vk, bool ctrl)
{
    if (!Focus(window)) return false;
    std::vector<INPUT> inputs;
    if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, true));
    return Send(inputs);
}

bool Drag(HWND window, POINT from, POINT to)
{
    if (!Focus(window)) return false;
    if (!Send({MouseInput(from, 0)})) return false;
    Sleep(kStepPauseMs);
    if (!Send({MouseInput(from, MOUSEEVENTF_LEFTDOWN)})) return false;
    Sleep(kStepPauseMs);
    for (int i = 1; i <= kDragSteps; ++i) {
        POINT at = {from.x + (to.x - from.x) * i / kDragSteps,
                    from.y + (to.y - from.y) * i / kDragSteps};
        if (!Send({MouseInput(at, 0)})) return false;
        Sleep(kStepPauseMs);
    }
    return Send({MouseInput(to, MOUSEEVENTF_LEFTUP)});
}

bool MoveTo(HWND window, POINT at) { return Focus(window) && Send({MouseInput(at, 0)}); }

bool Click(HWND window, POINT at)
{
    if (!MoveTo(window, at)) return false;
    Sleep(kStepPauseMs);
    if (!Send({MouseInput(at, MOUSEEVENTF_LEFTDOWN)})) return false;
    Sleep(kStepPauseMs);
    return Send({MouseInput(at, MOUSEEVENTF_LEFTUP)});
}

bool DoubleClick(HWND window, POINT at)
{
    if (!Focus(window)) return false;
    if (!Send({MouseInput(at, 0)})) return false;
    Sleep(kStepPauseMs);
    // One batch: no pause can stretch the two clicks beyond the double-click time.
    return Send({MouseInput(at, MOUSEEVENTF_LEFTDOWN), MouseInput(at, MOUSEEVENTF_LEFTUP),
                 MouseInput(at, MOUSEEVENTF_LEFTDOWN), MouseInput(at, MOUSEEVENTF_LEFTUP)});
}

}  // namespace UserInput
