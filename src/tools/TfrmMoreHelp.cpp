#include "tools/TfrmMoreHelp.h"

#include "tools/HelpListStyle.h"
#include "tools/HelpTexts.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmMoreHelp.h"

TfrmMoreHelp* frmMoreHelp = nullptr;

TfrmMoreHelp::TfrmMoreHelp(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmMoreHelp>()) {
    ui_->setupUi(this);
    StyleHelpList(*ui_->lstMoreHelp);
    ui_->lstMoreHelp->AddItems(MoreHelpLines());
    ui::OnClicked(ui_->btnMorehelpOk, [this] { btnMorehelpOkClick(); });
}

TfrmMoreHelp::~TfrmMoreHelp() = default;

ui::ListBox* TfrmMoreHelp::lstMoreHelp() const {
    return ui_->lstMoreHelp;
}

void TfrmMoreHelp::btnMorehelpOkClick() {
    SetModalResult(ui::Answer::Ok);
}
