// Message boxes and beeps: answered by the test seam, and once through the real box.

#include "1-framework/message_box.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "1-framework/runtime.h"
#include "1-framework/testing.h"
#include "test_window.h"

namespace {

class MessageBoxes : public fwtest::FrameworkTest {};

TEST_F(MessageBoxes, answered_by_the_test_record_their_text_in_order) {
  fw::testing::AnswerMessageBoxes(true);
  fw::MsgBox("first");
  fw::MsgBox("second\rline");
  EXPECT_EQ(fw::testing::MessageBoxTexts(), (std::vector<std::string>{"first", "second\rline"}));
  EXPECT_EQ(fw::testing::OpenMessageBoxText(), std::nullopt);
}

TEST_F(MessageBoxes, shown_for_real_return_once_dismissed) {
  fw::testing::AnswerMessageBoxes(false);
  std::optional<std::string> seen;
  fw::testing::Later(std::chrono::milliseconds(50), [&] {
    seen = fw::testing::OpenMessageBoxText();
    fw::testing::DismissOpenMessageBox();
  });
  fw::MsgBox("hello");
  EXPECT_EQ(seen, std::optional<std::string>("hello"));
  EXPECT_EQ(fw::testing::OpenMessageBoxText(), std::nullopt);
}

TEST_F(MessageBoxes, still_show_after_a_quit_that_reset_forgot) {
  fw::Quit(0);
  fw::testing::Reset();
  fw::testing::AnswerMessageBoxes(false);
  std::optional<std::string> seen;
  fw::testing::Later(std::chrono::milliseconds(20), [&] {
    seen = fw::testing::OpenMessageBoxText();
    fw::testing::DismissOpenMessageBox();
  });
  fw::MsgBox("after quit");
  EXPECT_EQ(seen, std::optional<std::string>("after quit"));
}

TEST_F(MessageBoxes, are_forgotten_by_reset) {
  fw::MsgBox("old");
  fw::Beep();
  fw::testing::Reset();
  EXPECT_TRUE(fw::testing::MessageBoxTexts().empty());
  EXPECT_EQ(fw::testing::BeepCount(), 0);
}

TEST(Beeps, are_counted) {
  fw::testing::Reset();
  const int before = fw::testing::BeepCount();
  fw::Beep();
  fw::Beep();
  EXPECT_EQ(fw::testing::BeepCount(), before + 2);
  fw::testing::Reset();
}

}  // namespace
