// The Pocket PC shell calls the reader uses, over desktop Win32.
//
// A desktop has no Pocket PC shell, so these are our own: same names, same
// values and records as on the device, with the behaviour the reader relies
// on rebuilt from desktop windows.
//
// Menu bar and command bar. SHCreateMenuBar and CommandBar_Create both make a
// bar window of our own (class "QuillmerePocketBar") holding a desktop tool
// bar control. The bar window is what the caller gets: it takes the tool bar
// messages (TB_*, forwarded to the tool bar), TB_SETTOOLTIPLIST (the device's
// tooltip message, kept by the bar and answered when a tooltip asks) and
// SHCMBM_GETSUBMENU. The bar's menu becomes drop-down buttons (with an arrow,
// so a desktop user sees they open menus): those of the menu-bar template,
// or one per popup of the menu a command bar is given. Clicking one opens
// its popup above (menu bar) or below (command bar) it; commands of the
// popups and of the tool buttons reach the parent window as WM_COMMAND.
// Tool buttons without text are sized to their pictures. The parent window
// is subclassed while it has a bar, so that:
//   - the bar stays along the bottom (menu bar) or top (command bar) edge of
//     the client area whenever the parent is resized;
//   - F10, Alt alone and Alt + the underlined letter of a popup's text open
//     the bar's popups from the keyboard; Left and Right in an open popup,
//     or the mouse moving onto another drop-down button, move to the
//     neighbouring popup.
// The tooltip list's first entry belongs to the bar's menu (which shows its
// popup's text and no tooltip); the others go, in order, to the buttons
// added after the menu.
//
// Caption OK. Desktop Win32 ignores WS_EX_CAPTIONOKBTN. A thread hook (a
// WH_CBT hook installed by InstallPocketPcLayer, and by the first bar made)
// sees every dialog as it is created; one whose extended style asks for the
// OK button, or that SHInitDialog is given SHIDIF_DONEBUTTON, gets a strip
// below its client area with an "OK" push button drawn in it. The strip is
// non-client area, so the dialog's own layout and hit tests never see it; a
// dialog that SHInitDialog does not fit grows by the strip's height once its
// WM_INITDIALOG is done, keeping the template's client size. A click on OK
// sends the dialog WM_COMMAND IDOK. Enter (IDOK) and Escape (IDCANCEL) come
// from the dialog manager as on any desktop dialog; OK is drawn as the
// default button.
//
// Dialog fitting. The device's screen is, on a desktop, the main window: a
// dialog's owner (its top-level owner window), or the work area when it has
// none. SHIDIF_SIZEDLGFULLSCREEN, or SHIDIF_SIZEDLG with
// SHIDIF_FULLSCREENNOMENUBAR, gives the dialog that window's rectangle;
// SHIDIF_SIZEDLG alone leaves the owner's menu bar uncovered.
//
// The task bar, the input panel and its button do not exist on a desktop:
// SHFullScreen, SHSipPreference, SipShowIM and SHHandleWMSettingChange check
// their arguments and find nothing to change.
#pragma once

#include <windows.h>
#include <commctrl.h>

#ifndef WS_EX_CAPTIONOKBTN
#define WS_EX_CAPTIONOKBTN 0x80000000L
#endif

// Installs the caption-OK hook on the calling thread (idempotent; the first
// SHCreateMenuBar or CommandBar_Create does it too). FALSE when the hook
// cannot be set.
BOOL InstallPocketPcLayer(void);
// Removes the hook; dialogs opened afterwards get no OK strip.
void RemovePocketPcLayer(void);

// ---- Menu bar -------------------------------------------------------------

// cbSize must be sizeof(SHMENUBARINFO) (32 bytes on the device).
struct SHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;        // SHCMBF_*
    UINT nToolBarId;      // the menu-bar template: RCDATA of this id
    HINSTANCE hInstRes;   // module holding the template, menu and strings
    int nBmpId;           // optional bitmap of tool images, 0 for none
    int cBmpImages;       // images in nBmpId
    HWND hwndMB;          // out: the bar
};
typedef SHMENUBARINFO* PSHMENUBARINFO;

// No input panel on a desktop, so there is never a button to hide.
#define SHCMBF_HIDESIPBUTTON 0x0004

