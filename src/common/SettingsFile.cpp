#include "common/SettingsFile.h"

#include "common/FileHelpers.h"
#include "common/SettingLists.h"

std::string SettingsFileName(const std::string& fileName) {
    const std::string given = TrimBlanks(fileName);
    return given.empty() ? GetStartDirectory() + "\\" + "default.set" : given;
}
