#pragma once
// The base of the program's tests: each starts with no window, no recorded message, beep or
// quit, message boxes answered, and the pictures read from the source tree.

#include <gtest/gtest.h>

#include <string>

#include "1-framework/testing.h"

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::Reset();
    fw::testing::AnswerMessageBoxes(true);
    fw::testing::SetResourceFolder(std::string(SOURCE_DIR) + "/2-common/pictures");
  }
  void TearDown() override {
    fw::testing::AnswerMessageBoxes(true);
    fw::testing::Reset();
  }
};
