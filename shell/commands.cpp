#include "commands.h"

#include "../about/about_box.h"
#include "../about/open_address.h"
#include "../fontdlg/font_dialog.h"
#include "../pane/text_pane.h"
#include "../resources/resource_ids.h"
#include "app_state.h"
#include "menus.h"
#include "navigation.h"
#include "split_view.h"

static void ChooseBottomSplit(HWND window, int code)
{
    if (code == splitView.bottomSection)
        return;
    splitView.bottomSection = code;
    ResizePanes(window, (LPARAM)RESIZE_STORED);
    RepaintPanes(window, REPAINT_ALL);
    CheckBottomSplit();
}

static void ChooseFontFromMenu(HWND window)
{
    if (RunFontDialog(window, &appState.fontSpec) != IDOK)
        return;
    SetPaneFont(appState.topPane, &appState.fontSpec);
    SetPaneFont(splitView.bottomPane, &appState.fontSpec);
}

static void ToggleReverse(HWND window)
{
    UpdateReverseCheck(false);
    RepaintPanes(window, REPAINT_ALL);
}

int HandleCommand(HWND window, WPARAM wParam)
{
    const UINT command = LOWORD(wParam);
    switch (command) {
    case CMD_INDEX:
    case CMD_INDEX_AGAIN: return 0;  // the Choose Section dialog arrives with the index
    case CMD_NEXT: NextSection(window); return 0;
    case CMD_PREVIOUS: PreviousSection(window); return 0;
    case CMD_SEARCH: return 0;        // arrives with search
    case CMD_SEARCH_AGAIN: return 0;  // arrives with search
    case CMD_REVERSE: ToggleReverse(window); return 0;
    case CMD_BOOKMARK: UpdateBookmarkCheck(true); return 0;  // toggling arrives with bookmarks
    case CMD_CHECK_UPDATES: RequestUpdate(appState.mainWindow); return 0;
    case CMD_BOTTOM_NONE:
    case CMD_BOTTOM_HALF:
    case CMD_BOTTOM_THIRD:
    case CMD_BOTTOM_QUARTER:
    case CMD_BOTTOM_TWO_THIRDS:
    case CMD_BOTTOM_THREE_QUARTERS: ChooseBottomSplit(window, (int)command - SPLIT_COMMAND_BASE); return 0;
    case CMD_ABOUT: RunAboutBox(window); return 0;
    case CMD_EXIT: DestroyWindow(window); return 0;
    case CMD_FONT: ChooseFontFromMenu(window); return 0;
    case CMD_COPY: return 0;    // arrives with the clipboard export
    case CMD_APPEND: return 0;  // arrives with the clipboard export
    default: return 1;
    }
}
