#pragma once
// Hints (tooltips) as the framework shows them: a hint stays up for the hide
// pause the program sets at start, or until the pointer leaves the control,
// instead of Qt's few seconds that grow with the text's length.

namespace ui {

// Milliseconds a hint stays shown; 0 or less restores Qt's own timing.
void SetHintHidePause(int milliseconds);
int HintHidePause();

} // namespace ui
