// Watches the message boxes that the code under test shows, in both builds:
// the host layer records them; on Windows a CBT hook reads each box as it
// opens and answers it, so no test waits for a click.
#pragma once

#include <string>

#include "platform/platform.h"

struct LoggedMessageBox {
    std::u16string text;
    std::u16string caption;  // the platform's default "Error" when none was given
    HWND owner;
};

// Forgets earlier boxes and answers the coming ones with answer (IDOK...).
void StartMessageBoxLog(int answer = IDOK);
void StopMessageBoxLog();
int MessageBoxLogCount();
LoggedMessageBox MessageBoxLogAt(int i);

// UTF-16 text from a WCHAR string, for comparisons in either build.
std::u16string Units(const WCHAR* s);
