#pragma once
// What a page may ask of the main window. TfrmMain implements it; the pages
// below it in the build only see this interface.

#include "tools/MainWindowTexts.h"

#include <string>

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;
    // Tabs are named by their objectName ("tabFolderCreate03" ...).
    virtual void SetTabEnabled(const std::string& tabName, bool enabled) = 0;
    virtual void ShowTab(const std::string& tabName) = 0;
    // The texts the main window set when it was created.
    virtual const MainWindowTexts& Texts() const = 0;
};
