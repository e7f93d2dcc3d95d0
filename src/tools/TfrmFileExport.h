#pragma once
// The list export window: every "Smart Export" hands it a list (see
// ExportHandOver.h); the person picks plain or separated text, the delimiter
// and the double quotes, and exports to a file. Created once at start; the
// options keep their state between openings.

#include "ui/Form.h"

#include <deque>
#include <memory>
#include <string>

namespace Ui {
class TfrmFileExport;
}

class TfrmFileExport : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFileExport(QWidget* parent = nullptr);
    ~TfrmFileExport() override;

    Ui::TfrmFileExport& Controls() { return *ui_; }

    // Empties the handed-over list and sets both counters to "0".
    void ResetExportSource();
    // "STRINGS" or "FOLDERS": what the handed-over items are.
    void SetListType(const std::string& listType) { listType_ = listType; }
    const std::string& ListType() const { return listType_; }

    void FormCreate();
    // The delimiter choices again from SeparatorList, after the delimiters
    // window stored it; the current choice stays when it is still offered.
    void RefillDelimiterChoices();
    void rdoFileExportPlainTextFileClick();
    void rdoFileExportCSVSeparatedFileClick();
    void btnFileExportToClick();
    void BitBtn1Click();

private:
    void FillDelimiterChoices();

    std::unique_ptr<Ui::TfrmFileExport> ui_;
    std::deque<std::string> delimiterDefaults_;
    std::string listType_ = "FOLDERS";
};

extern TfrmFileExport* frmFileExport;
