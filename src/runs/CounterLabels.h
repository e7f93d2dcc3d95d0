#pragma once
// The sixteen labels that show a counter block, found by their names: a prefix
// ("lblVol02", "lblStat02" ...), the column (Folders, SubFolders, Files,
// FilesSize) and the row (ToCreate, Created, Exists, Other).

#include "runs/CreationCounters.h"

#include <QString>

#include <array>
#include <string>

class QLabel;
class QWidget;

// How a page names the labels and statistics lists of its counter block:
// label = prefix + column + row, list = list prefix + list name. The creation
// pages use the defaults; the copy page names the same counters after copying.
struct CounterBlockNames {
    std::array<const char*, 4> columns = {"Folders", "SubFolders", "Files", "FilesSize"};
    std::array<const char*, 4> rows = {"ToCreate", "Created", "Exists", "Other"};
    // In the order of StatisticList.
    std::array<const char*, 7> lists = {"FoldersCreated",    "FoldersExists", "FoldersOther",
                                        "SubFoldersCreated", "FilesCreated",  "SubFoldersExists",
                                        "FilesExists"};
};

class CounterLabels {
public:
    CounterLabels() = default;
    // Looks the labels up below `root`; a label that is missing is skipped.
    CounterLabels(QWidget& root, const std::string& prefix, const CounterBlockNames& names = {});

    // Writes every counter into its label, row by row. A label that still
    // shows what was last written for an unchanged counter is left untouched.
    void Write(const CreationCounters& counters);

    bool Bound() const { return bound_; }

private:
    std::array<QLabel*, 16> labels_{};
    std::array<double, 16> shown_{};
    std::array<bool, 16> written_{};
    std::array<QString, 16> texts_{};
    bool bound_ = false;
};
