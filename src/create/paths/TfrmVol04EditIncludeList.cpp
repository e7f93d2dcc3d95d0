#include "create/paths/TfrmVol04EditIncludeList.h"

#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmVol04EditIncludeList.h"

TfrmVol04EditIncludeList* frmVol04EditIncludeList = nullptr;

TfrmVol04EditIncludeList::TfrmVol04EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol04EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol04EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol04EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListOk, [this] { btnVol04EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListCancel, [this] { btnVol04EditIncludeListCancelClick(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListHelp, [this] { btnVol04EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol04EditIncludeList::~TfrmVol04EditIncludeList() = default;

void TfrmVol04EditIncludeList::FormCreate() {
    ui_->mmoVol04EditIncludeList->clear();
    mmoVol04EditIncludeListKeyPress();
}

void TfrmVol04EditIncludeList::FormActivate() {
    ui_->mmoVol04EditIncludeList->setFocus();
}

void TfrmVol04EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*ui_->mmoVol04EditIncludeList, include);
}

int TfrmVol04EditIncludeList::NonEmptyLineCount() const {
    return NonEmptyMemoLines(*ui_->mmoVol04EditIncludeList);
}

void TfrmVol04EditIncludeList::mmoVol04EditIncludeListKeyPress() {
    ui_->lblVol04EditLinesSum->setText(QString::number(NonEmptyLineCount()));
}

void TfrmVol04EditIncludeList::btnVol04EditIncludeListOkClick() {
    if (include_)
        ApplyEditedLines(*ui_->mmoVol04EditIncludeList, *include_, exclude_);
    ui_->mmoVol04EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol04EditIncludeList::btnVol04EditIncludeListCancelClick() {
    ui_->mmoVol04EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol04EditIncludeList::btnVol04EditIncludeListHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}
