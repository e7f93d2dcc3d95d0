#pragma once
// A worked example of the delete page: three folders with their subfolders
// and files, with the lists of what each delete option removes and keeps.

#include "tools/ExamplePreviews.h"
#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesDelete;
}

class TfrmExamplesDelete : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesDelete(QWidget* parent = nullptr);
    ~TfrmExamplesDelete() override;

    Ui::TfrmExamplesDelete& Controls() { return *ui_; }

    void FormCreate();
    void rdoExDeCompleteFoldersRetainMainFoldersClick();
    void rdoExDeEverythingRetainNothingClick();
    void rdoExDeFilesFromMainFoldersClick();
    void rdoExDeFilesAllFilesClick();

private:
    void ShowPreview(ExampleDelete option);

    std::unique_ptr<Ui::TfrmExamplesDelete> ui_;
};

extern TfrmExamplesDelete* frmExamplesDelete;
