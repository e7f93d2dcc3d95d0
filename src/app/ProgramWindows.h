#pragma once
// The program's windows. They are created once, in a fixed order with the main
// window first, reachable through their process-wide pointers (frmMain,
// frmFileImport ...), and live until the program ends.

// Creates every window in its order and sets its pointer. The main window's
// start-up runs while it is created, before any other window exists. Does
// nothing when the windows already exist.
void CreateProgramWindows();

// Whether CreateProgramWindows has made them.
bool ProgramWindowsExist();

// Deletes the windows at exit, in the reverse order of their creation (the
// main window last), and clears their pointers.
void DestroyProgramWindows();
