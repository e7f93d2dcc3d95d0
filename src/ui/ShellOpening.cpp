#include "ui/ShellOpening.h"

#include "ui/Desktop.h"

namespace ui {

std::string ShellOpenFailedText(const std::string& target) {
    return "Could not open " + target + "\nThis computer has no program set up to show it.";
}

bool OpenInShell(const std::string& target) {
    if (desktop().ShellOpen(target))
        return true;
    desktop().ShowMessage(ShellOpenFailedText(target));
    return false;
}

} // namespace ui
