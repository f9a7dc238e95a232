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

// The customisation sheet, its pages and dialogs
#define IDS_ZAVP_NEED_IMAGE 16001         // "Необходимо выбрать иконку!"
#define IDS_ZAVP_NEED_TEXT 16002          // "Необходимо ввести текст!"
#define IDS_ZAVP_CANT_CREATE_IMAGE 16003  // a new user image could not be made
#define IDS_ZAVP_CANT_PASTE_IMAGE 16004   // the clipboard gave no picture
#define IDS_ZAVP_NO_MENU_CUSTOMIZE 16007  // the menu page without a menu bar
#define IDS_ZAVP_IMAGE_FAILURE 16008      // an image operation failed inside the framework
#define IDS_ZAVP_UNASSIGNED_KEY 16009     // "[Несвязан]"
#define IDS_ZAVP_NEW_MENU 16014           // prototype and category of a new, empty menu
#define IDS_ZAVP_EDIT_LIST_NEW 16017      // tooltips of the edit-list caption buttons
#define IDS_ZAVP_EDIT_LIST_DELETE 16020
#define IDS_ZAVP_EDIT_LIST_UP 16021
#define IDS_ZAVP_EDIT_LIST_DOWN 16022
#define IDS_ZAVP_TOOLS_FILTER 16023     // the file dialog's filter of the user-tools page
#define IDS_ZAVP_TOO_MANY_TOOLS 16024   // "%d": how many tools there may be
#define IDS_ZAVP_CUSTOMIZE 16103        // the sheet's title
#define IDS_ZAVP_CUSTOMIZE_CLOSE 16105  // shares "Закрыть" with the mini frames
#define IDS_ZAVP_DEFAULT_MENU 16106     // "Первоначальное меню"
#define IDS_ZAVP_DEFAULT_MENU_HINT 16107
#define IDS_ZAVP_CONTEXT_MENU_NONE 16108  // the row of dashes before the context menus
#define IDS_ZAVP_DELETE_TOOLBAR_PROMPT 16109
#define IDS_ZAVP_ALL_COMMANDS 16110  // "Все Команды"
#define IDS_ZAVP_RESET_ALL_TOOLBARS 16112
#define IDS_ZAVP_RESET_MENU_PROMPT 16113    // "%s": the menu
#define IDS_ZAVP_DEFAULT_ACCEL_OWNER 16114  // "По умолчанию"
#define IDS_ZAVP_RESET_KEYBOARD 16115
#define IDS_ZAVP_RESET_USAGE 16244  // the options page's reset of the usage data

#define IDD_ZAVP_CUSTOMIZE_COMMANDS 16104  // "Команды"
#define IDD_ZAVP_CUSTOMIZE_TOOLBARS 16105  // "Панели инструментов"
#define IDD_ZAVP_TOOLBAR_NAME 16130    // "Название панели инструментов"
#define IDB_ZAVP_CUSTOMIZE_HELP 16131  // the Help button's picture
#define IDD_ZAVP_BUTTON_APPEARANCE 16132   // "Свойства кнопки"
#define IDD_ZAVP_ICON_EDITOR 16133         // "Изменение иконки"
#define IDD_ZAVP_CUSTOMIZE_MENU 16134      // "Меню"
#define IDD_ZAVP_CUSTOMIZE_MOUSE 16135     // "Мышь"
#define IDD_ZAVP_CUSTOMIZE_KEYBOARD 16136  // "Клавиатура"
#define IDD_ZAVP_CUSTOMIZE_OPTIONS 16137   // "Параметры"
#define IDR_ZAVP_ICON_TOOLS 16138          // the icon editor's palette (16 x 15)
#define IDD_ZAVP_CUSTOMIZE_TOOLS 16928     // "Утилиты"
#define IDB_ZAVP_EDIT_LIST_NEW 16929       // the edit-list caption buttons
#define IDB_ZAVP_EDIT_LIST_DELETE 16930
#define IDB_ZAVP_EDIT_LIST_UP 16931
#define IDB_ZAVP_EDIT_LIST_DOWN 16932
#define IDC_ZAVP_ICON_RECT 16140  // the icon editor's tool cursors
#define IDC_ZAVP_ICON_ELLIPSE 16141
#define IDC_ZAVP_ICON_FILL 16142
#define IDC_ZAVP_ICON_LINE 16143
#define IDC_ZAVP_ICON_PENCIL 16144
#define IDC_ZAVP_ICON_PICK 16145
#define ID_ZAVP_ICON_FILL 16901  // the palette's commands
#define ID_ZAVP_ICON_PENCIL 16902
#define ID_ZAVP_ICON_PICK 16903
#define ID_ZAVP_ICON_LINE 16904
#define ID_ZAVP_ICON_RECT 16905
#define ID_ZAVP_ICON_ELLIPSE 16906
#define ID_ZAVP_ICON_COPY 16907
#define ID_ZAVP_ICON_PASTE 16908
#define ID_ZAVP_ICON_CLEAR 16909

