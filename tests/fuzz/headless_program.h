#pragma once
// What both fuzz targets start with: the toolkit on the offscreen platform, message boxes
// answered, the pictures from the source tree.

#include <string>

#include "1-framework/testing.h"

inline void StartHeadlessProgram() {
  // The toolkit keeps argc by reference and may take its own options out of argv: give it a
  // copy that lives as long as the process, not the fuzzer's.
  static int argc = 1;
  static char name[] = "fuzzer";
  static char* argv[] = {name, nullptr};
  fw::testing::InitForTests(argc, argv);
  fw::testing::AnswerMessageBoxes(true);
  fw::testing::SetResourceFolder(std::string(SOURCE_DIR) + "/2-common/pictures");
}
