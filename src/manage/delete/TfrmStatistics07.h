#pragma once
// The delete page's visual log: its counters, the folders and files a run
// deleted, found missing or had to leave, and a Smart Export for each list.
// The page's runs fill it and show it, not modally.

#include "ui/Form.h"

#include <memory>
#include <string>

namespace Ui {
class TfrmStatistics07;
}
namespace ui {
class ListBox;
}
class QPushButton;

class TfrmStatistics07 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistics07(QWidget* parent = nullptr);
    ~TfrmStatistics07() override;

    Ui::TfrmStatistics07& Controls() { return *ui_; }

    void FormCreate();
    void btnStat07OkClick();
    void btnStat07SmartExportFoldersDeletedClick();
    void btnStat07SmartExportFoldersNotExistClick();
    void btnStat07SmartExportFoldersOtherReasonsClick();
    void btnStat07SmartExportFilesDeletedClick();
    void btnStat07SmartExportFilesNotExistsClick();
    void btnStat07SmartExportFilesOtherReasonsClick();

private:
    void SmartExport(ui::ListBox* list, const std::string& caption, const std::string& emptyText,
                     QPushButton* button);

    std::unique_ptr<Ui::TfrmStatistics07> ui_;
};

extern TfrmStatistics07* frmStatistics07;
