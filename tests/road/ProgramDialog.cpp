// Dialog and message-box driving through window messages the system marshals across processes.
#include "ProgramDialog.h"
#include "ProgramUnderTest.h"

namespace
{
const wchar_t kStaticClass[] = L"Static";

bool SameClass(HWND hwnd, const wchar_t* name)
{
    return _wcsicmp(ClassName(hwnd).c_str(), name) == 0;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> all;
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        all.push_back(c);
    return all;
}

}  // namespace

std::wstring ProgramDialog::Caption() const { return WindowText(m_dialog); }

std::wstring ProgramDialog::Text(int id) const
{
    const HWND control = Control(id);
    return control != nullptr ? WindowText(control) : std::wstring();
}

bool ProgramDialog::Visible(int id) const
{
    const HWND control = Control(id);
    return control != nullptr && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool ProgramDialog::Enabled(int id) const
{
    const HWND control = Control(id);
    return control != nullptr && IsWindowEnabled(control);
}

bool ProgramDialog::Checked(int id) const
{
    const HWND control = Control(id);
    return control != nullptr && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring ProgramDialog::Message() const
{
    std::wstring message;
    for (HWND c : Children(m_dialog)) {
        if (!SameClass(c, kStaticClass)) continue;
        const std::wstring text = WindowText(c);
        if (text.empty()) continue;
        if (!message.empty()) message += L"\n";
        message += text;
    }
    return message;
}

bool ProgramDialog::SetText(int id, const std::wstring& text) const
{
    const HWND control = Control(id);
    DWORD_PTR result = 0;
    return control != nullptr &&
           SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_NORMAL, ProgramUnderTest::kLimitMs, &result) != 0;
}

bool ProgramDialog::Press(int id) const
{
    return PostMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(Control(id)));
}

bool ProgramDialog::PressAndWait(int id, DWORD limitMs) const
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                               reinterpret_cast<LPARAM>(Control(id)), SMTO_NORMAL, limitMs,
                               &result) != 0;
}

bool ProgramDialog::PressEscape() const
{
    return PostMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
}

bool ProgramDialog::WaitClosed(DWORD limitMs) const
{
    // Hidden is not enough: a modal loop still runs until its window is destroyed, and a press
    // meant for the window below would be handled inside it. A loop told to end may sleep until
    // its next message when another loop took the wake-up message meant for it (a user's mouse
    // would send one soon): an empty message wakes it.
    return WaitUntil(
        [&] {
            if (IsWindow(m_dialog) && !IsWindowVisible(m_dialog))
                PostMessageW(m_dialog, WM_NULL, 0, 0);
            return !IsWindow(m_dialog);
        },
        limitMs);
}
