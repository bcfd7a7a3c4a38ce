// Property blocks: applied in order, strict about names and types, kept values read back.

#include "1-framework/properties.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <variant>

#include "1-framework/label.h"
#include "1-framework/text_field.h"
#include "1-framework/timer.h"
#include "test_window.h"

namespace {

using fwtest::TestWnd;

class PropertyBlocks : public fwtest::FrameworkTest {};

TEST_F(PropertyBlocks, apply_in_order_so_a_later_value_of_a_property_wins) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetProperties({{"Width", 100}, {"Height", 90}, {"Width", 150}});
  EXPECT_EQ(wnd->Width(), 150);
  EXPECT_EQ(wnd->Height(), 90);

  auto caption = wnd->ControlNamed<fw::Label>("Caption");
  caption->SetProperties({{"Value", "first"}, {"Left", 3}, {"Value", "second"}});
  EXPECT_EQ(caption->Text(), "second");
  EXPECT_EQ(caption->Left(), 3);
}

TEST_F(PropertyBlocks, stop_at_a_bad_entry_keeping_what_came_before) {
  auto field = fw::ImplicitInstance<TestWnd>()->Field();
  EXPECT_THROW(field->SetProperties({{"Left", 5}, {"Bogus", 1}, {"Left", 9}}),
               fw::PropertyException);
  EXPECT_EQ(field->Left(), 5);
}

// One row per kind of holder: how to reach it in a fresh TestWnd.
struct HolderRow {
  const char* name;
  std::function<fw::PropertyHolder&(TestWnd&)> holder;
  fw::Property property;  // a property that holder cannot take
  std::string mentioned;  // what the error must name
};
void PrintTo(const HolderRow& row, std::ostream* os) {
  *os << row.name;
}

std::vector<HolderRow> RejectedProperties() {
  auto window = [](TestWnd& w) -> fw::PropertyHolder& { return w; };
  auto control = [](const char* name) {
    return [name](TestWnd& w) -> fw::PropertyHolder& { return *w.ControlByName(name); };
  };
  return {
      {"window_unknown_name", window, {"Colour", 1}, "Colour"},
      {"window_string_for_width", window, {"Width", "wide"}, "Width"},
      {"window_integer_for_title", window, {"Title", 3}, "Title"},
      {"window_string_for_a_kept_flag", window, {"Composite", "yes"}, "Composite"},
      {"field_unknown_name", control("Field"), {"Caption", "x"}, "Caption"},
      {"field_string_for_width", control("Field"), {"Width", "wide"}, "Width"},
      {"field_number_for_its_limit",
       control("Field"),
       {"MaximumCharactersAllowed", 8.0},
       "MaximumCharactersAllowed"},
      {"label_integer_for_value", control("Caption"), {"Value", 5}, "Value"},
      {"label_integer_for_a_kept_lock", control("Caption"), {"LockLeft", 1}, "LockLeft"},
      {"canvas_unknown_name", control("Picture"), {"Value", "x"}, "Value"},
      {"timer_number_for_period", control("Clock"), {"Period", 1.5}, "Period"},
      {"timer_has_no_place", control("Clock"), {"Left", 1}, "Left"},
  };
}

class PropertyBlockRejects : public fwtest::FrameworkTest,
                             public ::testing::WithParamInterface<HolderRow> {};

TEST_P(PropertyBlockRejects, with_an_exception_naming_the_property) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  fw::PropertyHolder& holder = GetParam().holder(*wnd);
  try {
    holder.SetProperties({GetParam().property});
    FAIL() << "no PropertyException";
  } catch (const fw::PropertyException& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().mentioned), std::string::npos) << e.what();
    EXPECT_EQ(e.ClassName(), "PropertyException");
  }
}

INSTANTIATE_TEST_SUITE_P(PropertyBlocks, PropertyBlockRejects,
                         ::testing::ValuesIn(RejectedProperties()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropertyBlocks, keep_properties_without_a_meaning_here_for_reading_back) {
  auto wnd = fw::ImplicitInstance<TestWnd>();  // its layout sets Composite True
  ASSERT_NE(wnd->KeptProperty("Composite"), nullptr);
  EXPECT_EQ(*wnd->KeptProperty("Composite"), fw::PropertyValue(true));
  EXPECT_EQ(wnd->KeptProperty("LiveResize"), nullptr);

  auto caption = wnd->ControlNamed<fw::Label>("Caption");  // created with LockLeft True
  ASSERT_NE(caption->KeptProperty("LockLeft"), nullptr);
  EXPECT_EQ(*caption->KeptProperty("LockLeft"), fw::PropertyValue(true));
  EXPECT_EQ(caption->KeptProperty("LockTop"), nullptr);

  caption->SetProperties({{"Index", 3}, {"DataSource", "db"}, {"LockLeft", false}});
  EXPECT_EQ(*caption->KeptProperty("Index"), fw::PropertyValue(std::int64_t{3}));
  EXPECT_EQ(*caption->KeptProperty("DataSource"), fw::PropertyValue(std::string("db")));
  EXPECT_EQ(*caption->KeptProperty("LockLeft"), fw::PropertyValue(false));
}

TEST_F(PropertyBlocks, accept_a_repeated_name_but_refuse_a_new_one) {
  auto field = fw::ImplicitInstance<TestWnd>()->Field();
  EXPECT_NO_THROW(field->SetProperties({{"Name", "Field"}}));
  EXPECT_THROW(field->SetProperties({{"Name", "Renamed"}}), fw::PropertyException);
  EXPECT_EQ(field->Name(), "Field");
}

TEST_F(PropertyBlocks, set_a_control_that_is_not_on_a_window_yet) {
  auto field = std::make_shared<fw::TextField>();
  field->SetProperties({{"Value", "abc"}, {"MaximumCharactersAllowed", 2}, {"ReadOnly", true}});
  EXPECT_EQ(field->Text(), "ab");  // the limit cuts the text already there
  EXPECT_EQ(field->MaximumCharactersAllowed(), 2);
  EXPECT_TRUE(field->ReadOnly());
}

TEST_F(PropertyBlocks, set_timer_period_and_run_mode) {
  auto timer = std::make_shared<fw::Timer>();
  timer->SetProperties({{"Period", 60000}, {"RunMode", 1}});
  EXPECT_EQ(timer->Period(), 60000);
  EXPECT_EQ(timer->RunMode(), 1);
  EXPECT_TRUE(timer->IsCounting());
  timer->SetProperties({{"RunMode", 0}});
  EXPECT_FALSE(timer->IsCounting());
}

}  // namespace
