// Real key presses (XTest) reach a window only while it holds the keyboard
// focus, which needs a window manager on the display.
#pragma once

// Starts openbox on the display unless a window manager runs; true when one
// runs. The window manager started here ends with the test process.
bool EnsureWindowManager();
