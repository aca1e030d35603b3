// The maker-wide switches, read once at start from the maker's registry key.
#pragma once

// "IgnoreActivate": activation gets default handling only.
extern int ignoreActivate;
// "AllowSipInHebrewSearch": the search dialog shows the input panel's button.
extern int allowSipInSearch;
// "FullScreen": the main window and the fitted dialogs cover the task bar's strip.
extern int fullScreen;
