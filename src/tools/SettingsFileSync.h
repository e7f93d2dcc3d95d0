#pragma once
// Saving and reloading the settings file from the tool windows that keep it.
// A save that failed leaves the person's choices only in memory. Until a later
// save succeeds the file is older than memory, and reloading it would quietly
// throw those choices away, so reloads are skipped meanwhile.

// Writes every shared setting to the settings file. False after message 0130;
// the previous file is then left as it was.
bool SaveSharedSettings();

// Empties the settings lists and loads them from the settings file, unless the
// last save failed.
void ReloadSharedSettings();

// Whether memory holds settings that the last save could not write.
bool SharedSettingsUnsaved();
