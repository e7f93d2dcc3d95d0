#pragma once
// A row a list shows cut at its edge carries its whole text as its tooltip,
// so a long line can be read without scrolling sideways.

class QAbstractItemView;
class QHelpEvent;

namespace ui {

// Answers a tooltip event of `view`'s viewport: shows the text of the row
// under it when that row is cut, hides any tooltip otherwise. False when no
// row lies there, for the view's own handling.
bool ShowCutRowToolTip(QAbstractItemView& view, const QHelpEvent& help);

} // namespace ui
