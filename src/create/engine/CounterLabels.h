#pragma once
// The sixteen labels that show a counter block, found by their names: a prefix
// ("lblVol02", "lblStat02" ...), the column (Folders, SubFolders, Files,
// FilesSize) and the row (ToCreate, Created, Exists, Other).

#include "create/engine/CreationCounters.h"

#include <QString>

#include <array>
#include <string>

class QLabel;
class QWidget;

class CounterLabels {
public:
    CounterLabels() = default;
    // Looks the labels up below `root`; a label that is missing is skipped.
    CounterLabels(QWidget& root, const std::string& prefix);

    // Writes every counter into its label, row by row. A label that still
    // shows what was last written for an unchanged counter is left untouched.
    void Write(const CreationCounters& counters);

    bool Bound() const { return bound_; }

    static constexpr const char* ColumnNames[4] = {"Folders", "SubFolders", "Files", "FilesSize"};
    static constexpr const char* RowNames[4] = {"ToCreate", "Created", "Exists", "Other"};

private:
    std::array<QLabel*, 16> labels_{};
    std::array<double, 16> shown_{};
    std::array<bool, 16> written_{};
    std::array<QString, 16> texts_{};
    bool bound_ = false;
};
