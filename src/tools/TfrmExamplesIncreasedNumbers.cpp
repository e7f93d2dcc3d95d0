#include "tools/TfrmExamplesIncreasedNumbers.h"

#include "common/FileHelpers.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "tools/ExampleSamples.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmExamplesIncreasedNumbers.h"

TfrmExamplesIncreasedNumbers* frmExamplesIncreasedNumbers = nullptr;

TfrmExamplesIncreasedNumbers::TfrmExamplesIncreasedNumbers(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesIncreasedNumbers>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->rdoExCrIncAttachNothing, [this] { rdoExCrIncAttachNothingClick(); });
    ui::OnClicked(ui_->rdoExCrIncAttachMainFolders, [this] { rdoExCrIncAttachMainFoldersClick(); });
    ui::OnClicked(ui_->rdoExCrIncSubFolders, [this] { rdoExCrIncSubFoldersClick(); });
    ui::OnClicked(ui_->btnExCrIncClose, [this] { SetModalResult(ui::Answer::Cancel); });
    FormCreate();
}

TfrmExamplesIncreasedNumbers::~TfrmExamplesIncreasedNumbers() = default;

void TfrmExamplesIncreasedNumbers::FormCreate() {
    ui_->edtExCrIncDestinationFolder->setText("f:\\Clients");
    ui_->edtExCrIncPrefix->setText("Customer");
    ui_->edtExCrIncSuffix->setText("2012");
    ui_->edtExCrIncStartNumber->setText("1");
    ui_->edtExCrIncStopNumber->setText("3");
    ShowExampleList(*ui_->lstExCrIncFolderStructures, SampleMainStructures());
    ShowExampleList(*ui_->lstExCrIncSubFolderStructures, SampleSubStructures());
    for (ui::ListBox* list :
         {ui_->lstExCrIncFolderStructures, ui_->lstExCrIncSubFolderStructures, ui_->lstExCrIncPreview})
        list->SetHorizontalExtent(3000);
    rdoExCrIncAttachNothingClick();
}

std::vector<std::string> TfrmExamplesIncreasedNumbers::Targets() const {
    const std::string destination =
        IncludeTrailingPathDelimiter(Trim(ui_->edtExCrIncDestinationFolder->text().toStdString()));
    const std::string prefix = ui_->edtExCrIncPrefix->text().toStdString();
    const std::string suffix = ui_->edtExCrIncSuffix->text().toStdString();
    const int start = StrToInt(ui_->edtExCrIncStartNumber->text().toStdString());
    const int stop = StrToInt(ui_->edtExCrIncStopNumber->text().toStdString());
    const int width = static_cast<int>(DoubleToText(stop).size());
    std::vector<std::string> targets;
    for (int number = start; number <= stop; ++number)
        targets.push_back(destination + DecorateExampleName(prefix, ZeroPadNumber(number, width), suffix));
    return targets;
}

void TfrmExamplesIncreasedNumbers::ShowPreview(ExampleAttach option) {
    ShowExampleList(*ui_->lstExCrIncPreview,
                    AttachPreview(Targets(), ui_->lstExCrIncSubFolderStructures->Items(), option));
}

void TfrmExamplesIncreasedNumbers::rdoExCrIncAttachNothingClick() {
    ShowPreview(ExampleAttach::Nothing);
}

void TfrmExamplesIncreasedNumbers::rdoExCrIncAttachMainFoldersClick() {
    ShowPreview(ExampleAttach::MainFolders);
}

void TfrmExamplesIncreasedNumbers::rdoExCrIncSubFoldersClick() {
    ShowPreview(ExampleAttach::SubFoldersOnly);
}
