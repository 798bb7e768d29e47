#pragma once

namespace tolvane::ui {

// Loads and initialises the common controls before the first window of theirs is made. The program links
// them to load on first use: mapping and initialising the library cost the bar's start-up some 45 ms under
// Wine, and the bar itself shows none of their controls. Every place that creates a system control class
// (button, static, tooltip, list, tree, ...) or an image list calls this first.
void EnsureCommonControls();

}  // namespace tolvane::ui
