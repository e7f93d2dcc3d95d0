#pragma once
// The program's windows for window tests of every area: created once per test
// program, as the program entry creates them, and kept until the program ends.
//
// The main window's start-up runs in a drive sandbox of its own (C: only) that
// lives as long as the test program: its settings file is written there, and
// while no test has mapped drives of its own, C: is that sandbox, so nothing a
// window saves ever lands outside it. Start-up asks nothing of the desktop; a
// box it showed would fail the test that first needed the windows.

#include <gtest/gtest.h>

namespace testsupport {

// Creates the windows unless they exist.
void EnsureProgramWindows();

// Points every process-wide window pointer (frmMain, frmFileExport ...) at the
// window the entry created for it again, whatever a test put there since.
void RestoreProgramWindowPointers();

// Base of window tests: the windows exist before the suite's first test, and
// each test starts with the pointers at the entry's windows.
class ProgramWindowsFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureProgramWindows(); }
    void SetUp() override { RestoreProgramWindowPointers(); }
};

} // namespace testsupport
