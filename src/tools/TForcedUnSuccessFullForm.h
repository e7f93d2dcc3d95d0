#pragma once
// The manual page's error log of the full-path creation.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TForcedUnSuccessFullForm;
}
namespace ui {
class ListBox;
}

class TForcedUnSuccessFullForm : public ui::Form {
    Q_OBJECT
public:
    explicit TForcedUnSuccessFullForm(QWidget* parent = nullptr);
    ~TForcedUnSuccessFullForm() override;

    // Folders that already existed.
    ui::ListBox* lstForcedUnSuccessFullExist() const;
    // Folders that were not created for other reasons.
    ui::ListBox* lstForcedUnSuccessFullOther() const;

    void btnForcedUnSuccessFullOkClick();

private:
    std::unique_ptr<Ui::TForcedUnSuccessFullForm> ui_;
};

extern TForcedUnSuccessFullForm* ForcedUnSuccessFullForm;
