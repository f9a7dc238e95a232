// A dialog or message box the program shows, driven as a user would: its texts, its controls'
// states, typing into an edit and pressing its buttons.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class ProgramDialog
{
public:
    explicit ProgramDialog(HWND dialog) : m_dialog(dialog) {}

    HWND Handle() const { return m_dialog; }
    bool Exists() const { return m_dialog != nullptr && IsWindow(m_dialog); }
    std::wstring Caption() const;
    HWND Control(int id) const { return GetDlgItem(m_dialog, id); }
    std::wstring Text(int id) const;
    bool Visible(int id) const;
    bool Enabled(int id) const;
    bool Checked(int id) const;
    // A message box's message: the texts of its static controls that carry any.
    std::wstring Message() const;

    bool SetText(int id, const std::wstring& text) const;
    // A button press as the button reports it to the dialog (posted: it may end a modal loop).
    bool Press(int id) const;
    // The same, sent: answers once the dialog has handled it (false when that took too long,
    // as when the press opened a modal window).
    bool PressAndWait(int id, DWORD limitMs) const;
    // Esc as the dialog manager turns it into a command: IDCANCEL without a control.
    bool PressEscape() const;
    // Waits for the window to be destroyed (its modal loop has ended).
    bool WaitClosed(DWORD limitMs) const;

private:
    HWND m_dialog;
};
