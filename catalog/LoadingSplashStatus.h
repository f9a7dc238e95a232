// What the database loader may do with the splash window while it works, from any thread.
// The document hands this interface to the loader instead of the window itself.
// The catalogue owns this interface (it is its consumer); the application's splash window
// implements it.
#pragma once
#include <windows.h>

class LoadingSplashStatus
{
public:
    // Stores the status line and draws it at once; safe from any thread.
    virtual void SetStatusText(const char* text) = 0;
    // Accepted for callers that report more than a line of text; the splash ignores it.
    virtual void SetStatusDetail(LPARAM detail) = 0;
    // Creates and shows the window on the calling (user-interface) thread.
    virtual void Show() = 0;
    // Destroys the window; call on the thread that showed it.
    virtual void Close() = 0;

protected:
    ~LoadingSplashStatus() = default;
};
