// Resource and command ids of Ocularix, grouped by kind. The numbers are fixed:
// stored help topics, the accelerator table and the menu refer to them.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icons
#define IDI_OCULARIX 107

// Cursors
#define IDC_POINTING_HAND 104
#define IDC_VIEW_ARROW 106
#define IDC_MAGNIFYING_GLASS 145

// Bitmaps
#define IDB_TOOLBAR_STRIP 135
#define IDB_MARQUEE_HORIZONTAL 144
#define IDB_MARQUEE_VERTICAL 145

// Menus and accelerators
#define IDR_ACCELERATORS 134
#define IDR_CONTEXT_MENUS 141

// Positions of the pop-ups inside menu 141
#define MENU_POS_MAIN 0
#define MENU_POS_SELECTION 1
#define MENU_POS_COLOUR_PANE 2
#define MENU_POS_COORDINATES_PANE 3

// Control ids of the main window's children
#define IDC_REBAR 1
#define IDC_STATUS_BAR 3
#define IDC_TOOLBAR 115

// Items appended to the system menu
#define IDM_SYS_ABOUT 0x10
#define IDM_SYS_OPTIONS 0x20

// Commands (the string with the same id holds "tooltip\nstatus prompt")
#define IDM_CLOSE 105
#define IDM_ALWAYS_ON_TOP 112
#define IDM_FOLLOW_MOUSE 4009
#define IDM_ZOOM_2X 4011
#define IDM_ZOOM_4X 4012
#define IDM_WHATS_THIS 4013
#define IDM_HELP_TOPICS 4014
#define IDM_TOGGLE_TOOLBAR 4015
#define IDM_TOGGLE_STATUS_BAR 4016
#define IDM_OPTIONS 4017
#define IDM_COPY_SELECTION 4018
#define IDM_SAVE_SELECTION 4020
#define IDM_COPY_SELECTION_ZOOMED 4021
#define IDM_CONTEXT_MENU_KEY 4022
#define IDM_CANCEL_SELECTION 4023
#define IDM_ZOOM_TO_SELECTION 4024
#define IDM_HIGHLIGHT 4026
#define IDM_TOGGLE_GRID 4027
#define IDM_COLOUR_AS_RGB 4028
#define IDM_COLOUR_AS_HEX 4029
#define IDM_SCREEN_COORDINATES 4030
#define IDM_WINDOW_COORDINATES 4031
#define IDM_TOGGLE_TRANSPARENT 4032
#define IDM_COPY_ZOOMED 32771
#define IDM_COPY_SCREEN 32772
#define IDM_SAVE_IMAGE_AS 32774
#define IDM_ZOOM_IN 32775
#define IDM_ZOOM_OUT 32776
#define IDM_ABOUT 32779
#define IDM_SPEED_UP 32780
#define IDM_SLOW_DOWN 32781

// Help ids: places of the main window, also popup help topics
#define HELP_ID_NONE 0
#define HELP_ID_ZOOM_SLIDER 113
#define HELP_ID_UPDATE_SLIDER 114
#define HELP_ID_TOOLBAR 115
#define HELP_ID_VIEW 116
#define HELP_ID_STATUS_MESSAGE 118
#define HELP_ID_STATUS_COLOUR 119
#define HELP_ID_STATUS_SWATCH 120
#define HELP_ID_STATUS_COORDINATES 121
#define HELP_ID_STATUS_LINK 122
#define HELP_TOPIC_MAIN 6
#define HELP_TOPIC_SAVE_ZOOMED 2
// Popup topics of the Options dialog's controls: this base + control id
#define HELP_TOPIC_OPTIONS_BASE 0x808E0000

// Raw data: the popup help texts, "topic<TAB>text" a line
#define IDR_HELP_TOPICS 150

// Strings that are not command texts
#define IDS_FILE_FILTER 4001
#define IDS_AUTO_UPDATE_TIP 4002
#define IDS_APP_TITLE 4003
#define IDS_WRITE_FAILED 4004
#define IDS_CAPTURE_FAILED 4005
#define IDS_ZOOM_LEVEL_TIP 4006
#define IDS_PNG_FILE_FILTER 4060
#define IDS_EMAIL_LINK 32783
#define IDS_WEB_ADDRESS 32784
#define IDS_PRESS_F1 32785
#define IDS_COLOUR_SAMPLE 32786
#define IDS_COLOUR_RGB_FORMAT 32787
#define IDS_COORDINATES_SAMPLE 32788
#define IDS_COORDINATES_FORMAT 32789
#define IDS_INVALID_UPDATE 32790
#define IDS_COLOUR_HEX_FORMAT 32791
#define IDS_SELECTED_SIZE 32792
#define IDS_SYSMENU_ABOUT 32793
#define IDS_INVALID_GRID_SIZE 32797
#define IDS_SYSMENU_OPTIONS 32798
#define IDS_WEB_SITE_NAME 32799
#define IDS_TIP_LINK_PANE 32800
#define IDS_TIP_COLOUR_PANE 32801
#define IDS_TIP_COORDINATES_PANE 32802
#define IDS_TIP_SWATCH_PANE 32803
#define IDS_PICKING_HINT 32804
#define IDS_DRAG_HINT 32805

// Dialogs
#define IDD_ABOUT 103
#define IDD_SAVE_TEMPLATE 138
#define IDD_OPTIONS 142

// Controls of the Save dialog's template (dialog 138)
#define IDC_SAVE_ZOOMED_IMAGE 1002

// Dialog controls: the About box
#define IDC_ABOUT_ICON 2
#define IDC_ABOUT_EMAIL_LINK 1000
#define IDC_ABOUT_WEB_LINK 1001
#define IDC_ABOUT_VERSION 1017

// Dialog controls: the Options dialog
#define IDC_OPTIONS_COLOUR_RGB 1003
#define IDC_OPTIONS_COLOUR_HEX 1004
#define IDC_OPTIONS_SLOW_RATE 1005
#define IDC_OPTIONS_SLOW_SPIN 1006
#define IDC_OPTIONS_MEDIUM_RATE 1007
#define IDC_OPTIONS_MEDIUM_SPIN 1008
#define IDC_OPTIONS_FAST_RATE 1009
#define IDC_OPTIONS_FAST_SPIN 1010
#define IDC_OPTIONS_CURSOR_WHEN_FOLLOWING 1011
#define IDC_OPTIONS_SINGLE_INSTANCE 1013
#define IDC_OPTIONS_GRID_SIZE 1018
#define IDC_OPTIONS_GRID_SPIN 1019
#define IDC_OPTIONS_GRID_COLOUR 1020
#define IDC_OPTIONS_RELATIVE_COORDINATES 1021
#define IDC_OPTIONS_TRANSPARENT 1022
#define IDC_OPTIONS_SYSTEM_CURSOR 1023
#define IDC_OPTIONS_BITMAP_HOT_KEY 1024
#define IDC_OPTIONS_COLOUR_HOT_KEY 1025

// Context help ids of the Options dialog's controls: 0x80000000 + (dialog id << 16) + control id
#define OPTIONS_HELP_ID_BASE 0x808E0000
