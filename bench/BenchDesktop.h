#pragma once
// The desktop the benchmarks that drive windows without the program's own
// desktop stand on: it takes the place of the current one while it lives,
// opens no dialog, lets pending events run as the program's own desktop does,
// and prints framework errors. Each benchmark answers the boxes and modal
// windows its own way.

#include "ui/Desktop.h"
#include "ui/PendingEventPacer.h"


#include <cstdio>
#include <string>

namespace benchdesktop {

class BenchDesktopBase : public ui::Desktop {
public:
    BenchDesktopBase() { previous_ = ui::SetDesktop(this); }
    ~BenchDesktopBase() override { ui::SetDesktop(previous_); }

    std::string BrowseForFolder(QWidget*, const std::string&) override { return ""; }
    std::string OpenFileName(const ui::FileDialogRequest&) override { return ""; }
    std::string SaveFileName(const ui::FileDialogRequest&) override { return ""; }
    bool ShellOpen(const std::string&) override { return true; }
    void ProcessMessages() override { ui::ProcessPendingEventsWhenDue(); }
    void ShowFrameworkError(const std::string& text) override {
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    void ShowMessage(const std::string&) override {}

private:
    ui::Desktop* previous_ = nullptr;
};

} // namespace benchdesktop
