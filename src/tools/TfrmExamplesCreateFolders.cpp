#include "tools/TfrmExamplesCreateFolders.h"

#include "common/FrameworkPaths.h"
#include "tools/ExampleSamples.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmExamplesCreateFolders.h"

TfrmExamplesCreateFolders* frmExamplesCreateFolders = nullptr;

TfrmExamplesCreateFolders::TfrmExamplesCreateFolders(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesCreateFolders>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->rdoExCrFoldersAttachNothing, [this] { rdoExCrFoldersAttachNothingClick(); });
    ui::OnClicked(ui_->rdoExCrFoldersMainFolders, [this] { rdoExCrFoldersMainFoldersClick(); });
    ui::OnClicked(ui_->rdoExCrFoldersSubFoldersOnly, [this] { rdoExCrFoldersSubFoldersOnlyClick(); });
    ui::OnClicked(ui_->btnExCrFoldersClose, [this] { SetModalResult(ui::Answer::Cancel); });
    FormCreate();
}

TfrmExamplesCreateFolders::~TfrmExamplesCreateFolders() = default;

void TfrmExamplesCreateFolders::FormCreate() {
    ShowExampleList(*ui_->lstExCrFoldersIncludeWindow,
                    {"f:\\Clients\\Company01", "f:\\Clients\\Company02", "f:\\Clients\\Company03"});
    ui_->edtExCrFoldersPrefix->setText("2012");
    ui_->edtExCrFoldersSuffix->setText("June");
    ShowExampleList(*ui_->lstExCrFoldersFolderStructures, SampleMainStructures());
    ShowExampleList(*ui_->lstExCrFoldersSubFolderStructures, SampleSubStructures());
    for (ui::ListBox* list : {ui_->lstExCrFoldersIncludeWindow, ui_->lstExCrFoldersFolderStructures,
                              ui_->lstExCrFoldersSubFolderStructures, ui_->lstExCrFoldersPreview})
        list->SetHorizontalExtent(3000);
    rdoExCrFoldersAttachNothingClick();
}

std::vector<std::string> TfrmExamplesCreateFolders::Targets() const {
    const std::string prefix = ui_->edtExCrFoldersPrefix->text().toStdString();
    const std::string suffix = ui_->edtExCrFoldersSuffix->text().toStdString();
    std::vector<std::string> targets;
    for (const std::string& path : ui_->lstExCrFoldersIncludeWindow->Items())
        targets.push_back(IncludeTrailingPathDelimiter(ExtractFileDir(path)) +
                          DecorateExampleName(prefix, ExtractFileName(path), suffix));
    return targets;
}

void TfrmExamplesCreateFolders::ShowPreview(ExampleAttach option) {
    ShowExampleList(*ui_->lstExCrFoldersPreview,
                    AttachPreview(Targets(), ui_->lstExCrFoldersSubFolderStructures->Items(), option));
}

void TfrmExamplesCreateFolders::rdoExCrFoldersAttachNothingClick() {
    ShowPreview(ExampleAttach::Nothing);
}

void TfrmExamplesCreateFolders::rdoExCrFoldersMainFoldersClick() {
    ShowPreview(ExampleAttach::MainFolders);
}

void TfrmExamplesCreateFolders::rdoExCrFoldersSubFoldersOnlyClick() {
    ShowPreview(ExampleAttach::SubFoldersOnly);
}
