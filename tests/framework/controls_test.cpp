// Controls: text that lives in the widgets, lines separated by carriage returns, visibility,
// enabled state, focus and read-only fields, all observed through real input.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "1-framework/label.h"
#include "1-framework/separator.h"
#include "1-framework/testing.h"
#include "1-framework/text_area.h"
#include "1-framework/text_field.h"
#include "test_window.h"

namespace {

using fwtest::TestWnd;

class Controls : public fwtest::FrameworkTest {};

TEST_F(Controls, labels_keep_lines_separated_by_carriage_returns) {
  auto label = std::make_shared<fw::Label>();
  label->SetProperties({{"Value", "first\rsecond"}, {"Multiline", true}});
  EXPECT_EQ(label->Text(), "first\rsecond");
  // A screen reader reads the caption as one line.
  EXPECT_EQ(label->AccessibleName(), "first second");
}

TEST_F(Controls, text_areas_keep_lines_separated_by_carriage_returns) {
  auto area = std::make_shared<fw::TextArea>();
  area->SetText("one\rtwo\rthree");
  EXPECT_EQ(area->Text(), "one\rtwo\rthree");
}

TEST_F(Controls, text_fields_keep_text_in_any_script) {
  auto field = std::make_shared<fw::TextField>();
  field->SetText("\xE2\x82\xAC 5,00 \xC3\xA9");
  EXPECT_EQ(field->Text(), "\xE2\x82\xAC 5,00 \xC3\xA9");
}

TEST_F(Controls, text_fields_have_no_character_limit_by_default) {
  auto field = std::make_shared<fw::TextField>();
  EXPECT_EQ(field->MaximumCharactersAllowed(), 0);
  field->SetText(std::string(1000, '7'));
  EXPECT_EQ(field->Text().size(), 1000u);
  field->SetMaximumCharactersAllowed(8);
  EXPECT_EQ(field->MaximumCharactersAllowed(), 8);
  field->SetMaximumCharactersAllowed(0);
  EXPECT_EQ(field->MaximumCharactersAllowed(), 0);
}

TEST_F(Controls, read_only_fields_ignore_typing_but_still_report_keys) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  field->SetProperties({{"Value", "12"}, {"ReadOnly", true}});
  fw::testing::TypeText(*field, "3");
  EXPECT_EQ(field->Text(), "12");
  EXPECT_EQ(wnd->fieldKeys, std::vector<std::string>{"3"});
}

TEST_F(Controls, show_with_their_window_unless_set_invisible) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto caption = wnd->ControlNamed<fw::Label>("Caption");
  EXPECT_TRUE(caption->Visible());
  EXPECT_TRUE(fw::testing::IsShown(*caption));
  caption->SetProperties({{"Visible", false}});
  EXPECT_FALSE(caption->Visible());
  EXPECT_FALSE(fw::testing::IsShown(*caption));
  wnd->Hide();
  caption->SetVisible(true);
  EXPECT_TRUE(caption->Visible());               // set to show ...
  EXPECT_FALSE(fw::testing::IsShown(*caption));  // ... once its window does
}

TEST_F(Controls, disabled_canvases_take_no_clicks) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->Picture()->SetProperties({{"Enabled", false}});
  EXPECT_FALSE(wnd->Picture()->Enabled());
  fw::testing::Click(*wnd->Picture(), 5, 5);
  EXPECT_TRUE(wnd->canvasClicks.empty());
}

TEST_F(Controls, disabled_fields_take_no_keys) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->Field()->SetEnabled(false);
  fw::testing::TypeText(*wnd->Field(), "5");
  EXPECT_TRUE(wnd->fieldKeys.empty());
  EXPECT_EQ(wnd->Field()->Text(), "");
}

TEST_F(Controls, take_the_focus_when_asked) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->Other()->SetFocus();
  // The window becomes active through the event loop.
  ASSERT_TRUE(fw::testing::WaitUntil([&] { return wnd->Other()->HasFocus(); }));
  EXPECT_EQ(fw::testing::FocusedControlName(), "Other");
  wnd->Field()->SetFocus();
  EXPECT_TRUE(wnd->Field()->HasFocus());
  EXPECT_FALSE(wnd->Other()->HasFocus());
  EXPECT_EQ(fw::testing::FocusedControlName(), "Field");
}

TEST_F(Controls, labels_separators_and_plain_canvases_never_take_the_focus) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto separator = wnd->New<fw::Separator>();
  wnd->AddControl("Rule", separator);
  wnd->Field()->SetFocus();
  ASSERT_TRUE(fw::testing::WaitUntil([&] { return wnd->Field()->HasFocus(); }));
  wnd->ControlNamed<fw::Label>("Caption")->SetFocus();
  EXPECT_EQ(fw::testing::FocusedControlName(), "Field");
  separator->SetFocus();
  EXPECT_EQ(fw::testing::FocusedControlName(), "Field");
  wnd->Plain()->SetFocus();
  EXPECT_EQ(fw::testing::FocusedControlName(), "Field");
}

TEST_F(Controls, placed_on_another_control_keep_window_coordinates) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto inner = wnd->New<fw::Canvas>();
  wnd->AddControl("Inner", inner);
  // Inner sits on Plain (at 120, 90) at window position (130, 100). Neither canvas takes the
  // click, so it goes on to the window, which sees it in window coordinates.
  inner->SetProperties(
      {{"Left", 130}, {"Top", 100}, {"Width", 10}, {"Height", 10}, {"InitialParent", "Plain"}});
  EXPECT_EQ(inner->Left(), 130);
  fw::testing::Click(*inner, 1, 2);
  EXPECT_EQ(wnd->windowClicks, (std::vector<std::pair<std::int64_t, std::int64_t>>{{131, 102}}));
}

TEST_F(Controls, cannot_be_placed_on_a_missing_parent) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  EXPECT_THROW(wnd->Field()->SetInitialParent("Missing"), fw::NilObjectException);
  auto loose = std::make_shared<fw::Canvas>();
  EXPECT_THROW(loose->SetInitialParent(""), fw::NilObjectException);  // on no window yet
}

}  // namespace
