#pragma once
// The strings page's worked example: a destination, three strings, prefix,
// suffix and the sample structures, with a preview of the folders each attach
// option gives. A hidden group keeps the destination controls of a drive
// selection (a complete folder, or a custom folder on a chosen drive).

#include "tools/ExamplePreviews.h"
#include "ui/Form.h"

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TfrmDriveSelect;
}

class TfrmDriveSelect : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmDriveSelect(QWidget* parent = nullptr);
    ~TfrmDriveSelect() override;

    Ui::TfrmDriveSelect& Controls() { return *ui_; }

    void FormCreate();
    void rdoExCRStringsAttachNothingClick();
    void rdoExCrStringsAttachMainFoldersClick();
    void rdoExCrStringsAttachSubFoldersOnlyClick();

    // The hidden group.
    void cboADSCustomFolderDriveLetterChange();
    void rdoADSCompleteFolderClick();
    void rdoADSCustomFolderClick();
    void cboADSCompleteFolderSelect();
    void btnADSCompleteFolderBrowseClick();
    void btnADSOKClick() {}
    void btnADSCancelClick() {}

private:
    // Destination, backslash, prefix, "-", string, "-", suffix.
    std::vector<std::string> Targets() const;
    void ShowPreview(ExampleAttach option);
    void ChooseCompleteFolder(const std::string& folder);
    void SetCustomFolderControlsEnabled(bool enabled);

    std::unique_ptr<Ui::TfrmDriveSelect> ui_;
};

extern TfrmDriveSelect* frmDriveSelect;
