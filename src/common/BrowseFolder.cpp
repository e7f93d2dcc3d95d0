#include "common/BrowseFolder.h"

#include "ui/Desktop.h"

std::string BrowseForFolder(QWidget* owner, const std::string& title) {
    std::string folder = ui::desktop().BrowseForFolder(owner, title);
    // The shell hands back a root as "C:\" and every other folder without a
    // trailing backslash; callers append "\" + name, so keep that form.
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    return folder;
}
