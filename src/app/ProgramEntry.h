#pragma once
// The program entry: the application object, the desktop, every window of the
// program, and the message loop until the main window closes.

#include <functional>

namespace ui {
class Desktop;
}

// Returns 0, also after an error that reached it (shown in the framework's
// error box first).
int WinMain(int argc, char** argv);

// What the entry does once the application object exists: lets writes beyond
// the file-size limit fail instead of ending the process, installs the
// desktop, creates the windows with `createWindows`, runs the message loop
// until the main window closes, and takes the windows down again.
int RunProgram(ui::Desktop& desktop, const std::function<void()>& createWindows);
