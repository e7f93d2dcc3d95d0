#pragma once
// The look of the lists that show the program's help texts.

namespace ui {
class ListBox;
}

// The texts line their columns up with blanks, so they are shown in the
// fixed-pitch font; lines wider than the window scroll sideways up to 2000
// pixels.
void StyleHelpList(ui::ListBox& list);
