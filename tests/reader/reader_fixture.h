// Runs the real reader in the test process: StartReader makes the main
// window exactly as the program does, the tests send it what a user's keys,
// taps, scroll bars and menu would, and Exit ends the run through the real
// message loop. The registry starts and ends without the program's keys.
#pragma once

#include <gtest/gtest.h>

#include "pane/text_pane.h"
#include "shell/app_state.h"
#include "shell/split_view.h"

// Handles whatever is queued, for at most milliseconds.
void PumpMessages(int milliseconds = 200);
// Deletes the product's and the maker's keys.
void ClearReaderKeys();
// Stores a face so that the first-start font dialog does not open.
void StoreFace(const WCHAR* face);
void StoreDword(const WCHAR* keyPath, const WCHAR* name, DWORD value);
// The reader's main window, started from the registry as it stands.
HWND StartTestReader();
// Sends Exit and runs the message loop to its end; returns its exit code.
int ExitTestReader();
// Whether the pane shows the given section: its text equals that section's.
bool PaneShows(const TextPane* pane, int section);
// The state of a menu item of the popup opened by popupCommand.
bool MenuItemChecked(UINT popupCommand, UINT item);

// A Hebrew face with vowel points that the tests read in.
extern const WCHAR TEST_FACE[];

class Reader : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND window = nullptr;
};
