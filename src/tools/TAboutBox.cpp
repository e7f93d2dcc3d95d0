#include "tools/TAboutBox.h"

#include "ui/Guard.h"

#include "ui_TAboutBox.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    QFont title = ui_->ProductName->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    ui_->ProductName->setFont(title);
    ui::OnClicked(ui_->OKButton, [this] { OKButtonClick(); });
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::OKButtonClick() {
    SetModalResult(ui::Answer::Ok);
}
