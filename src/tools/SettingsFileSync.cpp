#include "tools/SettingsFileSync.h"

#include "common/SettingsFile.h"
#include "ui/Desktop.h"

namespace {

bool unsaved = false;

} // namespace

bool SaveSharedSettings() {
    SettingsWriter writer("");
    unsaved = !writer.Save();
    if (unsaved)
        ui::desktop().MessageBox(SettingsWriter::FailureBox());
    return !unsaved;
}

void ReloadSharedSettings() {
    if (unsaved)
        return;
    SettingsReader reader("");
    reader.ClearAll();
    reader.Load();
}

bool SharedSettingsUnsaved() {
    return unsaved;
}
