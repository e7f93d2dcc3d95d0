#pragma once
// The level summary of a scanned folder: how many subfolders each level below
// it holds, and the scan's totals. The scanner's fillers write it and show it.

#include "common/LevelFillers.h"
#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmLevelSummFolder;
}

class TfrmLevelSummFolder : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmLevelSummFolder(QWidget* parent = nullptr);
    ~TfrmLevelSummFolder() override;

    // The controls the level fillers write, and this window to show.
    LevelSummaryTargets Targets();

    void btnLevelSummCloseClick();

private:
    std::unique_ptr<Ui::TfrmLevelSummFolder> ui_;
};

extern TfrmLevelSummFolder* frmLevelSummFolder;

// The fillers as the pages call them: into frmLevelSummFolder, then shown.
void FillLevelSummary(const FolderTreeScanner& scanner);
void FillLevelSummaryMatched(const FolderTreeScanner& scanner);
