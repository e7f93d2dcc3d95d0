#pragma once
// A worked example of the paths page: three full paths, prefix, suffix and
// the sample structures, with a preview of the folders each attach option
// gives. Each path keeps its parent; only its last element is decorated.

#include "tools/ExamplePreviews.h"
#include "ui/Form.h"

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TfrmExamplesCreateFolders;
}

class TfrmExamplesCreateFolders : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesCreateFolders(QWidget* parent = nullptr);
    ~TfrmExamplesCreateFolders() override;

    Ui::TfrmExamplesCreateFolders& Controls() { return *ui_; }

    void FormCreate();
    void rdoExCrFoldersAttachNothingClick();
    void rdoExCrFoldersMainFoldersClick();
    void rdoExCrFoldersSubFoldersOnlyClick();

private:
    std::vector<std::string> Targets() const;
    void ShowPreview(ExampleAttach option);

    std::unique_ptr<Ui::TfrmExamplesCreateFolders> ui_;
};

extern TfrmExamplesCreateFolders* frmExamplesCreateFolders;
