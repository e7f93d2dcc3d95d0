#pragma once
// The help window: the text of one topic, chosen by the caller before it
// shows the window.

#include "ui/Form.h"

#include <memory>
#include <string>

namespace Ui {
class TfrmAltalanosHelp;
}
namespace ui {
class ListBox;
}

class TfrmAltalanosHelp : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmAltalanosHelp(QWidget* parent = nullptr);
    ~TfrmAltalanosHelp() override;

    // "CreateStrings", "CreateManually" ...: compared trimmed and ignoring
    // case; a topic the program does not know shows an empty window.
    void SetHelpTopic(const std::string& topic);
    // The pages offer further help; the file selection window does not.
    void SetMoreHelpVisible(bool visible);
    bool MoreHelpVisible() const;

    ui::ListBox* lstAltalanosHelp() const;

    // Shows the stored topic's text; runs whenever the window is activated.
    void FormActivate();
    void btnAltalanosHelpOkClick();
    void btnAltalanosHelpMoreHelpClick();

private:
    std::unique_ptr<Ui::TfrmAltalanosHelp> ui_;
    std::string topic_;
};

extern TfrmAltalanosHelp* frmAltalanosHelp;

// A Help button's click: the help window on the topic, modal, with "More
// Help" offered or not. Before the window is made there is nothing to show.
void ShowHelpWindow(const std::string& topic, bool offerMoreHelp = true);
