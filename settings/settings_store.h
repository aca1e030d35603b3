// The settings' start-up and shut-down steps: everything the reader
// remembers between runs, read once at start and written once at exit.
#pragma once

void LoadSettings();
// Writes the settings and both panes' positions, destroys the panes, and
// posts the quit message.
void SaveSettings();
