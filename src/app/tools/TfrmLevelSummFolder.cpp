#include "app/tools/TfrmLevelSummFolder.h"

#include "ui/Guard.h"

#include "ui_TfrmLevelSummFolder.h"

TfrmLevelSummFolder* frmLevelSummFolder = nullptr;

TfrmLevelSummFolder::TfrmLevelSummFolder(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmLevelSummFolder>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnLevelSummClose, [this] { btnLevelSummCloseClick(); });
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
