// Web addresses handed to the shell, which opens them in the browser: the
// maker's page and the update request.
#pragma once

#include "../platform/platform.h"

#include <shellapi.h>

// The shell's execute call. Tests put a recorder here so that no browser
// starts; the program leaves it as ShellExecuteExW.
typedef BOOL(WINAPI* ShellExecuteFunction)(SHELLEXECUTEINFOW* info);
extern ShellExecuteFunction shellExecute;

// Asks the shell to open address with the verb "Open", owned by owner, with
// no error UI; a failure shows nothing.
void OpenAddress(HWND owner, const WCHAR* address);
// Opens the maker's web page.
void OpenMakerPage(HWND owner);
// Opens the update request, which tells the maker's update page the product
// and version asking; the page itself answers the user. Command 129.
void RequestUpdate(HWND owner);
