// The classes the drawing code and the input managers test objects against whose run-time class
// records the library does not have yet (their Parts come later): one list, so every name is
// written once. A test by one of these names compiles only with a name from this list. When a
// class gets its record, its entry goes and its tests use RUNTIME_CLASS.
#pragma once

// A class name that ZAVPIsKindOf accepts; a bare string does not convert to it.
struct ZAVPClassName
{
    explicit constexpr ZAVPClassName(const char* lpszName) : m_lpszName(lpszName) {}
    const char* m_lpszName;
};

namespace ZAVPClassNames
{
// Declared in ui/, with records that only the tests' stand-ins define so far.
constexpr ZAVPClassName CZAVPBaseToolBar{"CZAVPBaseToolBar"};
constexpr ZAVPClassName CZAVPDialog{"CZAVPDialog"};
constexpr ZAVPClassName CZAVPPopupMenu{"CZAVPPopupMenu"};
constexpr ZAVPClassName CZAVPPopupMenuBar{"CZAVPPopupMenuBar"};
constexpr ZAVPClassName CZAVPPropertyPage{"CZAVPPropertyPage"};
constexpr ZAVPClassName CZAVPToolBar{"CZAVPToolBar"};

// Has its record, but is tested by name: a test through the record would pull the frame, and with
// it the workspace and every toolbar, into each program that only draws or reads keys.
constexpr ZAVPClassName CZAVPFrameWnd{"CZAVPFrameWnd"};

// Declared in ui/, with no record anywhere yet.
constexpr ZAVPClassName CCustomizeButton{"CCustomizeButton"};
constexpr ZAVPClassName CZAVPCalendarButton{"CZAVPCalendarButton"};
constexpr ZAVPClassName CZAVPCaptionBar{"CZAVPCaptionBar"};
constexpr ZAVPClassName CZAVPOutlookBarPane{"CZAVPOutlookBarPane"};
constexpr ZAVPClassName CZAVPToolbarMenuButton{"CZAVPToolbarMenuButton"};

// Not declared yet.
constexpr ZAVPClassName CMultiDocTemplate{"CMultiDocTemplate"};
constexpr ZAVPClassName CZAVPAutoHideDockBar{"CZAVPAutoHideDockBar"};
constexpr ZAVPClassName CZAVPCalendarBar{"CZAVPCalendarBar"};
constexpr ZAVPClassName CZAVPColorBar{"CZAVPColorBar"};
constexpr ZAVPClassName CZAVPDockingControlBar{"CZAVPDockingControlBar"};
constexpr ZAVPClassName CZAVPMDIChildWnd{"CZAVPMDIChildWnd"};
constexpr ZAVPClassName CZAVPMenuBar{"CZAVPMenuBar"};
constexpr ZAVPClassName CZAVPOutlookButton{"CZAVPOutlookButton"};
constexpr ZAVPClassName CZAVPReBar{"CZAVPReBar"};
constexpr ZAVPClassName CZAVPShowAllButton{"CZAVPShowAllButton"};
constexpr ZAVPClassName CZAVPStatusBar{"CZAVPStatusBar"};
constexpr ZAVPClassName CZAVPTabWnd{"CZAVPTabWnd"};
constexpr ZAVPClassName CZAVPTabbedToolbar{"CZAVPTabbedToolbar"};
constexpr ZAVPClassName CZAVPTaskPaneMiniFrameWnd{"CZAVPTaskPaneMiniFrameWnd"};
}  // namespace ZAVPClassNames
