#pragma once
// The tabs of the main window's page control, as a page's run asks for them:
// the other pages' tabs are disabled while it runs. The main window
// implements it; the runs below the pages see only this.

#include <string>

namespace ui {

class PageTabs {
public:
    virtual ~PageTabs() = default;
    // Tabs are named by their objectName ("tabFolderCreate03" ...).
    virtual void SetTabEnabled(const std::string& tabName, bool enabled) = 0;
};

} // namespace ui
