#include "create/numbers/TfrmStatistic03.h"

#include "ui/Guard.h"

#include "ui_TfrmStatistic03.h"

TfrmStatistic03* frmStatistic03 = nullptr;

TfrmStatistic03::TfrmStatistic03(QWidget* parent)
    : CreationStatisticsWindow(parent), ui_(std::make_unique<Ui::TfrmStatistic03>()) {
    ui_->setupUi(this);
    BindStatisticsWindow("Stat03", "Creating Folder(s).-Increased Numbers.            ",
                         {"0415", "0416", "0417", "0418", "0419"});
    ui::OnClicked(ui_->btnStat03Ok, [this] { btnStat03OkClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportFolders, [this] { btnStat03SmartExportFoldersClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportSubFolders, [this] { btnStat03SmartExportSubFoldersClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportFiles, [this] { btnStat03SmartExportFilesClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportAlreadyExists,
                  [this] { btnStat03SmartExportAlreadyExistsClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportOtherReasons, [this] { btnStat03SmartExportOtherReasonsClick(); });
    FormCreate();
}

TfrmStatistic03::~TfrmStatistic03() = default;

void TfrmStatistic03::btnStat03SmartExportFoldersClick() {
    SmartExport(NameList::FoldersCreated, *ui_->btnStat03SmartExportFolders);
}

void TfrmStatistic03::btnStat03SmartExportSubFoldersClick() {
    SmartExport(NameList::SubFoldersCreated, *ui_->btnStat03SmartExportSubFolders);
}

void TfrmStatistic03::btnStat03SmartExportFilesClick() {
    SmartExport(NameList::FilesCreated, *ui_->btnStat03SmartExportFiles);
}

void TfrmStatistic03::btnStat03SmartExportAlreadyExistsClick() {
    SmartExport(NameList::FoldersExists, *ui_->btnStat03SmartExportAlreadyExists);
}

void TfrmStatistic03::btnStat03SmartExportOtherReasonsClick() {
    SmartExport(NameList::FoldersOther, *ui_->btnStat03SmartExportOtherReasons);
}
