#pragma once
// The desktop of the tests: answers each message box by its number (the four
// digits at the end of its caption), runs scripted actions on modal windows,
// returns scripted folder and file choices, records shell opens, and fails the
// running test on anything nobody expected. Installed for its lifetime.

#include "ui/Desktop.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct ShownBox {
    std::string number; // "0035"; "" when the caption carries none
    std::string caption;
    std::string text;
    ui::Icon icon = ui::Icon::None;
    ui::Buttons buttons = ui::Buttons::Ok;
    ui::Answer defaultButton = ui::Answer::None;
    bool hasOwner = false;
};

class ScriptedDesktop : public ui::Desktop {
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    // Scripting. Each expectation is used once, in the order given.
    void ExpectBox(const std::string& number, ui::Answer answer = ui::Answer::Ok);
    // A modal window of this objectName: the action runs while it is "shown"
    // and may set its modal result; the window's modal result is returned.
    void ExpectModal(const std::string& objectName, std::function<void(ui::Form&)> action = {});
    void ExpectBrowse(const std::string& folder); // "" = cancelled
    void ExpectOpenFile(const std::string& file); // "" = cancelled
    void ExpectSaveFile(const std::string& file); // "" = cancelled
    void ExpectFrameworkError(const std::string& text);
    void ExpectMessage(const std::string& text);
    // Shell opens are recorded; they succeed unless refused here (a desktop
    // with no program to open folders with).
    void RefuseShellOpens(bool refuse) { refuseShellOpens_ = refuse; }

    // What was shown, in order.
    const std::vector<ShownBox>& Boxes() const { return boxes_; }
    const ShownBox& LastBox() const;
    std::vector<std::string> BoxNumbers() const;
    const std::vector<std::string>& ShellOpens() const { return shellOpens_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<std::string>& ModalWindows() const { return modalWindows_; }
    const std::vector<std::string>& BrowseTitles() const { return browseTitles_; }
    const std::vector<ui::FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
    int ProcessMessagesCalls() const { return processMessagesCalls_; }
    // Runs on every ProcessMessages call (for input during a run).
    void OnProcessMessages(std::function<void()> hook) { processHook_ = std::move(hook); }
    // Whether every expectation was used; checked again at destruction.
    bool AllUsed() const;

    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override;
    ui::Answer ShowModal(ui::Form& window) override;
    std::string BrowseForFolder(QWidget* owner, const std::string& title) override;
    std::string OpenFileName(const ui::FileDialogRequest& request) override;
    std::string SaveFileName(const ui::FileDialogRequest& request) override;
    bool ShellOpen(const std::string& target) override;
    void ProcessMessages() override;
    void ShowFrameworkError(const std::string& text) override;
    void ShowMessage(const std::string& text) override;

    // The box number a caption carries: its last four consecutive digits.
    static std::string NumberOf(const std::string& caption);

private:
    struct Expected {
        enum Kind { Box, Modal, Browse, OpenFile, SaveFile, FrameworkError, Message } kind;
        std::string key;
        ui::Answer answer = ui::Answer::Ok;
        std::function<void(ui::Form&)> action;
    };
    Expected Take(Expected::Kind kind, const std::string& what);

    std::deque<Expected> expected_;
    std::vector<ShownBox> boxes_;
    std::vector<std::string> shellOpens_;
    std::vector<std::string> messages_;
    std::vector<std::string> modalWindows_;
    std::vector<std::string> browseTitles_;
    std::vector<ui::FileDialogRequest> fileDialogs_;
    std::function<void()> processHook_;
    int processMessagesCalls_ = 0;
    bool refuseShellOpens_ = false;
    ui::Desktop* previous_ = nullptr;
};

} // namespace testsupport
