// Real key presses (XTest) reach a window only while it holds the keyboard
// focus, which needs a window manager on the display.
#pragma once

// Starts openbox on the display unless a window manager runs; true when one
// runs. The window manager started here ends with the test process.
bool EnsureWindowManager();

// Ends every modal window on screen as Cancel would: the program's dialogs
// and those GTK runs itself (message boxes, file, print and colour
// choosers), which are no wx dialogs and which only GTK can end. A test that
// plays real keys calls it when it is stuck, so that it fails instead of
// waiting for a click.
void CancelModalWindows();
