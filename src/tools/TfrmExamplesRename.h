#pragma once
// A worked example of the rename page: three folders, with a preview of their
// new names under each rename method (prefix and suffix around the last
// element, or a new last element).

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesRename;
}

class TfrmExamplesRename : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesRename(QWidget* parent = nullptr);
    ~TfrmExamplesRename() override;

    Ui::TfrmExamplesRename& Controls() { return *ui_; }

    void FormCreate();
    void FormActivate() {}
    void rdoExReAddPrefixesAndSuffixesClick();
    void rdoExRenameTheLastSubFolderClick();

private:
    void SetPrefixSuffixFieldsEnabled(bool enabled);

    std::unique_ptr<Ui::TfrmExamplesRename> ui_;
};

extern TfrmExamplesRename* frmExamplesRename;
