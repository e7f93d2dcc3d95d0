#pragma once
// The illegal-character sets are filled by the main window at start; tests of
// the path rules fill them the same way first.

#include "common/IllegalCharacters.h"

#include <gtest/gtest.h>

class PathRulesTest : public testing::Test {
protected:
    void SetUp() override {
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
    }
};
