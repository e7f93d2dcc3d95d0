#pragma once
// The tutorial pages the help menu and the tutorials window open.

#include <string>

// Opens "basic.htm" of the start directory (where "default.set" lives) with
// the desktop's "open".
void OpenLocalTutorialPage();

// The maker's home web page. The project has no web page of its own yet, so
// this opens the local tutorial page instead.
void OpenMakerHomePage();

// The Windows path of the tutorial page to open. The program carries the page
// in itself: when the start directory has no "basic.htm" (the program was
// started from a folder of its own choosing, a desktop menu, the build
// folder), the carried page is written there first; when the start directory
// takes no file, it is written to the program's cache folder and opened from
// there. Empty when neither can be written.
std::string LocalTutorialPagePath();
