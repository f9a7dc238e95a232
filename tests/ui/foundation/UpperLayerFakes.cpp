// Test stand-ins for the classes above the foundation (see UpperLayerFakes.h). Each definition
// here takes the place of the real one in the test programs, which link the foundation alone.
#include "UpperLayerFakes.h"

#include "framework/CArchive.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPDialog.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPPropertyPage.h"

namespace UpperLayerFakes
{
std::vector<std::string>& CallLog()
{
    static std::vector<std::string> log;
    return log;
}

void Record(const std::string& call)
{
    CallLog().push_back(call);
}

std::vector<std::string> CallsStartingWith(const std::string& prefix)
{
    std::vector<std::string> calls;
    for (const std::string& call : CallLog())
        if (call.compare(0, prefix.size(), prefix) == 0)
            calls.push_back(call);
    return calls;
}

namespace
{
std::string Text(LPCSTR psz)
{
    return psz ? psz : "";
}
}  // namespace

TestToolBar::TestToolBar(const char* lpszName, CWnd* pParent, BOOL bFloating)
    : m_name(lpszName), m_bFloatingForTest(bFloating)
{
    CreateEx(0, nullptr, lpszName, pParent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
             pParent ? pParent->GetSafeHwnd() : nullptr, nullptr);
    ZAVPSharedBarData::AllToolbars().AddTail(this);
}

TestToolBar::~TestToolBar()
{
    CObList& list = ZAVPSharedBarData::AllToolbars();
    if (POSITION pos = list.Find(this))
        list.RemoveAt(pos);
    DestroyWindow();
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

void TestToolBar::ResetAllImages()
{
    Record(m_name + ".ResetAllImages");
}

BOOL TestToolBar::RemoveButton(int iIndex)
{
    if (iIndex < 0 || iIndex >= (int)m_commands.size())
        return FALSE;
    m_commands.erase(m_commands.begin() + iIndex);
    return TRUE;
}

void TestToolBar::AdjustLayout()
{
    Record(m_name + ".AdjustLayout");
}

void TestToolBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_commands.size();
        for (UINT id : m_commands)
            ar << (DWORD)id;
        return;
    }
    DWORD n = 0;
    ar >> n;
    std::vector<UINT> commands;
    for (DWORD i = 0; i < n; ++i)
    {
        DWORD id = 0;
        ar >> id;
        commands.push_back(id);
    }
    m_commands = commands;
}
}  // namespace UpperLayerFakes

using UpperLayerFakes::Record;

IMPLEMENT_DYNCREATE(RecordingUserTool, CZAVPUserTool)

BOOL RecordingUserTool::Invoke()
{
    Record("UserTool::Invoke(" + std::to_string(m_uiCmdId) + ")");
    return TRUE;
}

// ---- toolbars
IMPLEMENT_DYNAMIC(CZAVPBaseToolBar, CZAVPControlBar)
IMPLEMENT_DYNAMIC(CZAVPToolBar, CZAVPBaseToolBar)

void CZAVPToolBar::OnGlobalFontsChanged() {}
BOOL CZAVPToolBar::Create(CWnd*, DWORD, UINT) { return FALSE; }
void CZAVPToolBar::ResetAllImages() {}
BOOL CZAVPToolBar::RemoveButton(int) { return FALSE; }
void CZAVPToolBar::AdjustLayout() {}
BOOL CZAVPToolBar::LoadState(LPCSTR, int, UINT) { return FALSE; }
BOOL CZAVPToolBar::SaveState(LPCSTR, int, UINT) { return FALSE; }

int CZAVPToolBar::GetCount() const
{
    return (int)static_cast<const UpperLayerFakes::TestToolBar*>(this)->m_commands.size();
}

int CZAVPToolBar::CommandToIndex(UINT nIDFind, int iIndexFirst) const
{
    const auto& commands = static_cast<const UpperLayerFakes::TestToolBar*>(this)->m_commands;
    for (int i = iIndexFirst < 0 ? 0 : iIndexFirst; i < (int)commands.size(); ++i)
        if (commands[(size_t)i] == nIDFind)
            return i;
    return -1;
}


// ---- popup menus, dialogs, pages
IMPLEMENT_SERIAL(CZAVPPopupMenuBar, CZAVPToolBar, 1)
CZAVPPopupMenuBar::CZAVPPopupMenuBar() {}
CZAVPPopupMenuBar::~CZAVPPopupMenuBar() {}
BOOL CZAVPPopupMenuBar::ImportFromMenu(HMENU, BOOL) { return TRUE; }
HMENU CZAVPPopupMenuBar::ExportToMenu() const { return nullptr; }

IMPLEMENT_SERIAL(CZAVPPopupMenu, CMiniFrameWnd, VERSIONABLE_SCHEMA | 1)
CZAVPPopupMenu* CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
CZAVPPopupMenu::CZAVPPopupMenu()
    : m_bAutoDestroyParent(TRUE), m_bAutoDestroy(TRUE), m_bTrackMode(FALSE), m_bRightAlign(FALSE),
      m_hMenu(nullptr), m_pParentBtn(nullptr)
{
}
CZAVPPopupMenu::~CZAVPPopupMenu() {}
BOOL CZAVPPopupMenu::Create(CWnd*, int x, int y, HMENU, BOOL, BOOL bOwnMessage)
{
    Record("PopupMenu::Create(" + std::to_string(x) + "," + std::to_string(y) +
           (bOwnMessage ? ",own" : "") + (m_bTrackMode ? ",track" : "") + ")");
    return FALSE;
}
CZAVPPopupMenuBar* CZAVPPopupMenu::GetMenuBar() { return nullptr; }

IMPLEMENT_DYNAMIC(CZAVPDialog, CDialog)
void CZAVPDialog::SetActiveMenu(CZAVPPopupMenu*) {}
IMPLEMENT_DYNAMIC(CZAVPPropertyPage, CPropertyPage)
void CZAVPPropertyPage::SetActiveMenu(CZAVPPopupMenu*) {}
