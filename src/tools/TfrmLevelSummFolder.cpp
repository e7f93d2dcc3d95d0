#include "tools/TfrmLevelSummFolder.h"

#include "ui/ElidedLabel.h"
#include "ui/Guard.h"

#include "ui_TfrmLevelSummFolder.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>

TfrmLevelSummFolder* frmLevelSummFolder = nullptr;

namespace {
constexpr int kLevelColumnWidth = 120;
}

TfrmLevelSummFolder::TfrmLevelSummFolder(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmLevelSummFolder>()) {
    ui_->setupUi(this);
    // The form's default section size does not survive the columns being
    // made, so the two columns get their width here.
    // A caption wider than that still shows whole.
    QTreeWidget& levels = *ui_->lstViewLevelSummFolder;
    for (int column : {0, 1}) {
        const int caption =
            levels.header()->fontMetrics().horizontalAdvance(levels.headerItem()->text(column)) + 24;
        levels.setColumnWidth(column, std::max(kLevelColumnWidth, caption));
    }
    ui::OnClicked(ui_->btnLevelSummClose, [this] { btnLevelSummCloseClick(); });
    ui::ElideInMiddle(ui_->lblLevelSummFolderName);
}

TfrmLevelSummFolder::~TfrmLevelSummFolder() = default;

LevelSummaryTargets TfrmLevelSummFolder::Targets() {
    LevelSummaryTargets targets;
    targets.levels = ui_->lstViewLevelSummFolder;
    targets.folderName = ui_->lblLevelSummFolderName;
    targets.folderSum = ui_->lblLevelSummFolderSum;
    targets.fileSum = ui_->lblLevelSummFileSum;
    targets.fileSize = ui_->lblLevelSummFileSize;
    targets.window = this;
    return targets;
}

void TfrmLevelSummFolder::btnLevelSummCloseClick() {
    SetModalResult(ui::Answer::Cancel);
}

void FillLevelSummary(const FolderTreeScanner& scanner) {
    FillLevelSummary(scanner, frmLevelSummFolder->Targets());
}

void FillLevelSummaryMatched(const FolderTreeScanner& scanner) {
    FillLevelSummaryMatched(scanner, frmLevelSummFolder->Targets());
}
