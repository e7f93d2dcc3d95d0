#include "runs/CounterLabels.h"

#include "common/FrameworkText.h"

#include <QLabel>
#include <QWidget>

namespace {

const CounterRow& RowOf(const CreationCounters& counters, int row) {
    switch (row) {
    case 0:
        return counters.ToCreate;
    case 1:
        return counters.Created;
    case 2:
        return counters.Exists;
    default:
        return counters.Other;
    }
}

double ColumnOf(const CounterRow& row, int column) {
    switch (column) {
    case 0:
        return row.Folders;
    case 1:
        return row.SubFolders;
    case 2:
        return row.Files;
    default:
        return row.FilesSize;
    }
}

} // namespace

CounterLabels::CounterLabels(QWidget& root, const std::string& prefix, const CounterBlockNames& names) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            std::string name = prefix + names.columns[column] + names.rows[row];
            labels_[row * 4 + column] = root.findChild<QLabel*>(QString::fromStdString(name));
        }
    }
    bound_ = true;
}

void CounterLabels::Write(const CreationCounters& counters) {
    for (int row = 0; row < 4; ++row) {
        const CounterRow& values = RowOf(counters, row);
        for (int column = 0; column < 4; ++column) {
            int index = row * 4 + column;
            double value = ColumnOf(values, column);
            QLabel* label = labels_[index];
            if (!label || (written_[index] && shown_[index] == value && label->text() == texts_[index]))
                continue;
            texts_[index] = QString::fromStdString(FloatToStr(value));
            label->setText(texts_[index]);
            shown_[index] = value;
            written_[index] = true;
        }
    }
}
