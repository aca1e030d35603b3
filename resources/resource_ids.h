// Resource ids and command numbers, shared by the .rc files and the code.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

// Resources.
#define IDR_ACCELERATORS 3       // the keyboard shortcuts of the menu's labels
#define IDI_QUILLMERE 101        // the program's icon (16 x 16 and 32 x 32)
#define IDR_MAIN_MENU 102        // menu 102 and the menu-bar template RCDATA 102
#define IDD_ABOUT 103
#define IDD_CHOOSE_FONT 105
#define IDB_LOGO 113             // the About box's logo
#define IDB_TOOL_BUTTONS 114     // six 16 x 16 tool-button pictures
#define IDD_SEARCH 115
#define IDD_CHOOSE_SECTION 118
#define IDB_KEYBOARD 119         // the search dialog's keyboard picture
#define IDB_TREE_PLUS 201        // 9 x 9: a closed folder of the index
#define IDB_TREE_MINUS 202       // 9 x 9: an open folder
#define IDB_TREE_PAGE 203        // 9 x 9: a section entry
#define IDS_GO 302               // "Go", the menu bar's first button
#define IDS_BOTTOM 304           // "Bottom", its second

// The popups of the menu bar: the commands of its two drop-down buttons.
#define CMD_GO_MENU 40001
#define CMD_BOTTOM_MENU 40003

// Commands of the menu, the tool buttons and the shortcuts.
#define CMD_INDEX_AGAIN 107      // acts as CMD_INDEX; sent by a second start
#define CMD_NEXT 109
#define CMD_PREVIOUS 110
#define CMD_SEARCH 116
#define CMD_SEARCH_AGAIN 117
#define CMD_INDEX 119
#define CMD_REVERSE 122
#define CMD_BOOKMARK 123
#define CMD_CHECK_UPDATES 129
#define CMD_ABOUT 40004
#define CMD_EXIT 40005
#define CMD_FONT 40006
#define CMD_COPY 40007
#define CMD_APPEND 40009

// The "Bottom" popup: 400 + the split code.
#define CMD_BOTTOM_NONE 401
#define CMD_BOTTOM_HALF 412
#define CMD_BOTTOM_THIRD 413
#define CMD_BOTTOM_QUARTER 414
#define CMD_BOTTOM_TWO_THIRDS 423
#define CMD_BOTTOM_THREE_QUARTERS 434

// The dialogs' extended style that asks for the OK button; the resource
// compiler knows no such name.
#ifndef WS_EX_CAPTIONOKBTN
#define WS_EX_CAPTIONOKBTN 0x80000000L
#endif