// wParam 0, lParam the command of a drop-down button of the template: the
// popup it opens (a popup of the template's menu), or NULL.
#define SHCMBM_GETSUBMENU (WM_USER + 401)

// The menu-bar template (RCDATA nToolBarId), 16-bit words: the menu id, the
// number of buttons, then per button seven words: image, command, state,
// style, string id (0 for none), 0, submenu index (a popup of the menu).
// Fails (FALSE, hwndMB NULL) on a bad record, unknown flags, a missing
// template, menu or string, or when the bar cannot be made.
BOOL SHCreateMenuBar(SHMENUBARINFO* info);

// The device's tool bar message that sets tooltip texts: wParam the number
// of texts, lParam an array of that many WCHAR pointers. The bar copies the
// texts. (commctrl.h's TB_SETTOOLTIPS is another message of the same name.)
#define TB_SETTOOLTIPLIST (WM_USER + 81)

// ---- Dialogs --------------------------------------------------------------

struct SHINITDLGINFO {
    DWORD dwMask;   // SHIDIM_FLAGS: dwFlags is valid
    HWND hDlg;
    DWORD dwFlags;  // SHIDIF_*
};
typedef SHINITDLGINFO* PSHINITDLGINFO;

#define SHIDIM_FLAGS 0x0001

#define SHIDIF_DONEBUTTON 0x0001           // give the dialog the OK button
#define SHIDIF_SIZEDLG 0x0002              // fit above the owner's menu bar
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004    // fit to the whole main window
#define SHIDIF_SIPDOWN 0x0008              // no input panel: nothing to do
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010  // fit without leaving the bar's room

// FALSE for a NULL record or a dialog that is not a window.
BOOL SHInitDialog(SHINITDLGINFO* info);

// ---- Full screen, settings, input panel -----------------------------------

#define SHFS_SHOWTASKBAR 0x0001
#define SHFS_HIDETASKBAR 0x0002
#define SHFS_SHOWSIPBUTTON 0x0004
#define SHFS_HIDESIPBUTTON 0x0008
#define SHFS_SHOWSTARTICON 0x0010
#define SHFS_HIDESTARTICON 0x0020

// TRUE for a window (nothing on a desktop to show or hide), FALSE otherwise.
BOOL SHFullScreen(HWND window, DWORD state);

struct SHACTIVATEINFO {
    DWORD cbSize;
    HWND hwndLastFocus;
    UINT fSipUp : 1;
    UINT fSipOnDeactivation : 1;
    UINT fActive : 1;
    UINT fReserved : 29;
};
typedef SHACTIVATEINFO* PSHACTIVATEINFO;

// The device resizes a window for the input panel here. TRUE for a window
// and a record of the right size; nothing else to do on a desktop.
BOOL SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info);

enum SIPSTATE {
    SIP_UP = 0,
    SIP_DOWN = 1,
    SIP_FORCEDOWN = 2,
    SIP_UNCHANGED = 3,
    SIP_INPUTDIALOG = 4,
};

#define SIPF_OFF 0x00000000
#define SIPF_ON 0x00000001

// No input panel: both return FALSE and change nothing.
BOOL SHSipPreference(HWND window, SIPSTATE state);
BOOL SipShowIM(DWORD flags);

// ---- Command bar ------------------------------------------------------------

// A bar along the top of parent's client area, hidden until CommandBar_Show.
HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id);
BOOL CommandBar_Show(HWND bar, BOOL show);
// Height in pixels of the bar's window, 0 for no bar.
int CommandBar_Height(HWND bar);
// Puts the popups of menu menuId as drop-down buttons at button position
// button (0 for the start). One menu per bar.
BOOL CommandBar_InsertMenubar(HWND bar, HINSTANCE instance, WORD menuId, WORD button);
// The menu given to CommandBar_InsertMenubar (button is not looked at: the
// bar has one menu), or NULL.
HMENU CommandBar_GetMenu(HWND bar, WORD button);
// Adds count images of width x height from bitmap resource bitmapId; returns
// the index of the first, or -1.
int CommandBar_AddBitmap(HWND bar, HINSTANCE instance, int bitmapId, int count, int width, int height);
// flags 0: a close box at the bar's right end that sends WM_CLOSE to the
// parent. Other flags are not supported (FALSE).
BOOL CommandBar_AddAdornments(HWND bar, DWORD flags, DWORD reserved);
void CommandBar_Destroy(HWND bar);
