#include "tools/TfrmOverViewHelp.h"

#include "tools/HelpListStyle.h"
#include "tools/HelpTexts.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmOverViewHelp.h"

TfrmOverViewHelp* frmOverViewHelp = nullptr;

TfrmOverViewHelp::TfrmOverViewHelp(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmOverViewHelp>()) {
    ui_->setupUi(this);
    StyleHelpList(*ui_->lstOverViewHelp);
    ui_->lstOverViewHelp->AddItems(OverviewLines());
    ui::OnClicked(ui_->btnOverviewhelpOk, [this] { btnOverviewhelpOkClick(); });
}

TfrmOverViewHelp::~TfrmOverViewHelp() = default;

ui::ListBox* TfrmOverViewHelp::lstOverViewHelp() const {
    return ui_->lstOverViewHelp;
}

void TfrmOverViewHelp::btnOverviewhelpOkClick() {
    SetModalResult(ui::Answer::Ok);
}
