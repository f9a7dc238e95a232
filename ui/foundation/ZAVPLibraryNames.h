// Registry section and value names of the UI library, in one place: every state routine of the
// library takes its key and value names from here, so stored layouts stay readable across versions.
#pragma once

namespace ZAVPLibraryNames
{
// Workspace (the root of all UI state).
inline constexpr char kWorkspaceSection[] = "ZAVWorkspace";
inline constexpr char kDockStateSuffix[] = "\\ControlBars";  // appended to the workspace path
inline constexpr char kWindowPlacementSection[] = "WindowPlacement";
inline constexpr char kMainWindowRect[] = "MainWindowRect";
inline constexpr char kPlacementFlags[] = "Flags";
inline constexpr char kPlacementShowCmd[] = "ShowCmd";
inline constexpr char kVersionSection[] = "ZAVControlBarVersion";
inline constexpr char kVersionMajor[] = "Major";
inline constexpr char kVersionMinor[] = "Minor";

// Font faces of the global data block.
inline constexpr char kFaceTahoma[] = "Tahoma";
inline constexpr char kFaceMsSansSerif[] = "MS Sans Serif";
inline constexpr char kFaceArial[] = "Arial";
inline constexpr char kFaceMarlett[] = "Marlett";

// Bars, toolbars and their managers.
inline constexpr char kToolBarsSection[] = "ZAVToolBars";
inline constexpr char kCommandManagerSection[] = "ZAVToolBars";
inline constexpr char kTearOffBarsSection[] = "ControlBars-TearOff";
inline constexpr char kControlBarsSection[] = "ZAVControlBars";
inline constexpr char kDockingWrapperSection[] = "ZAVControlBars";
inline constexpr char kBaseControlBarsSection[] = "ZAVPBaseControlBars";
inline constexpr char kDockManagersSection[] = "ZAVPDockManagers";
inline constexpr char kMenuBarSection[] = "ZAVMenuBar";

// Input managers and small services.
inline constexpr char kUserToolsSection[] = "ZAVUserToolsManager";
inline constexpr char kUserToolsValue[] = "Tools";
inline constexpr char kContextMenuSection[] = "ZAVContextMenuManager";
inline constexpr char kMouseSection[] = "ZAVMouseManager";
inline constexpr char kMouseValue[] = "Mouse";
inline constexpr char kKeyboardSection[] = "ZAVPKeyboardManager";
inline constexpr char kKeyboardKeyFormat[] = "%sZAVKeyboard-%d";
inline constexpr char kAcceleratorsValue[] = "Accelerators";
inline constexpr char kRebarKeyFormat[] = "ZAVRebar-%ld";
inline constexpr char kRebarBandsValue[] = "RBI";
inline constexpr char kRebarIdsValue[] = "IDs";

// Panes and pickers.
inline constexpr char kOutlookBarsSection[] = "ZAVPOutlookBars";
inline constexpr char kOutlookCustomPagesSection[] = "ZAVPOutlookCustomPages";
inline constexpr char kTasksPanesSection[] = "ZAVPTasksPanes";

// The two strings of the toolbar buttons: an empty text, and the two bytes 1, 1.
inline constexpr char kEmptyText[] = "";
inline constexpr char kDoubleMarkText[] = "\x01\x01";
}  // namespace ZAVPLibraryNames
