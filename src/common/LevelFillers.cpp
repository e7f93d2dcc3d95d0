#include "common/LevelFillers.h"

#include "common/FileHelpers.h"
#include "common/FolderTreeScanner.h"
#include "common/PathRules.h"
#include "ui/Desktop.h"
#include "ui/Form.h"

#include <QLabel>
#include <QTreeWidget>

#include <iterator>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void SetText(QLabel* label, const std::string& text) {
    if (label)
        label->setText(Q(text));
}

// The first entry of the map is the scanned folder's own depth; every further
// depth is shown as its level below that folder, so the numbers agree with the
// levels the level selector counts (direct subfolders are level 1), wherever
// the scanned folder lies.
void FillLevelRows(const FolderTreeScanner& scanner, QTreeWidget* levels) {
    if (!levels)
        return;
    levels->clear();
    const LevelCountMap& counts = scanner.GetLevelCountMap();
    if (counts.empty())
        return;
    const uint32_t rootDepth = counts.begin()->first;
    QList<QTreeWidgetItem*> rows;
    for (auto it = std::next(counts.begin()); it != counts.end(); ++it) {
        auto* row = new QTreeWidgetItem;
        row->setText(0, Q(DoubleToText(static_cast<double>(it->first - rootDepth))));
        row->setText(1, Q(NumberToText(it->second)));
        rows.append(row);
    }
    levels->addTopLevelItems(rows);
}

std::string SizeText(uint64_t bytes) {
    double value = 0;
    std::string unit;
    return SizeToText(bytes, value, unit);
}

void FillSummary(const FolderTreeScanner& scanner, const LevelSummaryTargets& targets, uint32_t files,
                 uint64_t bytes) {
    FillLevelRows(scanner, targets.levels);
    SetText(targets.folderName, scanner.GetRootFolder());
    SetText(targets.folderSum, NumberToText(scanner.GetFolderCount()));
    SetText(targets.fileSum, NumberToText(files));
    SetText(targets.fileSize, SizeText(bytes) + "  (" + BigNumberToText(bytes) + " bytes).");
    if (targets.window)
        ui::desktop().ShowModal(*targets.window);
}

} // namespace

void FillLevelSummary(const FolderTreeScanner& scanner, const LevelSummaryTargets& targets) {
    FillSummary(scanner, targets, scanner.GetFileCount(), scanner.GetTotalBytes());
}

void FillLevelSummaryMatched(const FolderTreeScanner& scanner, const LevelSummaryTargets& targets) {
    FillSummary(scanner, targets, scanner.GetMatchedFileCount(), scanner.GetMatchedBytes());
}

void FillBuilderLevelTable(const FolderTreeScanner& scanner, const BuilderLevelTargets& targets) {
    FillLevelRows(scanner, targets.levels);
    SetText(targets.subFolders, NumberToText(scanner.GetFolderCount()));
    SetText(targets.files, NumberToText(scanner.GetFileCount()));
    SetText(targets.fileSize, SizeText(scanner.GetTotalBytes()));
}
