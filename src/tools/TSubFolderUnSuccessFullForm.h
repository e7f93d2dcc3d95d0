#pragma once
// The manual page's error log of the subfolder creation.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TSubFolderUnSuccessFullForm;
}
namespace ui {
class ListBox;
}

class TSubFolderUnSuccessFullForm : public ui::Form {
    Q_OBJECT
public:
    explicit TSubFolderUnSuccessFullForm(QWidget* parent = nullptr);
    ~TSubFolderUnSuccessFullForm() override;

    // Folders that already existed.
    ui::ListBox* lstSubFolderUnSuccessFullExist() const;
    // Folders that were not created for other reasons.
    ui::ListBox* lstSubFolderUnSuccessFullOther() const;

    void btnSubFolderUnSuccessFullOkClick();

private:
    std::unique_ptr<Ui::TSubFolderUnSuccessFullForm> ui_;
};

extern TSubFolderUnSuccessFullForm* SubFolderUnSuccessFullForm;
