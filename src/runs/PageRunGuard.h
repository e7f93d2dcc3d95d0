#pragma once
// What a creation page holds while one of its runs is under way, released on
// every way out of the run (an error box included): the page's busy flag with
// its input blocker, and the other pages' tabs disabled.

#include "runs/RunInputBlocker.h"
#include "ui/PageTabs.h"

#include <functional>
#include <string>
#include <vector>

class PageRunGuard {
public:
    PageRunGuard(bool& busy, QWidget& page) : busy_(busy), blocker_(page) { busy_ = true; }
    ~PageRunGuard() { busy_ = false; }
    PageRunGuard(const PageRunGuard&) = delete;
    PageRunGuard& operator=(const PageRunGuard&) = delete;

    // The guard for shared code below the pages, which cannot name it: a
    // step that runs its work while the page is busy.
    static std::function<void(const std::function<void()>&)> Around(bool& busy, QWidget& page) {
        return [&busy, &page](const std::function<void()>& work) {
            PageRunGuard guard(busy, page);
            work();
        };
    }

private:
    bool& busy_;
    RunInputBlocker blocker_;
};

class OtherTabsDisabled {
public:
    OtherTabsDisabled(ui::PageTabs& pageTabs, std::vector<std::string> tabs)
        : pageTabs_(pageTabs), tabs_(std::move(tabs)) {
        for (const std::string& tab : tabs_)
            pageTabs_.SetTabEnabled(tab, false);
    }
    ~OtherTabsDisabled() { EnableAgain(); }
    void EnableAgain() {
        for (const std::string& tab : tabs_)
            pageTabs_.SetTabEnabled(tab, true);
        tabs_.clear();
    }
    OtherTabsDisabled(const OtherTabsDisabled&) = delete;
    OtherTabsDisabled& operator=(const OtherTabsDisabled&) = delete;

private:
    ui::PageTabs& pageTabs_;
    std::vector<std::string> tabs_;
};
