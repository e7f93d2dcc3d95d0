#include "create/engine/CreationStatisticsWindow.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include <QAbstractButton>

#include <stdexcept>

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
                                      QAbstractButton* ok, const NameListExport (&exports)[5]) {
    caption_ = caption;
    for (size_t list = 0; list < 5; ++list) {
        const std::string name = "lst" + statisticsName + ListNames[list];
        lists_[list] = findChild<ui::ListBox*>(QString::fromStdString(name));
        if (!lists_[list] || !exports[list].button)
            throw std::logic_error("the statistics window has no list " + name + " or no button for it");
        numbers_[list] = exports[list].number;
        exportButtons_[list] = exports[list].button;
        ui::OnClicked(exportButtons_[list], [this, list] { SmartExport(list); });
    }
    ui::OnClicked(ok, [this] { CloseWithOk(); });
    FormCreate();
}

void CreationStatisticsWindow::FormCreate() {
    for (ui::ListBox* list : lists_)
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
    how.emptyCaption = caption_ + "Warning no: " + numbers_[row] + ".";
    how.emptyText = EmptyListTexts[row];
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(lists_[row]->Items(), how);
    exportButtons_[row]->setFocus();
}
