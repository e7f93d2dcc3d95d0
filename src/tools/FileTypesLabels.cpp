#include "tools/FileTypesLabels.h"

#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace {

std::vector<QPointer<QLabel>>& Labels() {
    static std::vector<QPointer<QLabel>> labels;
    return labels;
}

} // namespace

void RegisterFileTypesLabel(QLabel* label) {
    auto& labels = Labels();
    std::erase_if(labels, [](const QPointer<QLabel>& known) { return known.isNull(); });
    if (label && std::find(labels.begin(), labels.end(), label) == labels.end())
        labels.emplace_back(label);
}

void SetFileTypesLabels(const std::string& caption) {
    for (const QPointer<QLabel>& label : Labels()) {
        if (label)
            label->setText(QString::fromStdString(caption));
    }
}
