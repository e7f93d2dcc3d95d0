#include "manage/shared/IncludeListEditor.h"

#include "tools/EditedIncludeLines.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>

IncludeListEditor::IncludeListEditor(QWidget* parent) : ui::Form(parent) {
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
}

void IncludeListEditor::Attach(const IncludeListEditorControls& controls) {
    controls_ = controls;
    ui::Connect(controls_.memo, &QPlainTextEdit::textChanged, this, [this] { MemoKeyPress(); });
    ui::OnClicked(controls_.ok, [this] { OkClick(); });
    ui::OnClicked(controls_.cancel, [this] { CancelClick(); });
    ui::OnClicked(controls_.help, [this] { HelpClick(); });
    FormCreate();
}

void IncludeListEditor::FormCreate() {
    controls_.linesSum->setText("0");
    MemoKeyPress();
}

void IncludeListEditor::FormActivate() {
    if (controls_.memo)
        controls_.memo->setFocus();
}

void IncludeListEditor::LoadList(ui::ListBox& include, const ui::ListBox& exclude) {
    include_ = &include;
    exclude_ = &exclude;
    LoadMemoLines(*controls_.memo, include);
}

void IncludeListEditor::MemoKeyPress() {
    controls_.linesSum->setText(QString::number(NonEmptyMemoLines(*controls_.memo)));
}

void IncludeListEditor::OkClick() {
    if (include_)
        ApplyEditedLines(*controls_.memo, *include_, exclude_);
    controls_.memo->clear();
    SetModalResult(ui::Answer::Ok);
}

void IncludeListEditor::CancelClick() {
    controls_.memo->clear();
    SetModalResult(ui::Answer::Cancel);
}

void IncludeListEditor::HelpClick() {
    if (frmMoreHelp)
        ui::desktop().ShowModal(*frmMoreHelp);
}
