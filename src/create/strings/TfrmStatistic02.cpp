#include "create/strings/TfrmStatistic02.h"

#include "ui/Guard.h"

#include "ui_TfrmStatistic02.h"

TfrmStatistic02* frmStatistic02 = nullptr;

TfrmStatistic02::TfrmStatistic02(QWidget* parent)
    : CreationStatisticsWindow(parent), ui_(std::make_unique<Ui::TfrmStatistic02>()) {
    ui_->setupUi(this);
    BindStatisticsWindow("Stat02", "Creating Folder(s).-From a String List.            ",
                         {"0410", "0411", "0412", "0413", "0414"});
    ui::OnClicked(ui_->btnStat02Ok, [this] { btnStat02OkClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFolders, [this] { btnStat02SmartExportFoldersClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportSubFolders, [this] { btnStat02SmartExportSubFoldersClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFiles, [this] { btnStat02SmartExportFilesClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFoldersExists,
                  [this] { btnStat02SmartExportFoldersExistsClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFoldersOther, [this] { btnStat02SmartExportFoldersOtherClick(); });
    FormCreate();
}

TfrmStatistic02::~TfrmStatistic02() = default;

void TfrmStatistic02::btnStat02SmartExportFoldersClick() {
    SmartExport(NameList::FoldersCreated, *ui_->btnStat02SmartExportFolders);
}

void TfrmStatistic02::btnStat02SmartExportSubFoldersClick() {
    SmartExport(NameList::SubFoldersCreated, *ui_->btnStat02SmartExportSubFolders);
}

void TfrmStatistic02::btnStat02SmartExportFilesClick() {
    SmartExport(NameList::FilesCreated, *ui_->btnStat02SmartExportFiles);
}

void TfrmStatistic02::btnStat02SmartExportFoldersExistsClick() {
    SmartExport(NameList::FoldersExists, *ui_->btnStat02SmartExportFoldersExists);
}

void TfrmStatistic02::btnStat02SmartExportFoldersOtherClick() {
    SmartExport(NameList::FoldersOther, *ui_->btnStat02SmartExportFoldersOther);
}
