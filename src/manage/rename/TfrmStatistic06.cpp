#include "manage/rename/TfrmStatistic06.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic06.h"

TfrmStatistic06* frmStatistic06 = nullptr;

TfrmStatistic06::TfrmStatistic06(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic06>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnStat06OK, [this] { btnStat06OKClick(); });
    ui::OnClicked(ui_->btnStat06SmartExportFoldersRenamed,
                  [this] { btnStat06SmartExportFoldersRenamedClick(); });
    ui::OnClicked(ui_->btnStat06SmartExportSourceNotExists,
                  [this] { btnStat06SmartExportSourceNotExistsClick(); });
    ui::OnClicked(ui_->btnStat06SmartExportDestinationExists,
                  [this] { btnStat06SmartExportDestinationExistsClick(); });
    ui::OnClicked(ui_->btnStat06SmartExportFoldersOtherReasons,
                  [this] { btnStat06SmartExportFoldersOtherReasonsClick(); });
    FormCreate();
}

TfrmStatistic06::~TfrmStatistic06() = default;

void TfrmStatistic06::FormCreate() {
    for (ui::ListBox* list : {ui_->lstStat06FoldersRenamed, ui_->lstStat06FoldersSourceNotExists,
                              ui_->lstStat06FoldersDestinationExists, ui_->lstStat06FoldersOtherReasons})
        list->SetHorizontalExtent(3000);
}

void TfrmStatistic06::btnStat06OKClick() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void TfrmStatistic06::SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                                  QPushButton* button) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = "Rename Folders -From a Folder List - Level.             Warning no: " + number + ".";
    how.emptyText = emptyText;
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(list->Items(), how);
    button->setFocus();
}

void TfrmStatistic06::btnStat06SmartExportFoldersRenamedClick() {
    SmartExport(
        ui_->lstStat06FoldersRenamed, "0428",
        "The List of Successfully Renamed  Folder Names is empty !\nAction : You must Rename at least "
        "one Folder to use the Smart Export Feature.",
        ui_->btnStat06SmartExportFoldersRenamed);
}

void TfrmStatistic06::btnStat06SmartExportSourceNotExistsClick() {
    SmartExport(ui_->lstStat06FoldersSourceNotExists, "0429",
                "The List of Not Renamed (Source Folders don't exist) Folder Names is empty !\n",
                ui_->btnStat06SmartExportSourceNotExists);
}

void TfrmStatistic06::btnStat06SmartExportDestinationExistsClick() {
    SmartExport(ui_->lstStat06FoldersDestinationExists, "0430",
                "The List of Not Renamed (Destination Folders already exist) Folder Names is empty !\n",
                ui_->btnStat06SmartExportDestinationExists);
}

void TfrmStatistic06::btnStat06SmartExportFoldersOtherReasonsClick() {
    SmartExport(ui_->lstStat06FoldersOtherReasons, "0431",
                "The List of Not Renamed (Other Reasons) Folder Names is empty !\n",
                ui_->btnStat06SmartExportFoldersOtherReasons);
}
