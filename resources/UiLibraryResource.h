// Resource ids of the UI library's own resources (16000 and up).
#pragma once

// Bitmaps
#define IDB_ZAVP_MENU_IMAGES 16129  // 9 x 9 menu glyphs, black on magenta

#define IDB_ZAVP_CALENDAR_IMAGES 17014  // 50 x 10, 16 colours: navigate arrows 0-3, today 4

#define IDB_ZAVP_TASKS_PANE_NAVIGATION 17019  // 48 x 12, 16 colours: Back, Forward, Home, Close

// The print preview's toolbar and its strip (128 x 16, 16 colours): print, next, previous, one
// page, zoom in, zoom out, close, and two pages on the placeholder button.
#define IDR_ZAVP_PRINT_PREVIEW 0x4240
#define ID_ZAVP_PREVIEW_TWO_PAGES 0x423F  // carries the two-pages image only

// The colour dialog and its pages
#define IDD_ZAVP_COLOR_DIALOG 16961         // "Цвета"
#define IDD_ZAVP_COLOR_PAGE_STANDARD 16962  // "Стандартный": honeycomb and greys
#define IDD_ZAVP_COLOR_PAGE_CUSTOM 16963    // "Другой": hue/saturation, luminance, fields
#define IDC_ZAVP_COLOR_SWATCH 16662         // the dialog's swatch; the custom page's field
#define IDC_ZAVP_COLOR_RED 16964
#define IDC_ZAVP_COLOR_GREEN 16965
#define IDC_ZAVP_COLOR_BLUE 16966
#define IDC_ZAVP_COLOR_LUMINANCE 16967
#define IDC_ZAVP_COLOR_SATURATION 16968
#define IDC_ZAVP_COLOR_HUE 16969
#define IDC_ZAVP_COLOR_PLACEHOLDER 16970
#define IDC_ZAVP_COLOR_GREYS 16972
#define IDC_ZAVP_COLOR_LUMINANCE_BAR 16973
#define IDC_ZAVP_COLOR_HEXAGONS 16974
#define IDC_ZAVP_COLOR_RED_SPIN 16976
#define IDC_ZAVP_COLOR_GREEN_SPIN 16977
#define IDC_ZAVP_COLOR_BLUE_SPIN 16978
#define IDC_ZAVP_COLOR_LUMINANCE_SPIN 16979
#define IDC_ZAVP_COLOR_SATURATION_SPIN 16980
#define IDC_ZAVP_COLOR_HUE_SPIN 16981

// Cursors
#define IDC_ZAVP_PANE_HAND 16919    // hand over the page buttons of panes
#define IDC_ZAVP_SPLIT_HORZ 30980   // left-right split: sliders between side-by-side panes
#define IDC_ZAVP_SPLIT_VERT 30981   // up-down split: sliders between stacked panes
#define IDC_ZAVP_DRAG_DELETE 16133  // a dragged toolbar button would be removed
#define IDC_ZAVP_DRAG_MOVE 16146    // it would move
#define IDC_ZAVP_DRAG_COPY 16004    // it would be copied

// Icons
#define IDI_ZAVP_USER_TOOL 16931        // default icon of a user tool
#define IDS_ZAVP_MENU_BAR_NAME 16006    // the menu bar's window text
#define IDS_ZAVP_CANT_COPY_IMAGE 16010  // a picture could not go to the clipboard
#define IDS_ZAVP_SHOW_ALL_TIP 16025     // tooltip of the show-all menu item, "%s" the key
#define IDS_ZAVP_TEAR_OFF_TIP 16028     // tooltip of a menu's tear-off strip
// Tooltips of the caption buttons of docking panes
#define IDS_ZAVP_CLOSE_PANE 16032     // the close button
#define IDS_ZAVP_AUTOHIDE_PANE 16033  // the pin
#define IDS_ZAVP_AUTOHIDE_ALL 16036   // the pin with Ctrl: the whole side
// Tooltips of a tab window's scroll buttons (its close button shares IDS_ZAVP_CLOSE_PANE)
#define IDS_ZAVP_SCROLL_LEFT 16034   // "Прокрутка Влево"
#define IDS_ZAVP_SCROLL_RIGHT 16035  // "Прокрутка Вправо"

// Mini frame caption-button tooltips
#define IDS_ZAVP_MINIFRAME_CLOSE 16105  // "Закрыть"
#define IDS_ZAVP_TOOLBAR_OPTIONS 17017  // the floating toolbar's options button

// The toolbar options menu and its list of a toolbar's buttons
#define IDS_ZAVP_UNNAMED_TOOLBAR 16104       // a toolbar without a name
#define IDS_ZAVP_RESET_TOOLBAR_PROMPT 16111  // "%s": the toolbar going back to its defaults
#define IDS_ZAVP_TOO_MANY_TOOLBARS 16243     // "%d": how many user toolbars there may be
#define IDS_ZAVP_RESET_TOOLBAR 16300         // the list's last item: back to the toolbar's defaults
#define IDS_ZAVP_ADD_REMOVE_BUTTONS 17018
#define IDS_ZAVP_MORE_BUTTONS 16026   // the customize button's own text
#define IDS_ZAVP_SHOW_ONE_ROW 17027   // a pair of toolbars goes onto one row
#define IDS_ZAVP_SHOW_TWO_ROWS 17028  // and back onto two

// The button context menu of customisation mode and its commands
#define IDR_ZAVP_BUTTON_MENU 16102
#define ID_ZAVP_BUTTON_RESET 16910
#define ID_ZAVP_BUTTON_COPY_IMAGE 16911
#define ID_ZAVP_BUTTON_DELETE 16912
#define ID_ZAVP_BUTTON_APPEARANCE 16913
#define ID_ZAVP_BUTTON_IMAGE 16914
#define ID_ZAVP_BUTTON_TEXT 16915
#define ID_ZAVP_BUTTON_IMAGE_AND_TEXT 16916
#define ID_ZAVP_BUTTON_BEGIN_GROUP 16917
#define ID_ZAVP_BUTTON_NEW 16918  // no menu item: a new button at the selection

// The tasks pane: its default caption and the navigation (tooltips and toolbar texts)
#define IDS_ZAVP_TASKS_PANE 17019
#define IDS_ZAVP_TASKS_BACK 17020
#define IDS_ZAVP_TASKS_FORWARD 17021
#define IDS_ZAVP_TASKS_HOME 17022
#define IDS_ZAVP_TASKS_CLOSE 17023
#define IDS_ZAVP_TASKS_OTHER 17024
