// Recording stand-ins for the tests of the workspace's load and save: a real toolbar and a user
// tool whose state operations record what was asked of them in one call log, in call order, so
// tests can compare the order of a load or save with the expected one.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPUserTool.h"

namespace UpperLayerFakes
{
// Every recorded call, as "who.what(argument)".
std::vector<std::string>& CallLog();
void Record(const std::string& call);
// The calls whose text starts with the prefix, in order.
std::vector<std::string> CallsStartingWith(const std::string& prefix);

// A real toolbar with a window of its own and a name for the log; its state operations only
// record that they ran, and its archive is just its list of commands.
class TestToolBar : public CZAVPToolBar
{
public:
    TestToolBar(const char* lpszName, CWnd* pParent, BOOL bFloating = FALSE);
    ~TestToolBar() override;

    BOOL LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID) override;
    BOOL SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID) override;
    void ResetAllImages() override;
    BOOL RemoveButton(int iIndex) override;
    void AdjustLayout() override;
    BOOL IsFloating() const override { return m_bFloatingForTest; }
    void Serialize(CArchive& ar) override;

    std::string m_name;
    // Replaces the bar's buttons with one (locked, imageless) button per command.
    void SetCommands(const std::vector<UINT>& commands);

    std::vector<UINT> m_commands;  // button commands, by index, as the bar holds them
    BOOL m_bAddsMissingButtons = FALSE;
    BOOL m_bFloatingForTest;
};
}  // namespace UpperLayerFakes

// A user tool that records its runs ("UserTool::Invoke(id)") instead of starting a program.
class RecordingUserTool : public CZAVPUserTool
{
    DECLARE_DYNCREATE(RecordingUserTool)
public:
    BOOL Invoke() override;
};
