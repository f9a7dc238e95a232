// The probe the road's driver hooks into the program under test (see RoadProbeProtocol.h): on
// the program's own thread it reads the menus the driver asks about, and the texts a window draws
// when it repaints, and posts the answers back. Plain Win32 only: it must load into any copy of
// the program.
#include <windows.h>
#include "RoadProbeProtocol.h"

namespace
{
// ---- texts drawn

struct DrawnText
{
    char text[256];
    COLORREF colour;
};

typedef int(WINAPI* DrawTextAProc)(HDC, LPCSTR, int, LPRECT, UINT);
DrawTextAProc g_drawTextA = nullptr;  // the system's, while the program's import is redirected
bool g_recording = false;
DrawnText g_drawn[RoadProbe::kMaxTexts];
int g_drawnCount = 0;

int WINAPI RecordingDrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format)
{
    if (g_recording && text != nullptr) {
        if (g_drawnCount < RoadProbe::kMaxTexts) {
            DrawnText& drawn = g_drawn[g_drawnCount];
            const int n = count < 0 ? lstrlenA(text) : count;
            const int kept = n < (int)sizeof drawn.text - 1 ? n : (int)sizeof drawn.text - 1;
            CopyMemory(drawn.text, text, kept);
            drawn.text[kept] = 0;
            drawn.colour = GetTextColor(dc);
        }
        ++g_drawnCount;
    }
    return g_drawTextA(dc, text, count, rect, format);
}

// Points the program's imports of `target` at `replacement`; the program is one statically linked
// executable, so its own import table is where every call of its windows goes through.
bool RedirectImport(void* target, void* replacement)
{
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0) return false;
    bool found = false;
    for (const IMAGE_IMPORT_DESCRIPTOR* module =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         module->Name != 0; ++module)
    {
        for (IMAGE_THUNK_DATA* thunk =
                 reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
             thunk->u1.Function != 0; ++thunk)
        {
            if (reinterpret_cast<void*>(thunk->u1.Function) != target) continue;
            DWORD old = 0;
            if (!VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, PAGE_READWRITE,
                                &old))
                continue;
            thunk->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, old, &old);
            found = true;
        }
    }
    return found;
}

void ReplyDrawnTexts(HWND window, DWORD thread, UINT reply)
{
    if (g_drawTextA == nullptr) {
        void* system = reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "DrawTextA"));
        if (system != nullptr &&
            RedirectImport(system, reinterpret_cast<void*>(&RecordingDrawTextA)))
            g_drawTextA = reinterpret_cast<DrawTextAProc>(system);
    }
    g_drawnCount = 0;
    if (g_drawTextA != nullptr) {
        g_recording = true;
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        g_recording = false;
    }
    const int sent = g_drawnCount < RoadProbe::kMaxTexts ? g_drawnCount : RoadProbe::kMaxTexts;
    for (int i = 0; i < sent; ++i)
        PostThreadMessageW(thread, reply, MAKEWPARAM(GlobalAddAtomA(g_drawn[i].text), 1),
                           (LPARAM)g_drawn[i].colour);
    PostThreadMessageW(thread, reply, 0, g_drawnCount);
}

// ---- menus

HMENU PopupMenuOf(HWND menuWindow)
{
    return reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
}

int PositionOf(HMENU menu, UINT command)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(menu, i) == command) return i;
    return -1;
}

void ReplyRect(DWORD thread, UINT reply, HWND window, HMENU menu, int position)
{
    RECT r = {};
    if (menu == nullptr || position < 0 || !GetMenuItemRect(window, menu, (UINT)position, &r))
        SetRectEmpty(&r);
    PostThreadMessageW(thread, reply, MAKELONG(r.left, r.top), MAKELONG(r.right, r.bottom));
}

void Answer(HWND window, WPARAM question, DWORD thread)
{
    static const UINT reply = RegisterWindowMessageW(RoadProbe::kReplyMessage);
    const UINT item = LOWORD(question);
    switch (HIWORD(question)) {
    case RoadProbe::kPopupItemState: {
        const HMENU menu = PopupMenuOf(window);
        const UINT state = menu != nullptr ? GetMenuState(menu, item, MF_BYCOMMAND) : (UINT)-1;
        PostThreadMessageW(thread, reply, 0, (LPARAM)state);
        break;
    }
    case RoadProbe::kPopupItemRect: {
        const HMENU menu = PopupMenuOf(window);
        ReplyRect(thread, reply, window, menu, menu != nullptr ? PositionOf(menu, item) : -1);
        break;
    }
    case RoadProbe::kMenuBarItemRect:
        ReplyRect(thread, reply, window, GetMenu(window), (int)item);
        break;
    case RoadProbe::kDrawnTexts: ReplyDrawnTexts(window, thread, reply); break;
    default: break;
    }
}
}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    RoadProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT query = RegisterWindowMessageW(RoadProbe::kQueryMessage);
    if (code == HC_ACTION) {
        const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (message->message == query)
            Answer(message->hwnd, message->wParam, (DWORD)message->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
