// The library's serialisable classes (see the header).
#include "ui/foundation/ZAVPSerialClasses.h"

#include "ui/docking/CZAVPDockingCBWrapper.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPTabbedControlBar.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/panes/CCalendarMonthButton.h"
#include "ui/panes/CCalendarNavigateButton.h"
#include "ui/panes/CCalendarTodayButton.h"
#include "ui/panes/CCalendarWeekButton.h"
#include "ui/panes/CCalendarWeekNumButton.h"
#include "ui/panes/CColorButton.h"
#include "ui/panes/CTasksPaneMenuButton.h"
#include "ui/panes/CTasksPaneNavigateButton.h"
#include "ui/panes/CTasksPaneToolBar.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/CZAVPCalendarButton.h"
#include "ui/panes/CZAVPCalendarMenuButton.h"
#include "ui/panes/CZAVPCaptionBar.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/panes/CZAVPColorMenuButton.h"
#include "ui/panes/CZAVPOutlookBar.h"
#include "ui/panes/CZAVPOutlookBarDockingPane.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/panes/CZAVPOutlookButton.h"
#include "ui/panes/CZAVPTaskPaneMiniFrameWnd.h"
#include "ui/panes/CZAVPTasksPane.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPDropDownFrame.h"
#include "ui/toolbars/CZAVPDropDownToolBar.h"
#include "ui/toolbars/CZAVPDropDownToolbarButton.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPTabbedToolbar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarComboBoxButton.h"
#include "ui/toolbars/CZAVPToolbarEditBoxButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/CZAVPToolbarSystemMenuButton.h"
#include "ui/toolbars/CZAVPUserTool.h"

namespace ZAVPSerialClasses
{
void RegisterAll()
{
    static BOOL s_bDone = FALSE;
    if (s_bDone) return;
    s_bDone = TRUE;
    // The order in which the library has always registered them, the caption bar added last.
    CRuntimeClass* classes[] = {
        RUNTIME_CLASS(CZAVPTabbedControlBar),
        RUNTIME_CLASS(CZAVPDockingControlBar),
        RUNTIME_CLASS(CZAVPMouseManager),
        RUNTIME_CLASS(CZAVPToolbarButton),
        RUNTIME_CLASS(CZAVPMiniFrameWnd),
        RUNTIME_CLASS(CZAVPPopupMenu),
        RUNTIME_CLASS(CZAVPToolbarMenuButton),
        RUNTIME_CLASS(CZAVPDropDownToolBar),
        RUNTIME_CLASS(CZAVPDropDownFrame),
        RUNTIME_CLASS(CZAVPDropDownToolbarButton),
        RUNTIME_CLASS(CZAVPUserTool),
        RUNTIME_CLASS(CZAVPToolbarSystemMenuButton),
        RUNTIME_CLASS(CCustomizeButton),
        RUNTIME_CLASS(CZAVPMenuBar),
        RUNTIME_CLASS(CZAVPPopupMenuBar),
        RUNTIME_CLASS(CZAVPDockingCBWrapper),
        RUNTIME_CLASS(CZAVPMultiMiniFrameWnd),
        RUNTIME_CLASS(CZAVPOutlookBar),
        RUNTIME_CLASS(CZAVPTabbedToolbar),
        RUNTIME_CLASS(CZAVPOutlookButton),
        RUNTIME_CLASS(CCalendarWeekButton),
        RUNTIME_CLASS(CCalendarWeekNumButton),
        RUNTIME_CLASS(CCalendarTodayButton),
        RUNTIME_CLASS(CCalendarNavigateButton),
        RUNTIME_CLASS(CCalendarMonthButton),
        RUNTIME_CLASS(CZAVPCalendarBar),
        RUNTIME_CLASS(CZAVPCalendarButton),
        RUNTIME_CLASS(CZAVPOutlookBarPane),
        RUNTIME_CLASS(CColorButton),
        RUNTIME_CLASS(CZAVPColorBar),
        RUNTIME_CLASS(CZAVPToolbarComboBoxButton),
        RUNTIME_CLASS(CZAVPOutlookBarDockingPane),
        RUNTIME_CLASS(CZAVPCalendarMenuButton),
        RUNTIME_CLASS(CZAVPColorMenuButton),
        RUNTIME_CLASS(CZAVPToolbarEditBoxButton),
        RUNTIME_CLASS(CZAVPTaskPaneMiniFrameWnd),
        RUNTIME_CLASS(CTasksPaneNavigateButton),
        RUNTIME_CLASS(CTasksPaneMenuButton),
        RUNTIME_CLASS(CTasksPaneToolBar),
        RUNTIME_CLASS(CZAVPTasksPane),
        RUNTIME_CLASS(CZAVPCaptionBar),
    };
    for (CRuntimeClass* pClass : classes) AfxClassInit(pClass);
}
}  // namespace ZAVPSerialClasses
