#include "manage/shared/ManageIncludeListEditor.h"

#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>

ManageIncludeListEditor::ManageIncludeListEditor(QWidget* parent) : ui::Form(parent) {
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
}

void ManageIncludeListEditor::Attach(const ManageIncludeListEditorControls& controls) {
    controls_ = controls;
    ui::Connect(controls_.memo, &QPlainTextEdit::textChanged, this, [this] { MemoKeyPress(); });
    ui::OnClicked(controls_.ok, [this] { OkClick(); });
    ui::OnClicked(controls_.cancel, [this] { CancelClick(); });
    ui::OnClicked(controls_.help, [this] { HelpClick(); });
    FormCreate();
}

void ManageIncludeListEditor::FormCreate() {
    controls_.linesSum->setText("0");
    MemoKeyPress();
}

void ManageIncludeListEditor::FormActivate() {
    if (controls_.memo)
        controls_.memo->setFocus();
}

void ManageIncludeListEditor::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*controls_.memo, include);
}

void ManageIncludeListEditor::MemoKeyPress() {
    controls_.linesSum->setText(QString::number(NonEmptyMemoLines(*controls_.memo)));
}

void ManageIncludeListEditor::OkClick() {
    if (include_)
        ApplyEditedLines(*controls_.memo, *include_, exclude_);
    controls_.memo->clear();
    SetModalResult(ui::Answer::Ok);
}

void ManageIncludeListEditor::CancelClick() {
    controls_.memo->clear();
    SetModalResult(ui::Answer::Cancel);
}

void ManageIncludeListEditor::HelpClick() {
    if (frmMoreHelp)
        ui::desktop().ShowModal(*frmMoreHelp);
}
