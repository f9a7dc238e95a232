// Shows the loading splash as the program does at start-up, with its first status line, for a
// few seconds: a way to look at it on a display (tools/splash-screenshot.sh takes a picture).
// Usage: splash_preview [seconds]
#include <windows.h>

#include <cstdlib>

#include "app/LoadingSplashWnd.h"
#include "resources/AppResource.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const int seconds = commandLine != nullptr && *commandLine != '\0' ? std::atoi(commandLine) : 5;
    char status[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_LOADING_DATABASE, status, sizeof status);

    LoadingSplashWnd splash;
    splash.Show();
    splash.SetStatusText(status);
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < DWORD(seconds) * 1000) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    splash.Close();
    return 0;
}
