#pragma once
// The tutorial pages the help menu and the tutorials window open.

// Opens "basic.htm" of the start directory (where "default.set" lives) with
// the desktop's "open".
void OpenLocalTutorialPage();

// The maker's home web page. The project has no web page of its own yet, so
// this opens the local tutorial page instead.
void OpenMakerHomePage();
