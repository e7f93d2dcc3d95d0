#include "ui/Desktop.h"

#include <algorithm>
#include <cassert>

namespace ui {

namespace {

Desktop* current = nullptr;

// Kept to the very end of the process: windows that watch boxes may outlive
// the objects of this file.
std::vector<BoxWatcher*>& Watchers() {
    static auto* watchers = new std::vector<BoxWatcher*>;
    return *watchers;
}

Desktop& Installed() {
    assert(current && "no desktop installed");
    return *current;
}

// Tells the watchers that a box is up, for as long as it is. A watcher
// removed while the box was up is not told of its end.
class BoxUp {
public:
    BoxUp() : told_(Watchers()) {
        for (BoxWatcher* watcher : told_)
            watcher->BeforeBox();
    }
    ~BoxUp() {
        for (auto it = told_.rbegin(); it != told_.rend(); ++it)
            if (std::ranges::find(Watchers(), *it) != Watchers().end())
                (*it)->AfterBox();
    }
    BoxUp(const BoxUp&) = delete;
    BoxUp& operator=(const BoxUp&) = delete;

private:
    std::vector<BoxWatcher*> told_;
};

// The desktop every caller gets: the installed one, with the watchers told
// around everything that waits for a person.
class WatchedDesktop final : public Desktop {
public:
    Answer MessageBox(const MessageBoxRequest& request) override {
        BoxUp up;
        return Installed().MessageBox(request);
    }
    Answer ShowModal(Form& window) override {
        BoxUp up;
        return Installed().ShowModal(window);
    }
    std::string BrowseForFolder(QWidget* owner, const std::string& title) override {
        BoxUp up;
        return Installed().BrowseForFolder(owner, title);
    }
    std::string OpenFileName(const FileDialogRequest& request) override {
        BoxUp up;
        return Installed().OpenFileName(request);
    }
    std::string SaveFileName(const FileDialogRequest& request) override {
        BoxUp up;
        return Installed().SaveFileName(request);
    }
    bool ShellOpen(const std::string& target) override { return Installed().ShellOpen(target); }
    void ProcessMessages() override { Installed().ProcessMessages(); }
    void ShowFrameworkError(const std::string& text) override {
        BoxUp up;
        Installed().ShowFrameworkError(text);
    }
    void ShowMessage(const std::string& text) override {
        BoxUp up;
        Installed().ShowMessage(text);
    }
};

} // namespace

Desktop& desktop() {
    assert(current && "no desktop installed");
    static auto* watched = new WatchedDesktop;
    return *watched;
}

Desktop* SetDesktop(Desktop* d) {
    Desktop* previous = current;
    current = d;
    return previous;
}

void AddBoxWatcher(BoxWatcher& watcher) {
    if (std::ranges::find(Watchers(), &watcher) == Watchers().end())
        Watchers().push_back(&watcher);
}

void RemoveBoxWatcher(BoxWatcher& watcher) {
    std::erase(Watchers(), &watcher);
}

Answer ShowBox(QWidget* owner, const std::string& caption, const std::string& text, Icon icon,
               Buttons buttons, Answer defaultButton) {
    MessageBoxRequest request;
    request.owner = owner;
    request.caption = caption;
    request.text = text;
    request.icon = icon;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return desktop().MessageBox(request);
}

} // namespace ui
