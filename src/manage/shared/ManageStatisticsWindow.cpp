#include "manage/shared/ManageStatisticsWindow.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include <QAbstractButton>

ManageStatisticsWindow::ManageStatisticsWindow(QWidget* parent) : ui::Form(parent) {}

void ManageStatisticsWindow::Attach(QAbstractButton* ok, std::vector<ResultListExport> exports) {
    exports_ = std::move(exports);
    ui::OnClicked(ok, [this] { OkClick(); });
    for (const ResultListExport& list : exports_) {
        ui::OnClicked(list.button, [this, &list] { SmartExport(list); });
        list.list->SetHorizontalExtent(3000);
    }
}

void ManageStatisticsWindow::OkClick() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void ManageStatisticsWindow::ClearLists() {
    for (const ResultListExport& list : exports_)
        list.list->Clear();
}

void ManageStatisticsWindow::SmartExport(const ResultListExport& list) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = list.emptyCaption;
    how.emptyText = list.emptyText;
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(list.list->Items(), how);
    list.button->setFocus();
}
