#include "manage/shared/ManageStatisticsWindow.h"

#include "tools/ControlOnForm.h"
#include "tools/ExportHandOver.h"
#include "ui/Colors.h"
#include "ui/Guard.h"
#include "ui/ResultList.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>

ManageStatisticsWindow::ManageStatisticsWindow(QWidget* parent) : ui::Form(parent) {}

void ManageStatisticsWindow::Attach(QAbstractButton* ok, const std::vector<ResultListExportText>& exports) {
    for (const ResultListExportText& text : exports)
        exports_.push_back({FindControl<ui::ResultList>(*this, text.list),
                            FindControl<QAbstractButton>(*this, text.button), text.emptyCaption,
                            text.emptyText});
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

void ManageStatisticsWindow::PrepareForRun(QCheckBox& normalSimulate, QLabel& process, bool realRun,
                                           const std::string& runText, const std::string& simulationText) {
    normalSimulate.setChecked(realRun);
    ui::SetFontColor(&process, ui::clMaroon);
    process.setText(QString::fromStdString(realRun ? runText : simulationText));
    ClearLists();
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
