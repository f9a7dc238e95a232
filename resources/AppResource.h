// Resource identifiers of the catalogue application: strings, dialogs and their controls, icons,
// the splash picture and its strip. The UI library keeps its own ids from 16000 upward.
#pragma once

// Strings
#define IDS_LOADING_DATABASE 130    // splash status while the database loads
#define IDS_DEFAULT_COLLECTION 131  // name of the collection (and of its database file)
#define IDS_NEW_FOLDER 132          // name of a freshly created user folder
#define IDS_DATABASE_EXTENSION 133  // appended to a collection's name to name its file
#define IDS_NEW_ITEM 134            // name of a disc whose volume has no label
#define IDS_REGISTRY_KEY 129        // the registry key under HKCU\Software
#define IDS_CONFIRM_DELETE 50000
#define IDS_DATABASE_LOAD_ERROR 51000
#define IDS_ADD_DISC_ERROR 51001
#define IDS_DATABASE_SAVE_ERROR 51104  // a save failed; the old file is kept
#define IDS_DATABASE_NOT_OVERWRITTEN                                                               \
    51105                           // the file was unreadable at start-up, so it is not saved over
#define IDS_FOLDERS_TOO_DEEP 51106  // a folder or disc would pass the deepest level (%d)

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_ADD_DISC_PROGRESS 133
#define IDD_SEARCH 143
#define IDD_SETTINGS 153
#define IDD_STATISTICS 165
#define IDD_SAVE_DATABASE 167

// Controls
#define IDC_FOLDERS_ADDED 1004     // add-disc progress: folder count
#define IDC_FILES_ADDED 1005       // add-disc progress: file count
#define IDC_ADD_DISC_DONE 1011     // add-disc progress: "finished" text
#define IDC_ADD_DISC_RUNNING 1012  // add-disc progress: "working" text
#define IDC_SEARCH_TEXT 1013
#define IDC_SEARCH_RESULTS 1017
#define IDC_FOUND_COUNT 1020
#define IDC_ABOUT_HOMEPAGE 1022
#define IDC_ABOUT_PRODUCT 1025
#define IDC_CDROM_DRIVES 1032
#define IDC_ABOUT_EMAIL 1034
#define IDC_RECURSION_LIMIT_ON 1035
#define IDC_RECURSION_LIMIT 1036
#define IDC_STATISTICS_TEXT 1046
#define IDC_STATIC_VERSION 1050
#define IDC_SAVE_PROGRESS 1051

// Icons (16x16 and 32x32 images in each)
#define IDI_APPLICATION_MAIN 128  // the program's icon, also shown in the About box
#define IDI_DISC 133
#define IDI_FOLDER_CLOSED 134
#define IDI_FOLDER_OPEN 135
#define IDI_GENERIC_FILE 141  // stands in when the shell's file icon cannot be loaded

// Splash window pictures
#define IDB_SPLASH_STRIP 147    // 398x7 strip that scrolls under the status line
#define IDR_SPLASH_PICTURE 163  // 400x300 picture, resource type "JPEG"
#define RT_JPEG_PICTURE "JPEG"

// Toolbars: a toolbar resource and its 16 x 15 image strip share the id.
#define IDR_MAINFRAME 128   // the main toolbar
#define IDR_NAVIGATION 148  // the navigation toolbar

// Commands on the toolbars (their prompts: "status text\ntooltip").
#define ID_ADD_DISC 32771
#define ID_NEW_FOLDER 32772
#define ID_DELETE_ITEM 32773
#define ID_FIND 32776
#define ID_GO_BACK 32779
#define ID_GO_FORWARD 32780
#define ID_GO_UP 32781
#define ID_APP_ABOUT_CMD 57664

// The main frame: its title string, menu, accelerators and icon share the toolbar's id 128.
#define IDR_CONTEXT_MENUS 130  // popups of the catalogue's context menus
#define IDS_APP_TITLE 0xE000   // the application's name, also its registry key's name
#define IDS_IDLE_MESSAGE 0xE001

// Popups of the context menus, by position in menu 130.
#define IDM_CONTEXT_FOLDER 0
#define IDM_CONTEXT_COLLECTION 1
#define IDM_CONTEXT_ITEM 2
#define IDM_CONTEXT_NODES 3
#define IDM_CONTEXT_EMPTIES 4
#define IDM_CONTEXT_DISC_FOLDER 5

// The item list: the type text of a disc folder, the column titles, the header images.
#define IDS_FOLDER_TYPE 137
#define IDS_COLUMN_NAME 150
#define IDS_COLUMN_SIZE 151
#define IDS_COLUMN_TYPE 152
#define IDS_COLUMN_DESCRIPTION 153
#define IDS_COLUMN_MODIFIED 154
#define IDS_COLUMN_CREATED 155
#define IDS_COLUMN_LENT_TO 156
#define IDB_HEADER_ARROWS 145
#define IDB_HEADER_ARROWS_MASK 146

// Commands of the menus, context menus and accelerators.
#define ID_EDIT_LOOP 106            // internal: keeps the UI thread in an in-place edit
#define ID_EXCLUDE_FROM_SEARCH 108  // a disc folder's "Исключить из поиска"
#define ID_ADD_DISC_ALT 158         // handled as ID_ADD_DISC
#define ID_STATISTICS 164
#define ID_NEW_FOLDER_CONTEXT 32778  // "Создать папку" of the context menus
#define ID_SETTINGS 32782
#define ID_RENAME 32783  // accelerator only
#define ID_DOES_NOTHING 32784
#define ID_EMPTIES_ADD 32786
#define ID_EMPTIES_DELETE 32787
#define ID_SHOW_WORKSPACE 32789
#define ID_HIDE_WORKSPACE 32790
#define ID_EMPTIES_PROPERTIES 32792
#define ID_IMPORT_DATABASE 32795
#define ID_SAVE_DATABASE 32797
#define ID_APP_EXIT_CMD 57665

// Status-bar indicators (their texts are the pane captions).
#define IDS_INDICATOR_CAP 0xE701
#define IDS_INDICATOR_NUM 0xE702
#define IDS_INDICATOR_SCRL 0xE703
