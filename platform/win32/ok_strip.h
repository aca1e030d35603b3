// The OK button that stands in for the device's caption OK: a strip below
// the dialog's client area with an "OK" push button drawn in it. Private to
// the layer.
#pragma once

#include "pocketpc.h"

// Gives dialog the strip once. With grow the window becomes taller by the
// strip, so its client area keeps its size. FALSE when it cannot be added.
BOOL GiveDialogOkStrip(HWND dialog, BOOL grow);

// SHInitDialog has fitted dialog to the screen: it keeps that size.
void NoteDialogFitted(HWND dialog);
