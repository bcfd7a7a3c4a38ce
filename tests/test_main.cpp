// The shared main of the test programs: a headless toolkit application, then GoogleTest.

#include <gtest/gtest.h>

#include "1-framework/testing.h"

int main(int argc, char** argv) {
  fw::testing::InitForTests(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  // The toolkit runs threads of its own: a death test's child starts afresh, never forked.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
