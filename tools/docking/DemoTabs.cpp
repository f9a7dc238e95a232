// A tabbed pane for the docking demo (see DemoTabs.h).
#include "DemoTabs.h"

#include "DemoBars.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/CZAVPTabbedControlBar.h"

namespace
{
const UINT kFirstPaneId = 320;
const int kPaneHeight = 130;

// A pane that shows a list of lines.
class DemoListPane : public CZAVPDockingControlBar
{
public:
    BOOL CreateIn(CZAVPFrameWnd* pFrame, const char* lpszUtf8Name, const wchar_t* const* lines,
                  UINT nID)
    {
        if (!Create("", pFrame, CRect(0, 0, 400, kPaneHeight), TRUE, nID,
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_BOTTOM |
                        CBRS_FLOAT_MULTI))
            return FALSE;
        DemoBar::SetUtf8Text(m_hWnd, lpszUtf8Name);
        EnableDocking(CBRS_ALIGN_ANY);
        m_hList = ::CreateWindowExW(0, L"LISTBOX", L"",
                                    WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, 0, 0, 400,
                                    kPaneHeight, m_hWnd, nullptr, nullptr, nullptr);
        ::SendMessageW(m_hList, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
        for (; *lines != nullptr; ++lines) ::SendMessageW(m_hList, LB_ADDSTRING, 0, (LPARAM)*lines);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SIZE && m_hList != nullptr)
            ::MoveWindow(m_hList, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return CZAVPDockingControlBar::WindowProc(message, wParam, lParam);
    }

private:
    HWND m_hList = nullptr;
};

const wchar_t* const kResults[] = {L"X:\\Документы\\отчёт.txt", L"X:\\Игры\\readme.txt",
                                   L"Y:\\Фото\\список.txt", nullptr};
const wchar_t* const kLog[] = {L"Диск «Игры 2003» добавлен", L"База сохранена", nullptr};
const wchar_t* const kStats[] = {L"Дисков: 12", L"Папок: 1 204", L"Файлов: 20 311", nullptr};
}  // namespace

bool AddDemoTabbedPane(CZAVPFrameWnd* pFrame,
                       std::vector<std::unique_ptr<CZAVPDockingControlBar>>& panes)
{
    struct TabPane
    {
        const char* name;
        const wchar_t* const* lines;
    } tabPanes[] = {{"Результаты поиска", kResults}, {"Журнал", kLog}, {"Статистика", kStats}};
    CZAVPDockingControlBar* pFirst = nullptr;
    CZAVPDockingControlBar* pGroup = nullptr;
    UINT nID = kFirstPaneId;
    for (const TabPane& tabPane : tabPanes) {
        auto pane = std::make_unique<DemoListPane>();
        if (!pane->CreateIn(pFrame, tabPane.name, tabPane.lines, nID++)) return false;
        if (pFirst == nullptr) {
            pFrame->DockControlBar(pane.get(), 0xE81E);
            pFirst = pane.get();
        } else if (pane->AttachToTabbedBar(pFirst, ZAVP_DM_MOUSE, TRUE, pGroup) == nullptr) {
            return false;
        }
        panes.push_back(std::move(pane));
    }
    // The first tab in front, as a user would have left it.
    if (pGroup != nullptr && pGroup->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
        static_cast<CZAVPBaseTabbedBar*>(pGroup)->GetTabWnd()->SetActiveTab(0);
    return true;
}
