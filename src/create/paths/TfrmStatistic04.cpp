#include "create/paths/TfrmStatistic04.h"

#include "ui/Guard.h"

#include "ui_TfrmStatistic04.h"

TfrmStatistic04* frmStatistic04 = nullptr;

TfrmStatistic04::TfrmStatistic04(QWidget* parent)
    : CreationStatisticsWindow(parent), ui_(std::make_unique<Ui::TfrmStatistic04>()) {
    ui_->setupUi(this);
    BindStatisticsWindow("Stat04", "Creating Folder(s).-From a Folder List.            ",
                         {"0420", "0421", "0422", "0423", "0424"});
    ui::OnClicked(ui_->btnStat04Ok, [this] { btnStat04OkClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportFolders, [this] { btnStat04SmartExportFoldersClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportSubFolders, [this] { btnStat04SmartExportSubFoldersClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportFiles, [this] { btnStat04SmartExportFilesClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportDoldersAlreadyExists,
                  [this] { btnStat04SmartExportDoldersAlreadyExistsClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportFoldersOtherReasons,
                  [this] { btnStat04SmartExportFoldersOtherReasonsClick(); });
    FormCreate();
}

TfrmStatistic04::~TfrmStatistic04() = default;

void TfrmStatistic04::btnStat04SmartExportFoldersClick() {
    SmartExport(NameList::FoldersCreated, *ui_->btnStat04SmartExportFolders);
}

void TfrmStatistic04::btnStat04SmartExportSubFoldersClick() {
    SmartExport(NameList::SubFoldersCreated, *ui_->btnStat04SmartExportSubFolders);
}

void TfrmStatistic04::btnStat04SmartExportFilesClick() {
    SmartExport(NameList::FilesCreated, *ui_->btnStat04SmartExportFiles);
}

void TfrmStatistic04::btnStat04SmartExportDoldersAlreadyExistsClick() {
    SmartExport(NameList::FoldersExists, *ui_->btnStat04SmartExportDoldersAlreadyExists);
}

void TfrmStatistic04::btnStat04SmartExportFoldersOtherReasonsClick() {
    SmartExport(NameList::FoldersOther, *ui_->btnStat04SmartExportFoldersOtherReasons);
}
