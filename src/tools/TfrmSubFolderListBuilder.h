#pragma once
// Builds a folder list from the levels of one source folder's tree.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmSubFolderListBuilder;
}

class TfrmSubFolderListBuilder : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmSubFolderListBuilder(QWidget* parent = nullptr);
    ~TfrmSubFolderListBuilder() override;

private:
    std::unique_ptr<Ui::TfrmSubFolderListBuilder> ui_;
};

extern TfrmSubFolderListBuilder* frmSubFolderListBuilder;
