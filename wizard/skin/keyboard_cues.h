// Focus cues the platform way: hidden while the program is worked with the
// mouse, so the skin keeps its look, and shown from the first key pressed on,
// for the rest of the run (the mouse does not hide them again).
#pragma once

// True once a key was pressed in any window of the program.
bool KeyboardCuesShown();
// Shows or hides the cues at once and repaints the focused control.
void SetKeyboardCuesShown(bool shown);
// Starts watching the keyboard; every control that draws a cue calls it, and
// only the first call (per application object) installs the watch.
void WatchKeyboardForFocusCues();
