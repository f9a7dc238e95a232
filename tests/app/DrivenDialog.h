// Runs a modal dialog on the test's thread while a second thread drives it through messages and
// reads its controls back, as the user and the catalogue's worker threads do.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "framework/CWnd.h"

template <class Dialog>
class DrivenDialog : public Dialog
{
public:
    template <class... Args>
    explicit DrivenDialog(Args&&... args) : Dialog(std::forward<Args>(args)...)
    {
        m_ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_marker = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    }
    ~DrivenDialog() override
    {
        CloseHandle(m_ready);
        CloseHandle(m_marker);
    }

    // DoModal on this thread; `drive` runs meanwhile on another thread with the dialog's window
    // (null when the dialog never came up within ten seconds).
    INT_PTR RunModal(const std::function<void(HWND)>& drive)
    {
        std::thread driver([&] {
            drive(WaitForSingleObject(m_ready, 10000) == WAIT_OBJECT_0 ? m_window : nullptr);
        });
        const INT_PTR result = this->DoModal();
        driver.join();
        return result;
    }

    // From the driving thread: returns once every message posted to the dialog before it has
    // been handled (posted messages keep their order).
    bool Sync(HWND dialog)
    {
        return PostMessageA(dialog, kMarker, 0, 0) &&
               WaitForSingleObject(m_marker, 10000) == WAIT_OBJECT_0;
    }

    bool WasShown() const { return WaitForSingleObject(m_ready, 0) == WAIT_OBJECT_0; }

    // From the driving thread after Sync: nothing has ended the modal loop so far.
    bool StillModal() const { return (this->m_nFlags & WF_CONTINUEMODAL) != 0; }

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = Dialog::OnInitDialog();
        m_window = this->m_hWnd;
        SetEvent(m_ready);
        return result;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kMarker) {
            SetEvent(m_marker);
            return 0;
        }
        return Dialog::WindowProc(message, wParam, lParam);
    }

private:
    static const UINT kMarker = WM_APP + 0x3A7;
    HANDLE m_ready;   // set once OnInitDialog has run
    HANDLE m_marker;  // set when the marker message is handled
    HWND m_window = nullptr;
};

// The narrow text of control `id` of a dialog, from any thread.
inline std::string ControlText(HWND dialog, int id)
{
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

inline bool ControlVisible(HWND dialog, int id)
{
    return (GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}
