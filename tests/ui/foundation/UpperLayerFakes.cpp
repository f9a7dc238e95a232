// Test stand-ins of the foundation tests: a recording toolbar (a real toolbar whose state
// operations only log) and a recording user tool.
#include "UpperLayerFakes.h"

#include "framework/CArchive.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/foundation/ZAVPSharedBarData.h"

namespace UpperLayerFakes
{
std::vector<std::string>& CallLog()
{
    static std::vector<std::string> log;
    return log;
}

void Record(const std::string& call) { CallLog().push_back(call); }

std::vector<std::string> CallsStartingWith(const std::string& prefix)
{
    std::vector<std::string> calls;
    for (const std::string& call : CallLog())
        if (call.compare(0, prefix.size(), prefix) == 0) calls.push_back(call);
    return calls;
}

namespace
{
std::string Text(LPCSTR psz) { return psz ? psz : ""; }
}  // namespace

TestToolBar::TestToolBar(const char* lpszName, CWnd* pParent, BOOL bFloating)
    : m_name(lpszName), m_bFloatingForTest(bFloating)
{
    // The toolbar's own creation puts it on the list of all toolbars.
    CWnd::CreateEx(0, nullptr, lpszName, pParent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
                   pParent ? pParent->GetSafeHwnd() : nullptr, nullptr);
}

TestToolBar::~TestToolBar() { DestroyWindow(); }

void TestToolBar::SetCommands(const std::vector<UINT>& commands)
{
    m_commands = commands;
    RemoveAllButtons();
    for (UINT id : commands) InsertButton(new CZAVPToolbarButton(id, -1, nullptr, FALSE, TRUE));
}

BOOL TestToolBar::LoadState(LPCSTR lpszProfileName, int, UINT)
{
    Record(m_name + ".LoadState(" + Text(lpszProfileName) + ")");
    m_bResourceWasChanged = m_bAddsMissingButtons;
    return TRUE;
}

BOOL TestToolBar::SaveState(LPCSTR lpszProfileName, int, UINT)
{
    Record(m_name + ".SaveState(" + Text(lpszProfileName) + ")");
    return TRUE;
}

void TestToolBar::ResetAllImages() { Record(m_name + ".ResetAllImages"); }

BOOL TestToolBar::RemoveButton(int iIndex)
{
    if (!CZAVPToolBar::RemoveButton(iIndex)) return FALSE;
    m_commands.erase(m_commands.begin() + iIndex);
    return TRUE;
}

void TestToolBar::AdjustLayout() { Record(m_name + ".AdjustLayout"); }

void TestToolBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (DWORD)m_commands.size();
        for (UINT id : m_commands) ar << (DWORD)id;
        return;
    }
    DWORD n = 0;
    ar >> n;
    std::vector<UINT> commands;
    for (DWORD i = 0; i < n; ++i) {
        DWORD id = 0;
        ar >> id;
        commands.push_back(id);
    }
    SetCommands(commands);
}
}  // namespace UpperLayerFakes

using UpperLayerFakes::Record;

IMPLEMENT_DYNCREATE(RecordingUserTool, CZAVPUserTool)

BOOL RecordingUserTool::Invoke()
{
    Record("UserTool::Invoke(" + std::to_string(m_uiCmdId) + ")");
    return TRUE;
}
