#include "manage/rename/TfrmVol06EditIncludeList.h"

#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmVol06EditIncludeList.h"

TfrmVol06EditIncludeList* frmVol06EditIncludeList = nullptr;

TfrmVol06EditIncludeList::TfrmVol06EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol06EditIncludeList>()) {
    ui_->setupUi(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::Connect(ui_->mmoVol06EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol06EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol06EditIncludeListOk, [this] { btnVol06EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol06EditIncludelistCancel, [this] { btnVol06EditIncludelistCancelClick(); });
    ui::OnClicked(ui_->btnVol06EditIncludeListHelp, [this] { btnVol06EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol06EditIncludeList::~TfrmVol06EditIncludeList() = default;

void TfrmVol06EditIncludeList::FormCreate() {
    ui_->lblVol06EditLinesSum->setText("0");
    mmoVol06EditIncludeListKeyPress();
}

void TfrmVol06EditIncludeList::FormActivate() {
    ui_->mmoVol06EditIncludeList->setFocus();
}

void TfrmVol06EditIncludeList::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*ui_->mmoVol06EditIncludeList, include);
}

void TfrmVol06EditIncludeList::mmoVol06EditIncludeListKeyPress() {
    ui_->lblVol06EditLinesSum->setText(QString::number(NonEmptyMemoLines(*ui_->mmoVol06EditIncludeList)));
}

void TfrmVol06EditIncludeList::btnVol06EditIncludeListOkClick() {
    if (include_)
        ApplyEditedLines(*ui_->mmoVol06EditIncludeList, *include_, exclude_);
    ui_->mmoVol06EditIncludeList->clear();
    SetModalResult(ui::Answer::Ok);
}

void TfrmVol06EditIncludeList::btnVol06EditIncludelistCancelClick() {
    ui_->mmoVol06EditIncludeList->clear();
    SetModalResult(ui::Answer::Cancel);
}

void TfrmVol06EditIncludeList::btnVol06EditIncludeListHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}
