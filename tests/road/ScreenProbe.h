// Reads what the program shows on the screen where no message of its windows tells: the state of
// an item of an open popup menu (its check mark), where the items of the menu bar and of an open
// popup lie (so that the mouse can be put on them), and the texts a window draws, with their
// colours. The system keeps a menu readable only by its own process, and the program's bars
// answer no question about their drawing, so the questions go through the road's probe, hooked
// into the program's main thread for as long as this object lives.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct DrawnText
{
    std::wstring text;
    COLORREF colour;
};

class ScreenProbe
{
public:
    explicit ScreenProbe(DWORD programThreadId);
    ~ScreenProbe();
    ScreenProbe(const ScreenProbe&) = delete;
    ScreenProbe& operator=(const ScreenProbe&) = delete;

    bool Hooked() const { return m_hook != nullptr; }
    // GetMenuState of the command's item in the popup menu shown by this menu window (class
    // "#32768"); (UINT)-1 when the menu has no such item or the program did not answer.
    UINT PopupItemState(HWND menuWindow, UINT command) const;
    // The screen rectangle of the command's item in that popup menu.
    bool PopupItemRect(HWND menuWindow, UINT command, RECT& screen) const;
    // The screen rectangle of the item at this position of the frame's menu bar.
    bool MenuBarItemRect(HWND frame, int position, RECT& screen) const;
    // Has the window repaint at once and answers the texts it drew (DrawTextA), in drawing order.
    bool DrawnTexts(HWND window, std::vector<DrawnText>& texts) const;

private:
    bool Send(HWND window, WORD kind, WORD item) const;
    bool NextReply(MSG& reply) const;
    bool Ask(HWND window, WORD kind, WORD item, WPARAM& wAnswer, LPARAM& lAnswer) const;
    bool AskRect(HWND window, WORD kind, WORD item, RECT& screen) const;

    HMODULE m_library = nullptr;
    HHOOK m_hook = nullptr;
    UINT m_query = 0;
    UINT m_reply = 0;
};
