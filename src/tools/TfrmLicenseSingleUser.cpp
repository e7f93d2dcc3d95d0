#include "tools/TfrmLicenseSingleUser.h"

#include "tools/HelpListStyle.h"
#include "tools/HelpTexts.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmLicenseSingleUser.h"

TfrmLicenseSingleUser* frmLicenseSingleUser = nullptr;

TfrmLicenseSingleUser::TfrmLicenseSingleUser(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmLicenseSingleUser>()) {
    ui_->setupUi(this);
    StyleHelpList(*ui_->lstLicenseSingleUser);
    ui_->lstLicenseSingleUser->AddItems(LicenseLines());
    ui::OnClicked(ui_->btnLicenseSingleUserOk, [this] { btnLicenseSingleUserOkClick(); });
}

TfrmLicenseSingleUser::~TfrmLicenseSingleUser() = default;

ui::ListBox* TfrmLicenseSingleUser::lstLicenseSingleUser() const {
    return ui_->lstLicenseSingleUser;
}

void TfrmLicenseSingleUser::btnLicenseSingleUserOkClick() {
    SetModalResult(ui::Answer::Ok);
}
