#pragma once
// A worked example of the copy page: three existing folders and the sample
// structures, with a preview of what each copy option puts into them.

#include "tools/ExamplePreviews.h"
#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesCopy;
}

class TfrmExamplesCopy : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesCopy(QWidget* parent = nullptr);
    ~TfrmExamplesCopy() override;

    Ui::TfrmExamplesCopy& Controls() { return *ui_; }

    void FormCreate();
    void rdoExCopyMainFoldersClick();
    void rdoExCopySubFoldersOnlyClick();

private:
    void ShowPreview(ExampleAttach option);

    std::unique_ptr<Ui::TfrmExamplesCopy> ui_;
};

extern TfrmExamplesCopy* frmExamplesCopy;
