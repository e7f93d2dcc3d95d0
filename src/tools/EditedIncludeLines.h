#pragma once
// What the Include-list editors that keep the list's order (the paths,
// rename, delete and copy pages) do with their memo: it is filled from the
// Include list, and on OK the Include list is rebuilt from the memo's lines in
// their order, each trimmed, empty lines dropped, each folder once (letter
// case ignored) and none the Exclude list holds.

class QPlainTextEdit;
namespace ui {
class ListBox;
}

void LoadMemoLines(QPlainTextEdit& memo, const ui::ListBox& include);

// Lines that are not empty after trimming.
int NonEmptyMemoLines(const QPlainTextEdit& memo);

// `exclude` may be null: nothing is left out then.
void ApplyEditedLines(const QPlainTextEdit& memo, ui::ListBox& include, const ui::ListBox* exclude);
