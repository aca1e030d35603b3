// The check marks of the menu: Reverse, Bookmark and the bottom split.
#pragma once

#include "../platform/platform.h"

// The popup that the menu bar's button with this command opens (40001 "Go",
// 40003 "Bottom"); with a command bar, the bar's whole menu.
HMENU MenuPopup(UINT popupCommand);

// With set, checks or unchecks item; without, toggles it. Returns the
// item's new state, 1 checked or 0 unchecked.
int SetMenuCheck(HMENU menu, bool set, UINT item, bool checked);
void UpdateBookmarkCheck(bool set);
void UpdateReverseCheck(bool set);
// The radio mark of the "Bottom" popup on the current split.
void CheckBottomSplit();
