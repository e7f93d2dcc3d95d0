#include "manage/shared/ManageListEditor.h"

#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>

ManageListEditor::ManageListEditor(QWidget* parent) : ui::Form(parent) {
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
}

void ManageListEditor::Attach(const ManageListEditorControls& controls) {
    controls_ = controls;
    ui::Connect(controls_.memo, &QPlainTextEdit::textChanged, this, [this] { MemoKeyPress(); });
    ui::OnClicked(controls_.ok, [this] { OkClick(); });
    ui::OnClicked(controls_.cancel, [this] { CancelClick(); });
    ui::OnClicked(controls_.help, [this] { HelpClick(); });
    FormCreate();
}

void ManageListEditor::FormCreate() {
    controls_.linesSum->setText("0");
    MemoKeyPress();
}

void ManageListEditor::FormActivate() {
    if (controls_.memo)
        controls_.memo->setFocus();
}

void ManageListEditor::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*controls_.memo, include);
}

void ManageListEditor::MemoKeyPress() {
    controls_.linesSum->setText(QString::number(NonEmptyMemoLines(*controls_.memo)));
}

void ManageListEditor::OkClick() {
    if (include_)
        ApplyEditedLines(*controls_.memo, *include_, exclude_);
    controls_.memo->clear();
    SetModalResult(ui::Answer::Ok);
}

void ManageListEditor::CancelClick() {
    controls_.memo->clear();
    SetModalResult(ui::Answer::Cancel);
}

void ManageListEditor::HelpClick() {
    if (frmMoreHelp)
        ui::desktop().ShowModal(*frmMoreHelp);
}
