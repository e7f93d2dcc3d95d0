#include "create/engine/CreationStatisticsWindow.h"

#include "common/BoxCaption.h"
#include "tools/ControlOnForm.h"
#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ResultList.h"

#include <QAbstractButton>

namespace {

const char* const ListNames[] = {"FoldersCreated", "SubFoldersCreated", "FilesCreated", "FoldersExists",
                                 "FoldersOther"};

const char* const EmptyListTexts[] = {
    "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least one Folder "
    "to use the Smart Export Feature.",
    "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at least one "
    "Subfolder to use the Smart Export Feature.",
    "The List of Successfully Created  File Names is empty !\nAction : You must create at least one File to "
    "use the Smart Export Feature.",
    "The List of Already Created Folder Names is empty !\n",
    "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n"};

} // namespace

CreationStatisticsWindow::CreationStatisticsWindow(QWidget* parent) : ui::Form(parent) {}

void CreationStatisticsWindow::Attach(const std::string& statisticsName, const std::string& caption,
                                      int firstNumber, const OddExportButtonNames& oddExportButtons) {
    caption_ = caption;
    firstNumber_ = firstNumber;
    const std::string exportButtonNames[5] = {"Folders", "SubFolders", "Files", oddExportButtons.exists,
                                              oddExportButtons.other};
    for (size_t list = 0; list < 5; ++list) {
        lists_[list] = FindControl<ui::ResultList>(*this, "lst" + statisticsName + ListNames[list]);
        exportButtons_[list] = FindControl<QAbstractButton>(*this, "btn" + statisticsName + "SmartExport" +
                                                                       exportButtonNames[list]);
        ui::OnClicked(exportButtons_[list], [this, list] { SmartExport(list); });
    }
    ui::OnClicked(FindControl<QAbstractButton>(*this, "btn" + statisticsName + "Ok"),
                  [this] { CloseWithOk(); });
    FormCreate();
}

void CreationStatisticsWindow::FormCreate() {
    for (ui::ResultList* list : lists_)
        list->SetHorizontalExtent(3000);
}

void CreationStatisticsWindow::CloseWithOk() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void CreationStatisticsWindow::SmartExport(size_t row) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = BoxCaption(caption_, "Warning", firstNumber_ + static_cast<int>(row));
    how.emptyText = EmptyListTexts[row];
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(lists_[row]->Items(), how);
    exportButtons_[row]->setFocus();
}