// Controls of the customisation pages and dialogs (ids shared between templates where the same
// kind of control stands in the same place)
#define IDC_ZAVP_TEXT 16500  // button appearance: the text
#define IDC_ZAVP_SHOW_IMAGE 16505
#define IDC_ZAVP_SHOW_TEXT 16506
#define IDC_ZAVP_SHOW_IMAGE_AND_TEXT 16507
#define IDC_ZAVP_USER_IMAGES 16508
#define IDC_ZAVP_NEW_IMAGE 16509
#define IDC_ZAVP_EDIT_IMAGE 16510
#define IDC_ZAVP_PAINT_AREA 16513    // icon editor
#define IDC_ZAVP_DESCRIPTION 16514   // keyboard and mouse pages
#define IDC_ZAVP_COLOR_AREA 16516    // icon editor's colours; the name dialog's edit
#define IDC_ZAVP_PREVIEW_AREA 16519  // icon editor; the menu page's hint
#define IDC_ZAVP_CONTEXT_MENU_GROUP 16520
#define IDC_ZAVP_ACCEL_ICON 16526
#define IDC_ZAVP_ASSIGNED_TO 16527
#define IDC_ZAVP_ASSIGNED_LABEL 16528
#define IDC_ZAVP_USER_IMAGE_RADIO 16529
#define IDC_ZAVP_DEFAULT_IMAGE_RADIO 16530
#define IDC_ZAVP_DEFAULT_IMAGE 16531
#define IDC_ZAVP_TOOL_AREA 16533
#define IDC_ZAVP_MENU_OPTIONS_LABEL 16538
#define IDC_ZAVP_MENU_OPTIONS_LINE 16539
#define IDC_ZAVP_ANIMATION_LABEL 16543
#define IDC_ZAVP_CATEGORIES 16601
#define IDC_ZAVP_COMMANDS 16602
#define IDC_ZAVP_COMMAND_DESCRIPTION 16603
#define IDC_ZAVP_TOOLBAR_LIST 16611
#define IDC_ZAVP_TEXT_LABELS 16612
#define IDC_ZAVP_RESET_TOOLBAR 16613
#define IDC_ZAVP_RESET_ALL_TOOLBARS 16614
#define IDC_ZAVP_NEW_TOOLBAR 16615
#define IDC_ZAVP_RENAME_TOOLBAR 16616
#define IDC_ZAVP_DELETE_TOOLBAR 16617
#define IDC_ZAVP_MENU_LIST 16621
#define IDC_ZAVP_CONTEXT_MENU_LIST 16622
#define IDC_ZAVP_RESET_CONTEXT_MENU 16623
#define IDC_ZAVP_RESET_MENU 16624
#define IDC_ZAVP_MENU_ANIMATION 16625
#define IDC_ZAVP_MENU_SHADOWS 16626
#define IDC_ZAVP_VIEWS 16631
#define IDC_ZAVP_NO_DBLCLICK 16632
#define IDC_ZAVP_USE_DBLCLICK 16633
#define IDC_ZAVP_DBLCLICK_COMMANDS 16634
#define IDC_ZAVP_KEY_COMMANDS 16641
#define IDC_ZAVP_ACCEL_OWNER 16642
#define IDC_ZAVP_CURRENT_KEYS 16643
#define IDC_ZAVP_NEW_KEY 16644
#define IDC_ZAVP_ASSIGN_KEY 16645
#define IDC_ZAVP_REMOVE_KEY 16646
#define IDC_ZAVP_RESET_KEYS 16647
#define IDC_ZAVP_SHOW_TOOLTIPS 16651
#define IDC_ZAVP_SHOW_SHORTCUTS 16652
#define IDC_ZAVP_LARGE_ICONS 16653
#define IDC_ZAVP_LOOK_2000 16654
#define IDC_ZAVP_RECENT_MENUS 16655
#define IDC_ZAVP_MENUS_AFTER_DELAY 16656
#define IDC_ZAVP_RESET_USAGE 16657
#define IDC_ZAVP_TOOLS_LIST 16921
#define IDC_ZAVP_TOOL_COMMAND 16922
#define IDC_ZAVP_TOOL_BROWSE 16923
#define IDC_ZAVP_TOOL_ARGUMENTS 16924
#define IDC_ZAVP_TOOL_DIRECTORY 16925
#define IDC_ZAVP_TOOL_ARGUMENTS_MENU 16989
#define IDC_ZAVP_TOOL_DIRECTORY_MENU 16997
#define IDC_ZAVP_LOOK_OPTIONS 17001
