#pragma once
// The program's windows for window tests of every area, made as the program
// entry makes them. Each test gets them as the program starts: a test after
// another that had them gets them made anew, with the shared settings as at
// program start, so that nothing one test leaves in a page or a tool window
// reaches the next when a test program runs whole, in any order.
//
// The main window's start-up runs in a drive sandbox of its own (C: only) that
// lives as long as the windows: its settings file is written there, and while
// no test has mapped drives of its own, C: is that sandbox, so nothing a
// window saves ever lands outside it. Start-up asks nothing of the desktop; a
// box it showed would fail the test that needed the windows.

#include <gtest/gtest.h>

namespace testsupport {

// Creates the windows unless they exist.
void EnsureProgramWindows();

// Destroys the windows and the sandbox they were made in; a program that
// made them calls it before it ends, so that nothing of them is left to the
// destruction of statics, whose order nobody chose.
void DestroyProgramWindowsAndTheirSandbox();

// The windows for a test: as EnsureProgramWindows, but made anew when an
// earlier test was given them.
void GiveProgramWindowsToATest();

// Base of window tests: each test starts with the windows as the program
// makes them at start. They are given out as the fixture is made, before any
// member of a test's own fixture, so that a sandbox a fixture holds maps its
// drives over the windows' own.
class ProgramWindowsFixture : public ::testing::Test {
protected:
    ProgramWindowsFixture() { GiveProgramWindowsToATest(); }
};

} // namespace testsupport
