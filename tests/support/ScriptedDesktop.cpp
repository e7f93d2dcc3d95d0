#include "support/ScriptedDesktop.h"

#include "ui/Form.h"

#include <gtest/gtest.h>

#include <cctype>

namespace testsupport {

namespace {
const char* KindName(int kind) {
    static const char* names[] = {"message box", "modal window",    "browse dialog", "open dialog",
                                  "save dialog", "framework error", "plain message"};
    return names[kind];
}
} // namespace

ScriptedDesktop::ScriptedDesktop() {
    previous_ = ui::SetDesktop(this);
}

ScriptedDesktop::~ScriptedDesktop() {
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected " << KindName(e.kind) << " '" << e.key << "' was never shown";
    ui::SetDesktop(previous_);
}

void ScriptedDesktop::ExpectBox(const std::string& number, ui::Answer answer) {
    expected_.push_back({Expected::Box, number, answer, {}});
}
void ScriptedDesktop::ExpectModal(const std::string& objectName, std::function<void(ui::Form&)> action) {
    expected_.push_back({Expected::Modal, objectName, ui::Answer::None, std::move(action)});
}
void ScriptedDesktop::ExpectBrowse(const std::string& folder) {
    expected_.push_back({Expected::Browse, folder, ui::Answer::Ok, {}});
}
void ScriptedDesktop::ExpectOpenFile(const std::string& file) {
    expected_.push_back({Expected::OpenFile, file, ui::Answer::Ok, {}});
}
void ScriptedDesktop::ExpectSaveFile(const std::string& file) {
    expected_.push_back({Expected::SaveFile, file, ui::Answer::Ok, {}});
}
void ScriptedDesktop::ExpectFrameworkError(const std::string& text) {
    expected_.push_back({Expected::FrameworkError, text, ui::Answer::Ok, {}});
}
void ScriptedDesktop::ExpectMessage(const std::string& text) {
    expected_.push_back({Expected::Message, text, ui::Answer::Ok, {}});
}

bool ScriptedDesktop::AllUsed() const {
    return expected_.empty();
}

const ShownBox& ScriptedDesktop::LastBox() const {
    static const ShownBox none;
    return boxes_.empty() ? none : boxes_.back();
}

std::vector<std::string> ScriptedDesktop::BoxNumbers() const {
    std::vector<std::string> numbers;
    for (const ShownBox& box : boxes_)
        numbers.push_back(box.number);
    return numbers;
}

std::string ScriptedDesktop::NumberOf(const std::string& caption) {
    for (size_t end = caption.size(); end >= 4; --end) {
        bool digits = true;
        for (size_t i = end - 4; i < end; ++i)
            digits = digits && std::isdigit(static_cast<unsigned char>(caption[i]));
        if (digits)
            return caption.substr(end - 4, 4);
    }
    return "";
}

ScriptedDesktop::Expected ScriptedDesktop::Take(Expected::Kind kind, const std::string& what) {
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << ": " << what;
        return {kind, "", ui::Answer::Cancel, {}};
    }
    Expected next = expected_.front();
    if (next.kind != kind) {
        ADD_FAILURE() << "expected " << KindName(next.kind) << " '" << next.key << "' but got "
                      << KindName(kind) << ": " << what;
        return {kind, "", ui::Answer::Cancel, {}};
    }
    expected_.pop_front();
    return next;
}

ui::Answer ScriptedDesktop::MessageBox(const ui::MessageBoxRequest& request) {
    ShownBox box{
        NumberOf(request.caption), request.caption,         request.text, request.icon, request.buttons,
        request.defaultButton,     request.owner != nullptr};
    boxes_.push_back(box);
    Expected e = Take(Expected::Box, box.number + " " + box.caption + " | " + box.text);
    if (e.kind == Expected::Box && !e.key.empty() && e.key != box.number) {
        ADD_FAILURE() << "expected box " << e.key << " but got " << box.number << ": " << box.caption << " | "
                      << box.text;
    }
    return e.answer;
}

ui::Answer ScriptedDesktop::ShowModal(ui::Form& window) {
    std::string name = window.objectName().toStdString();
    modalWindows_.push_back(name);
    Expected e = Take(Expected::Modal, name);
    if (e.key != name) {
        if (!e.key.empty())
            ADD_FAILURE() << "expected modal window " << e.key << " but got " << name;
        return ui::Answer::Cancel;
    }
    window.BeginModal();
    if (e.action)
        e.action(window);
    return window.ModalResult();
}

std::string ScriptedDesktop::BrowseForFolder(QWidget*, const std::string& title) {
    browseTitles_.push_back(title);
    return Take(Expected::Browse, title).key;
}

std::string ScriptedDesktop::OpenFileName(const ui::FileDialogRequest& request) {
    fileDialogs_.push_back(request);
    return Take(Expected::OpenFile, request.title).key;
}

std::string ScriptedDesktop::SaveFileName(const ui::FileDialogRequest& request) {
    fileDialogs_.push_back(request);
    return Take(Expected::SaveFile, request.title).key;
}

bool ScriptedDesktop::ShellOpen(const std::string& target) {
    shellOpens_.push_back(target);
    return !refuseShellOpens_;
}

void ScriptedDesktop::ProcessMessages() {
    ++processMessagesCalls_;
    if (processHook_)
        processHook_();
}

void ScriptedDesktop::ShowFrameworkError(const std::string& text) {
    messages_.push_back(text);
    Expected e = Take(Expected::FrameworkError, text);
    if (e.kind == Expected::FrameworkError && !e.key.empty() && e.key != text)
        ADD_FAILURE() << "expected framework error '" << e.key << "' but got '" << text << "'";
}

void ScriptedDesktop::ShowMessage(const std::string& text) {
    messages_.push_back(text);
    Expected e = Take(Expected::Message, text);
    if (e.kind == Expected::Message && !e.key.empty() && e.key != text)
        ADD_FAILURE() << "expected message '" << e.key << "' but got '" << text << "'";
}

} // namespace testsupport
