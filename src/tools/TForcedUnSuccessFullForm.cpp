#include "tools/TForcedUnSuccessFullForm.h"

#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TForcedUnSuccessFullForm.h"

TForcedUnSuccessFullForm* ForcedUnSuccessFullForm = nullptr;

TForcedUnSuccessFullForm::TForcedUnSuccessFullForm(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TForcedUnSuccessFullForm>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnForcedUnSuccessFullOk, [this] { btnForcedUnSuccessFullOkClick(); });
}

TForcedUnSuccessFullForm::~TForcedUnSuccessFullForm() = default;

ui::ListBox* TForcedUnSuccessFullForm::lstForcedUnSuccessFullExist() const {
    return ui_->lstForcedUnSuccessFullExist;
}
ui::ListBox* TForcedUnSuccessFullForm::lstForcedUnSuccessFullOther() const {
    return ui_->lstForcedUnSuccessFullOther;
}

void TForcedUnSuccessFullForm::btnForcedUnSuccessFullOkClick() {
    SetModalResult(ui::Answer::Ok);
}
