#include "tools/TfrmExamplesCopy.h"

#include "tools/ExampleSamples.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmExamplesCopy.h"

TfrmExamplesCopy* frmExamplesCopy = nullptr;

TfrmExamplesCopy::TfrmExamplesCopy(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesCopy>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->rdoExCopyMainFolders, [this] { rdoExCopyMainFoldersClick(); });
    ui::OnClicked(ui_->rdoExCopySubFoldersOnly, [this] { rdoExCopySubFoldersOnlyClick(); });
    ui::OnClicked(ui_->btnExamplesCopyClose, [this] { SetModalResult(ui::Answer::Cancel); });
    FormCreate();
}

TfrmExamplesCopy::~TfrmExamplesCopy() = default;

void TfrmExamplesCopy::FormCreate() {
    ShowExampleList(*ui_->lstExamplesCopyIncludeWindow,
                    {"f:\\Clients\\Company01", "f:\\Clients\\Company02", "f:\\Clients\\Company03"});
    ShowExampleList(*ui_->lstExamplesCopyFolderStructures, SampleMainStructures());
    ShowExampleList(*ui_->lstExamplesCopySubFolderStructures, SampleSubStructures());
    for (ui::ListBox* list : {ui_->lstExamplesCopyIncludeWindow, ui_->lstExamplesCopyFolderStructures,
                              ui_->lstExamplesCopySubFolderStructures, ui_->lstExamplesCopyPreview})
        list->SetHorizontalExtent(3000);
    rdoExCopyMainFoldersClick();
}

void TfrmExamplesCopy::ShowPreview(ExampleAttach option) {
    // The Include folders exist already and are the targets themselves.
    ShowExampleList(*ui_->lstExamplesCopyPreview,
                    AttachPreview(ui_->lstExamplesCopyIncludeWindow->Items(),
                                  ui_->lstExamplesCopySubFolderStructures->Items(), option));
}

void TfrmExamplesCopy::rdoExCopyMainFoldersClick() {
    ShowPreview(ExampleAttach::MainFolders);
}

void TfrmExamplesCopy::rdoExCopySubFoldersOnlyClick() {
    ShowPreview(ExampleAttach::SubFoldersOnly);
}
