#include "manage/delete/TfrmVol07EditIncludeList.h"

#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmVol07EditIncludeList.h"

TfrmVol07EditIncludeList* frmVol07EditIncludeList = nullptr;

TfrmVol07EditIncludeList::TfrmVol07EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol07EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol07EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol07EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol07EditIncludeListOk, [this] { btnVol07EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol07EditIncludeListCancel, [this] { btnVol07EditIncludeListCancelClick(); });
    ui::OnClicked(ui_->btnVol07EditIncludeListHelp, [this] { btnVol07EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol07EditIncludeList::~TfrmVol07EditIncludeList() = default;

void TfrmVol07EditIncludeList::FormCreate() {
    ui_->lblVol07EditLinesSum->setText("0");
    mmoVol07EditIncludeListKeyPress();
}

void TfrmVol07EditIncludeList::FormActivate() {
    ui_->mmoVol07EditIncludeList->setFocus();
}

void TfrmVol07EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*ui_->mmoVol07EditIncludeList, include);
}

void TfrmVol07EditIncludeList::mmoVol07EditIncludeListKeyPress() {
    ui_->lblVol07EditLinesSum->setText(QString::number(NonEmptyMemoLines(*ui_->mmoVol07EditIncludeList)));
}

void TfrmVol07EditIncludeList::btnVol07EditIncludeListOkClick() {
    if (include_)
        ApplyEditedLines(*ui_->mmoVol07EditIncludeList, *include_, exclude_);
    ui_->mmoVol07EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol07EditIncludeList::btnVol07EditIncludeListCancelClick() {
    ui_->mmoVol07EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol07EditIncludeList::btnVol07EditIncludeListHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}
