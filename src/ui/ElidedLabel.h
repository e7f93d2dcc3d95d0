#pragma once
// Labels that show a person's own text (a folder name built from an item, a
// path): such a text can be any length, and a label that asks for its text's
// width would widen its window past the screen. An eliding label takes the
// width its layout gives it, shows the text with its middle left out when it
// does not fit (the drive and the last name stay readable), and shows the
// whole text as its tooltip.

class QLabel;

namespace ui {

// Makes an existing label (a form's QLabel) elide. Its text is still set and
// read with setText and text().
void ElideInMiddle(QLabel* label);

} // namespace ui
