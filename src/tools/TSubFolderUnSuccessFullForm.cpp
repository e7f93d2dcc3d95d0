#include "tools/TSubFolderUnSuccessFullForm.h"

#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TSubFolderUnSuccessFullForm.h"

TSubFolderUnSuccessFullForm* SubFolderUnSuccessFullForm = nullptr;

TSubFolderUnSuccessFullForm::TSubFolderUnSuccessFullForm(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TSubFolderUnSuccessFullForm>()) {
    ui_->setupUi(this);
    ui_->lstSubFolderUnSuccessFullExist->Clear();
    ui_->lstSubFolderUnSuccessFullOther->Clear();
    ui::OnClicked(ui_->btnSubFolderUnSuccessFullOk, [this] { btnSubFolderUnSuccessFullOkClick(); });
}

TSubFolderUnSuccessFullForm::~TSubFolderUnSuccessFullForm() = default;

ui::ListBox* TSubFolderUnSuccessFullForm::lstSubFolderUnSuccessFullExist() const {
    return ui_->lstSubFolderUnSuccessFullExist;
}
ui::ListBox* TSubFolderUnSuccessFullForm::lstSubFolderUnSuccessFullOther() const {
    return ui_->lstSubFolderUnSuccessFullOther;
}

void TSubFolderUnSuccessFullForm::btnSubFolderUnSuccessFullOkClick() {
    SetModalResult(ui::Answer::Ok);
}
