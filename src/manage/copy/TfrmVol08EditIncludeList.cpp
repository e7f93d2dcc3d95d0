#include "manage/copy/TfrmVol08EditIncludeList.h"

#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmVol08EditIncludeList.h"

TfrmVol08EditIncludeList* frmVol08EditIncludeList = nullptr;

TfrmVol08EditIncludeList::TfrmVol08EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol08EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol08EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol08EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol08EditIncludeListOk, [this] { btnVol08EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol08EditIncludeListCancel, [this] { btnVol08EditIncludeListCancelClick(); });
    ui::OnClicked(ui_->btnVol08EditIncludeListHelp, [this] { btnVol08EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol08EditIncludeList::~TfrmVol08EditIncludeList() = default;

void TfrmVol08EditIncludeList::FormCreate() {
    ui_->lblVol08EditLinesSum->setText("0");
    mmoVol08EditIncludeListKeyPress();
}

void TfrmVol08EditIncludeList::FormActivate() {
    ui_->mmoVol08EditIncludeList->setFocus();
}

void TfrmVol08EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*ui_->mmoVol08EditIncludeList, include);
}

void TfrmVol08EditIncludeList::mmoVol08EditIncludeListKeyPress() {
    ui_->lblVol08EditLinesSum->setText(QString::number(NonEmptyMemoLines(*ui_->mmoVol08EditIncludeList)));
}

void TfrmVol08EditIncludeList::btnVol08EditIncludeListOkClick() {
    if (include_)
        ApplyEditedLines(*ui_->mmoVol08EditIncludeList, *include_, exclude_);
    ui_->mmoVol08EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol08EditIncludeList::btnVol08EditIncludeListCancelClick() {
    ui_->mmoVol08EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol08EditIncludeList::btnVol08EditIncludeListHelpClick() {
    if (frmMoreHelp)
        ui::desktop().ShowModal(*frmMoreHelp);
}
