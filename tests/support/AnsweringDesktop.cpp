#include "support/AnsweringDesktop.h"

#include "ui/ListBox.h"

#include <QWidget>

#include <map>

namespace testsupport {

ui::Answer AnsweringDesktop::MessageBox(const ui::MessageBoxRequest& request) {
    ShownBox box{
        NumberOf(request.caption), request.caption,         request.text, request.icon, request.buttons,
        request.defaultButton,     request.owner != nullptr};
    shown_.push_back(box);
    auto answer = answers_.find(box.number);
    if (answer != answers_.end())
        return answer->second;
    switch (request.buttons) {
    case ui::Buttons::YesNo:
    case ui::Buttons::YesNoCancel:
        return ui::Answer::Yes;
    case ui::Buttons::Ok:
    case ui::Buttons::OkCancel:
        break;
    }
    return ui::Answer::Ok;
}

std::string AnsweringDesktop::ShownNumbers() const {
    std::string numbers;
    for (const ShownBox& box : shown_)
        numbers += (numbers.empty() ? "" : " ") + box.number;
    return numbers;
}

std::string AnsweringDesktop::ShownTexts() const {
    std::string texts;
    for (const ShownBox& box : shown_)
        texts += "\n    " + box.number + ": " + box.text;
    return texts;
}

bool AnsweringDesktop::WasShown(const std::string& number) const {
    for (const ShownBox& box : shown_)
        if (box.number == number)
            return true;
    return false;
}

std::string ListBoxContents(const QWidget& window) {
    std::map<std::string, std::vector<std::string>> lists;
    for (const ui::ListBox* list : window.findChildren<ui::ListBox*>())
        lists[list->objectName().toStdString()] = list->Items();
    std::string text;
    for (const auto& [name, items] : lists) {
        if (items.empty())
            continue;
        text += name + ":";
        for (const std::string& item : items)
            text += " " + item + " |";
        text += "\n";
    }
    return text;
}

} // namespace testsupport
