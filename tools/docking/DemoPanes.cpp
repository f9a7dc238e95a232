// Captioned panes for the docking demo (see DemoPanes.h).
#include "DemoPanes.h"

#include "DemoBars.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPFrameWnd.h"

namespace
{
// A pane that fills its client area with a multi-line text box.
class DemoPane : public CZAVPDockingControlBar
{
public:
    BOOL CreateIn(CZAVPFrameWnd* pFrame, const char* lpszUtf8Name, const wchar_t* lpszText,
                  UINT nID, CSize size, DWORD dwSide)
    {
        if (!Create("", pFrame, CRect(0, 0, size.cx, size.cy), TRUE, nID,
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | dwSide))
            return FALSE;
        DemoBar::SetUtf8Text(m_hWnd, lpszUtf8Name);
        EnableDocking(CBRS_ALIGN_ANY);
        m_hEdit = ::CreateWindowExW(0, L"EDIT", lpszText,
                                    WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, 0,
                                    size.cx, size.cy, m_hWnd, nullptr, nullptr, nullptr);
        ::SendMessageW(m_hEdit, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SIZE && m_hEdit != nullptr)
            ::MoveWindow(m_hEdit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return CZAVPDockingControlBar::WindowProc(message, wParam, lParam);
    }

private:
    HWND m_hEdit = nullptr;
};
}  // namespace

bool AddDemoPanes(CZAVPFrameWnd* pFrame,
                  std::vector<std::unique_ptr<CZAVPDockingControlBar>>& panes)
{
    pFrame->m_dockManager.EnableAutoHideBars(CBRS_ALIGN_ANY);
    auto browse = std::make_unique<DemoPane>();
    if (!browse->CreateIn(pFrame, "Обзор", L"Мои коллекции\r\n  Диски 2003\r\n  Игры", 300,
                          CSize(180, 400), CBRS_LEFT))
        return false;
    pFrame->DockControlBar(browse.get(), 0xE81C);

    auto search = std::make_unique<DemoPane>();
    if (!search->CreateIn(pFrame, "Поиск", L"*.txt: 12 файлов", 301, CSize(180, 200), CBRS_LEFT) ||
        !search->AttachToSlider(browse.get(), ZAVP_DM_MOUSE, CBRS_ALIGN_BOTTOM))
        return false;

    auto props = std::make_unique<DemoPane>();
    if (!props->CreateIn(pFrame, "Свойства", L"Метка: LORNIVAL", 302, CSize(160, 300), CBRS_RIGHT))
        return false;
    pFrame->DockControlBar(props.get(), 0xE81D);
    // Hidden on the right edge's strip at once, as a restored layout would have it.
    if (props->SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, nullptr, FALSE) == nullptr) return false;

    panes.push_back(std::move(browse));
    panes.push_back(std::move(search));
    panes.push_back(std::move(props));
    return true;
}
