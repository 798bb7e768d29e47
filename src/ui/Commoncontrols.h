#pragma once

namespace tolvane::ui {

// Loads and initialises the common controls before the first window of theirs is made. The program links
// them to load on first use: mapping and initialising the library cost the bar's start-up some 45 ms under
// Wine, and the bar itself shows none of their controls. Every place that creates a system control class
// (button, static, tooltip, list, tree, ...) or an image list calls this first.
//
// Under Wine the library's initialisation opens the display driver when the process has none yet, and
// does so holding the loader lock, which deadlocks against any other thread then starting or calling into
// user32. The program makes its own window first, so the driver is always open by the time this runs;
// a process without a window of its own must make one before it starts threads and then loads the library.
void EnsureCommonControls();

}  // namespace tolvane::ui
