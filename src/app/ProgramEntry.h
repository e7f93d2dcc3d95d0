#pragma once
// The program entry: the application object, the desktop, every window of the
// program, and the message loop until the main window closes.

// Returns 0, also after an error that reached it (shown in the framework's
// error box first).
int WinMain(int argc, char** argv);
