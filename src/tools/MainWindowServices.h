#pragma once
// What a page may ask of the main window. TfrmMain implements it; the pages
// below it in the build only see this interface.

#include "tools/MainWindowTexts.h"
#include "ui/PageTabs.h"

#include <string>

class MainWindowServices : public ui::PageTabs {
public:
    // Tabs are named as PageTabs names them.
    virtual void ShowTab(const std::string& tabName) = 0;
    // The texts the main window set when it was created.
    virtual const MainWindowTexts& Texts() const = 0;
};
