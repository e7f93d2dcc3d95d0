#include "tools/TfrmExamplesRename.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "tools/ExampleSamples.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmExamplesRename.h"

#include <string>
#include <vector>

TfrmExamplesRename* frmExamplesRename = nullptr;

TfrmExamplesRename::TfrmExamplesRename(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesRename>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->rdoExReAddPrefixesAndSuffixes, [this] { rdoExReAddPrefixesAndSuffixesClick(); });
    ui::OnClicked(ui_->rdoExRenameTheLastSubFolder, [this] { rdoExRenameTheLastSubFolderClick(); });
    ui::OnClicked(ui_->btnExReClose, [this] { SetModalResult(ui::Answer::Cancel); });
    FormCreate();
}

TfrmExamplesRename::~TfrmExamplesRename() = default;

void TfrmExamplesRename::FormCreate() {
    ShowExampleList(*ui_->lstExamplesRenameIncludeWindow,
                    {"f:\\Clients\\Customer1\\Emails", "f:\\Clients\\Customer2\\SEO",
                     "f:\\Clients\\Customer3\\Programs"});
    ui_->edtExReNewPrefix->setText("2012");
    ui_->edtExRePrefixDelimiterSubFolder->setText("-");
    // The same delimiter as the preview shows between the name and the suffix.
    ui_->edtExReSubFolderDelimiterSuffix->setText("-");
    ui_->edtExReNewSuffix->setText("June");
    ui_->edtExReNewLastSubFolder->setText("Company");
    ui_->edtExReNewLastSubFolder->setEnabled(false);
    for (ui::ListBox* list : {ui_->lstExamplesRenameIncludeWindow, ui_->lstExRePreview})
        list->SetHorizontalExtent(3000);
    rdoExReAddPrefixesAndSuffixesClick();
}

void TfrmExamplesRename::SetPrefixSuffixFieldsEnabled(bool enabled) {
    ui_->edtExReNewPrefix->setEnabled(enabled);
    ui_->edtExRePrefixDelimiterSubFolder->setEnabled(enabled);
    ui_->edtExReSubFolderDelimiterSuffix->setEnabled(enabled);
    ui_->edtExReNewSuffix->setEnabled(enabled);
    ui_->edtExReNewLastSubFolder->setEnabled(!enabled);
}

void TfrmExamplesRename::rdoExReAddPrefixesAndSuffixesClick() {
    SetPrefixSuffixFieldsEnabled(true);
    const std::string prefix = Trim(ui_->edtExReNewPrefix->text().toStdString()) +
                               Trim(ui_->edtExRePrefixDelimiterSubFolder->text().toStdString());
    const std::string suffix = Trim(ui_->edtExReSubFolderDelimiterSuffix->text().toStdString()) +
                               Trim(ui_->edtExReNewSuffix->text().toStdString());
    std::vector<std::string> preview;
    for (const std::string& path : ui_->lstExamplesRenameIncludeWindow->Items())
        preview.push_back(IncludeTrailingPathDelimiter(ExtractFileDir(path)) + prefix +
                          ExtractFileName(path) + suffix);
    ShowExampleList(*ui_->lstExRePreview, preview);
}

void TfrmExamplesRename::rdoExRenameTheLastSubFolderClick() {
    SetPrefixSuffixFieldsEnabled(false);
    const std::string name = Trim(ui_->edtExReNewLastSubFolder->text().toStdString());
    std::vector<std::string> preview;
    for (const std::string& path : ui_->lstExamplesRenameIncludeWindow->Items())
        preview.push_back(IncludeTrailingPathDelimiter(ExtractFileDir(path)) + name);
    ShowExampleList(*ui_->lstExRePreview, preview);
}
