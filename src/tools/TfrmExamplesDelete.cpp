#include "tools/TfrmExamplesDelete.h"

#include "tools/ExampleSamples.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmExamplesDelete.h"

TfrmExamplesDelete* frmExamplesDelete = nullptr;

TfrmExamplesDelete::TfrmExamplesDelete(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesDelete>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->rdoExDeCompleteFoldersRetainMainFolders,
                  [this] { rdoExDeCompleteFoldersRetainMainFoldersClick(); });
    ui::OnClicked(ui_->rdoExDeEverythingRetainNothing, [this] { rdoExDeEverythingRetainNothingClick(); });
    ui::OnClicked(ui_->rdoExDeFilesFromMainFolders, [this] { rdoExDeFilesFromMainFoldersClick(); });
    ui::OnClicked(ui_->rdoExDeFilesAllFiles, [this] { rdoExDeFilesAllFilesClick(); });
    ui::OnClicked(ui_->btnExDeClose, [this] { SetModalResult(ui::Answer::Cancel); });
    FormCreate();
}

TfrmExamplesDelete::~TfrmExamplesDelete() = default;

void TfrmExamplesDelete::FormCreate() {
    ShowExampleList(*ui_->lstExDeIncludeWindow,
                    {"f:\\Clients\\Customer1", "f:\\Clients\\Customer2", "f:\\Clients\\Customer3"});
    ShowExampleList(*ui_->lstExDeSubFolderStructures,
                    {"f:\\Clients\\Customer1\\Marketing\\Emails", "f:\\Clients\\Customer1\\Marketing\\SEO",
                     "f:\\Clients\\Customer2\\Programs\\Beta", "f:\\Clients\\Customer2\\Programs\\Final",
                     "f:\\Clients\\Customer3\\Analyses\\Exel",
                     "f:\\Clients\\Customer3\\Analyses\\PowerPoint"});
    ShowExampleList(*ui_->lstExDeFiles,
                    {"f:\\Clients\\Customer1\\index.html", "f:\\Clients\\Customer2\\basic.swf",
                     "f:\\Clients\\Customer3\\extract.txt", "f:\\Clients\\Customer3\\t33.bmp",
                     "f:\\Clients\\Customer1\\Marketing\\Emails\\License.doc",
                     "f:\\Clients\\Customer1\\Marketing\\SEO\\support.html",
                     "f:\\Clients\\Customer2\\Programs\\Beta\\Main.cpp",
                     "f:\\Clients\\Customer2\\Programs\\Final\\OverView.h",
                     "f:\\Clients\\Customer3\\Analyses\\Exel\\WeeklyReport.xls",
                     "f:\\Clients\\Customer3\\Analyses\\PowerPoint\\feed.ppt"});
    for (ui::ListBox* list : {ui_->lstExDeIncludeWindow, ui_->lstExDeSubFolderStructures, ui_->lstExDeFiles,
                              ui_->lstExDeDeleted, ui_->lstExDeRetain})
        list->SetHorizontalExtent(3000);
    rdoExDeCompleteFoldersRetainMainFoldersClick();
}

void TfrmExamplesDelete::ShowPreview(ExampleDelete option) {
    const DeletePreviewLists lists =
        DeletePreview(ui_->lstExDeIncludeWindow->Items(), ui_->lstExDeSubFolderStructures->Items(),
                      ui_->lstExDeFiles->Items(), option);
    ShowExampleList(*ui_->lstExDeDeleted, lists.deleted);
    ShowExampleList(*ui_->lstExDeRetain, lists.retained);
}

void TfrmExamplesDelete::rdoExDeCompleteFoldersRetainMainFoldersClick() {
    ShowPreview(ExampleDelete::CompleteFoldersRetainMainFolders);
}

void TfrmExamplesDelete::rdoExDeEverythingRetainNothingClick() {
    ShowPreview(ExampleDelete::EverythingRetainNothing);
}

void TfrmExamplesDelete::rdoExDeFilesFromMainFoldersClick() {
    ShowPreview(ExampleDelete::FilesFromMainFolders);
}

void TfrmExamplesDelete::rdoExDeFilesAllFilesClick() {
    ShowPreview(ExampleDelete::FilesAllFiles);
}
