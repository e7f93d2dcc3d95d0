#include "tools/TfrmAltalanosHelp.h"

#include "common/FrameworkText.h"
#include "tools/HelpListStyle.h"
#include "tools/HelpTexts.h"
#include "tools/TfrmMoreHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmAltalanosHelp.h"

TfrmAltalanosHelp* frmAltalanosHelp = nullptr;

TfrmAltalanosHelp::TfrmAltalanosHelp(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmAltalanosHelp>()) {
    ui_->setupUi(this);
    StyleHelpList(*ui_->lstAltalanosHelp);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    ui::OnClicked(ui_->btnAltalanosHelpOk, [this] { btnAltalanosHelpOkClick(); });
    ui::OnClicked(ui_->btnAltalanosHelpMoreHelp, [this] { btnAltalanosHelpMoreHelpClick(); });
}

TfrmAltalanosHelp::~TfrmAltalanosHelp() = default;

void TfrmAltalanosHelp::SetHelpTopic(const std::string& topic) {
    topic_ = topic;
    // The list follows at once, so whoever looks before the window is
    // activated already sees the topic's text.
    FormActivate();
}

void TfrmAltalanosHelp::SetMoreHelpVisible(bool visible) {
    ui_->btnAltalanosHelpMoreHelp->setVisible(visible);
}

bool TfrmAltalanosHelp::MoreHelpVisible() const {
    return !ui_->btnAltalanosHelpMoreHelp->isHidden();
}

ui::ListBox* TfrmAltalanosHelp::lstAltalanosHelp() const {
    return ui_->lstAltalanosHelp;
}

void TfrmAltalanosHelp::FormActivate() {
    const std::string topic = Trim(topic_);
    ui::ListBox& list = *ui_->lstAltalanosHelp;
    list.BeginUpdate();
    list.Clear();
    for (const HelpTopic& entry : HelpTopics()) {
        if (AnsiSameText(entry.key, topic))
            list.AddItems(entry.lines);
    }
    list.EndUpdate();
}

void TfrmAltalanosHelp::btnAltalanosHelpOkClick() {
    SetModalResult(ui::Answer::Ok);
}

void TfrmAltalanosHelp::btnAltalanosHelpMoreHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}

void ShowHelpWindow(const std::string& topic, bool offerMoreHelp) {
    if (!frmAltalanosHelp)
        return;
    frmAltalanosHelp->SetHelpTopic(topic);
    frmAltalanosHelp->SetMoreHelpVisible(offerMoreHelp);
    ui::desktop().ShowModal(*frmAltalanosHelp);
}
