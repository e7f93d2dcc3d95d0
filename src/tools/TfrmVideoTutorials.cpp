#include "tools/TfrmVideoTutorials.h"

#include "tools/LocalTutorialPage.h"
#include "ui/Guard.h"

#include "ui_TfrmVideoTutorials.h"

TfrmVideoTutorials* frmVideoTutorials = nullptr;

TfrmVideoTutorials::TfrmVideoTutorials(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVideoTutorials>()) {
    ui_->setupUi(this);
    // One tutorial page serves every topic.
    for (QPushButton* button :
         {ui_->btnVideoTutorialsCopy01, ui_->btnVideoTutorialsDelete01, ui_->btnVideoTutorialsRename01,
          ui_->btnVideoTutorialsCRStrings, ui_->btnVideoTutorialsCRFolders, ui_->btnVideoTutorialsCRIncNum})
        ui::OnClicked(button, [this] { btnVideoTutorialsLocalClick(); });
    ui::OnClicked(ui_->btnVideoTutorialsInternet, [this] { btnVideoTutorialsInternetClick(); });
    ui::OnClicked(ui_->btnVIdeoTutorialsClose, [this] { btnVIdeoTutorialsCloseClick(); });
}

TfrmVideoTutorials::~TfrmVideoTutorials() = default;

void TfrmVideoTutorials::btnVideoTutorialsLocalClick() {
    OpenLocalTutorialPage();
}

void TfrmVideoTutorials::btnVideoTutorialsInternetClick() {
    OpenMakerHomePage();
}

void TfrmVideoTutorials::btnVIdeoTutorialsCloseClick() {
    SetModalResult(ui::Answer::Cancel);
}
