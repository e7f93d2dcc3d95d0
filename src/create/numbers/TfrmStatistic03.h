#pragma once
// The increased-numbers page's statistics window ("Visual Log"): the run's
// counters, the names of what was created or not, and a Smart Export for each
// name list. The page's runs fill it and show it, not modally.

#include "ui/Form.h"

#include <memory>
#include <string>

namespace Ui {
class TfrmStatistic03;
}
namespace ui {
class ListBox;
}
class QPushButton;

class TfrmStatistic03 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic03(QWidget* parent = nullptr);
    ~TfrmStatistic03() override;

    Ui::TfrmStatistic03& Controls() { return *ui_; }

    void FormCreate();
    void btnStat03OkClick();
    void btnStat03SmartExportFoldersClick();
    void btnStat03SmartExportSubFoldersClick();
    void btnStat03SmartExportFilesClick();
    void btnStat03SmartExportAlreadyExistsClick();
    void btnStat03SmartExportOtherReasonsClick();

private:
    void SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                     QPushButton* button);

    std::unique_ptr<Ui::TfrmStatistic03> ui_;
};

extern TfrmStatistic03* frmStatistic03;
