#pragma once
// The labels of the delete and copy pages that name the active file choice
// ("All." or "User Selected."). The pages exist before the file-selection
// window does, so each page registers its label here when it is built, and the
// window's OK writes every registered label.

#include <string>

class QLabel;

void RegisterFileTypesLabel(QLabel* label);
// Sets the text of every registered label that still exists.
void SetFileTypesLabels(const std::string& caption);
