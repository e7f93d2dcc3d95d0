#pragma once
// A worked example of the increased-numbers page: destination, prefix,
// suffix, start and stop number and the sample structures, with a preview of
// the folders each attach option gives.

#include "tools/ExamplePreviews.h"
#include "ui/Form.h"

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TfrmExamplesIncreasedNumbers;
}

class TfrmExamplesIncreasedNumbers : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesIncreasedNumbers(QWidget* parent = nullptr);
    ~TfrmExamplesIncreasedNumbers() override;

    Ui::TfrmExamplesIncreasedNumbers& Controls() { return *ui_; }

    void FormCreate();
    void rdoExCrIncAttachNothingClick();
    void rdoExCrIncAttachMainFoldersClick();
    void rdoExCrIncSubFoldersClick();

private:
    // Destination, backslash, prefix, "-", number padded to the width of the
    // stop number, "-", suffix.
    std::vector<std::string> Targets() const;
    void ShowPreview(ExampleAttach option);

    std::unique_ptr<Ui::TfrmExamplesIncreasedNumbers> ui_;
};

extern TfrmExamplesIncreasedNumbers* frmExamplesIncreasedNumbers;
