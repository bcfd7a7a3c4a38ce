// Control events through real input: text field keys, canvas clicks, timers; delegates whose
// window has gone; input during a message box; user-interface calls from other threads.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "1-framework/dispatch.h"
#include "1-framework/message_box.h"
#include "1-framework/testing.h"
#include "test_window.h"

namespace {

using fwtest::TestWnd;
using Keys = std::vector<std::string>;
using Point = std::pair<std::int64_t, std::int64_t>;

class FieldKeys : public fwtest::FrameworkTest {};

TEST_F(FieldKeys, reach_the_delegate_one_by_one_and_then_the_field) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  fw::testing::TypeText(*field, "a1");
  EXPECT_EQ(wnd->fieldKeys, (Keys{"a", "1"}));
  EXPECT_EQ(field->Text(), "a1");
}

TEST_F(FieldKeys, taken_by_the_delegate_stay_out_of_the_field) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  field->SetText("x");
  wnd->swallowFieldKeys = true;
  fw::testing::TypeText(*field, "a1");
  fw::testing::PressKey(*field, fw::testing::Key::Backspace);
  EXPECT_EQ(wnd->fieldKeys, (Keys{"a", "1", "\b"}));
  EXPECT_EQ(field->Text(), "x");
}

TEST_F(FieldKeys, let_through_by_the_delegate_edit_the_field) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  fw::testing::TypeText(*field, "ab");
  fw::testing::PressKey(*field, fw::testing::Key::Backspace);
  EXPECT_EQ(field->Text(), "a");
}

TEST_F(FieldKeys, go_to_a_field_without_delegate_directly) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  fw::testing::TypeText(*wnd->Other(), "7.5");
  EXPECT_EQ(wnd->Other()->Text(), "7.5");
  EXPECT_TRUE(wnd->fieldKeys.empty());
}

TEST_F(FieldKeys, respect_the_maximum_characters_allowed) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  field->SetProperties({{"MaximumCharactersAllowed", 3}});
  fw::testing::TypeText(*field, "12345");
  EXPECT_EQ(field->Text(), "123");
  EXPECT_EQ(wnd->fieldKeys.size(), 5u);  // the delegate still saw every key
}

TEST_F(FieldKeys, with_the_primary_modifier_are_shortcuts_and_never_reach_the_delegate) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  field->SetText("abc");
  field->SetFocus();
  fw::testing::PressShortcut(*field, "Ctrl+A");
  EXPECT_TRUE(wnd->fieldKeys.empty());
  EXPECT_EQ(fw::testing::SelectedText(*field), "abc");  // the field's own select-all ran
}

struct SpecialKeyRow {
  const char* name;
  fw::testing::Key key;
  std::string text;
};
void PrintTo(const SpecialKeyRow& row, std::ostream* os) {
  *os << row.name;
}

class FieldSpecialKeys : public fwtest::FrameworkTest,
                         public ::testing::WithParamInterface<SpecialKeyRow> {};

TEST_P(FieldSpecialKeys, arrive_as_their_control_character) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  field->SetFocus();
  ASSERT_TRUE(fw::testing::WaitUntil([&] { return field->HasFocus(); }));
  wnd->swallowFieldKeys = true;
  fw::testing::PressKey(*field, GetParam().key);
  EXPECT_EQ(wnd->fieldKeys, Keys{GetParam().text});
  // Taken by the delegate, even Tab leaves the focus where it was.
  EXPECT_EQ(fw::testing::FocusedControlName(), "Field");
}

INSTANTIATE_TEST_SUITE_P(
    FieldKeys, FieldSpecialKeys,
    ::testing::Values(SpecialKeyRow{"backspace", fw::testing::Key::Backspace, "\b"},
                      SpecialKeyRow{"tab", fw::testing::Key::Tab, "\t"},
                      SpecialKeyRow{"return", fw::testing::Key::Return, "\r"},
                      SpecialKeyRow{"escape", fw::testing::Key::Escape, "\x1b"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FieldKeys, tab_not_taken_moves_the_focus_by_tab_index) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->Field()->SetFocus();
  ASSERT_TRUE(fw::testing::WaitUntil([&] { return wnd->Field()->HasFocus(); }));
  fw::testing::PressKey(*wnd->Field(), fw::testing::Key::Tab);
  EXPECT_EQ(wnd->fieldKeys, Keys{"\t"});
  EXPECT_EQ(fw::testing::FocusedControlName(), "Other");
}

class Delegates : public fwtest::FrameworkTest {};

TEST_F(Delegates, raised_directly_call_the_windows_handler) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto field = wnd->Field();
  wnd->swallowFieldKeys = true;
  EXPECT_TRUE(field->KeyDown.Raise(*field, "z"));
  EXPECT_EQ(wnd->fieldKeys, Keys{"z"});
}

TEST_F(Delegates, whose_window_is_gone_raise_nilobjectexception) {
  auto field = std::make_shared<fw::TextField>();
  {
    auto wnd = fw::ImplicitInstance<TestWnd>();
    field->KeyDown.Attach(
        fw::MakeDelegate(*wnd, &TestWnd::Field_KeyDown, "( TextField, String ) as Boolean"));
    fw::testing::CloseByUser(*wnd);
  }
  fw::testing::ProcessEvents();
  EXPECT_THROW(field->KeyDown.Raise(*field, "a"), fw::NilObjectException);
}

// A window whose field is handled by another window's operation.
class HostWnd : public fw::Window {
 public:
  const fw::WindowEventTable& HandledEvents() const override {
    static const fw::WindowEventTable table = {
        {"CreateControls", fw::Handles(&HostWnd::CreateControls)}};
    return table;
  }
  void CreateControls() {
    auto field = New<fw::TextField>();
    AddControl("Field", field);
    field->SetProperties({{"Left", 10}, {"Top", 10}, {"Width", 100}, {"Height", 22}});
  }
};

TEST_F(Delegates, whose_window_is_gone_reach_the_unhandled_exception_handler_from_real_keys) {
  auto host = fw::ImplicitInstance<HostWnd>();
  auto field = host->ControlNamed<fw::TextField>("Field");
  {
    auto handler = fw::ImplicitInstance<TestWnd>();
    field->KeyDown.Attach(
        fw::MakeDelegate(*handler, &TestWnd::Field_KeyDown, "( TextField, String ) as Boolean"));
    fw::testing::CloseByUser(*handler);
  }
  fw::testing::TypeText(*field, "a");
  EXPECT_EQ(field->Text(), "");  // a key whose handler failed does not go in
  ASSERT_EQ(fw::testing::QuitCode(), std::optional<int>(fw::kUnhandledExceptionStatus));
  EXPECT_TRUE(fw::Terminating());
  ASSERT_EQ(fw::testing::MessageBoxTexts().size(), 1u);
  EXPECT_NE(fw::testing::MessageBoxTexts()[0].find("NilObjectException"), std::string::npos)
      << fw::testing::MessageBoxTexts()[0];
}

class CanvasClicks : public fwtest::FrameworkTest {};

TEST_F(CanvasClicks, reach_the_mousedown_delegate_with_the_position) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  fw::testing::Click(*wnd->Picture(), 12, 7);
  EXPECT_EQ(wnd->canvasClicks, (std::vector<Point>{{12, 7}}));
  EXPECT_TRUE(wnd->windowClicks.empty());
}

TEST_F(CanvasClicks, without_a_handler_go_on_to_the_window_in_window_coordinates) {
  auto wnd = fw::ImplicitInstance<TestWnd>();  // Plain is at (120, 90)
  fw::testing::Click(*wnd->Plain(), 5, 6);
  EXPECT_TRUE(wnd->canvasClicks.empty());
  EXPECT_EQ(wnd->windowClicks, (std::vector<Point>{{125, 96}}));
}

TEST_F(CanvasClicks, reach_the_window_in_content_coordinates_below_a_menu_bar) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(fwtest::MakeMenuBar());
  fw::testing::ProcessEvents();
  ASSERT_GT(fw::testing::WindowGeometry(*wnd).contentTop, 0);
  fw::testing::Click(*wnd->Plain(), 5, 6);
  EXPECT_EQ(wnd->windowClicks, (std::vector<Point>{{125, 96}}));
}

TEST_F(CanvasClicks, on_the_bare_window_reach_its_mousedown) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  fw::testing::ClickWindow(*wnd, 200, 150);
  EXPECT_EQ(wnd->windowClicks, (std::vector<Point>{{200, 150}}));
}

class Timers : public fwtest::FrameworkTest {};

TEST_F(Timers, in_mode_one_fire_once_after_the_period) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto clock = wnd->Clock();
  clock->SetProperties({{"Period", 50}, {"RunMode", 1}});
  EXPECT_TRUE(clock->IsCounting());
  EXPECT_EQ(wnd->timerFired, 0);  // not before the event loop has run
  ASSERT_TRUE(fw::testing::WaitUntil([&] { return wnd->timerFired > 0; }));
  EXPECT_EQ(wnd->timerFired, 1);
  EXPECT_EQ(clock->RunMode(), 0);
  EXPECT_FALSE(clock->IsCounting());  // so it cannot fire again
}

TEST_F(Timers, fired_now_run_their_action_and_a_once_timer_stops) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto clock = wnd->Clock();
  clock->SetProperties({{"Period", 600000}, {"RunMode", 1}});
  fw::testing::FireTimer(*clock);
  EXPECT_EQ(wnd->timerFired, 1);
  EXPECT_EQ(clock->RunMode(), 0);
  EXPECT_FALSE(clock->IsCounting());
}

TEST_F(Timers, stop_when_their_window_closes) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto clock = wnd->Clock();
  clock->SetProperties({{"Period", 10}, {"RunMode", 1}});
  fw::testing::CloseByUser(*wnd);
  EXPECT_FALSE(clock->IsCounting());
  EXPECT_EQ(clock->RunMode(), 0);
}

class ModalSessions : public fwtest::FrameworkTest {};

TEST_F(ModalSessions, drop_keys_and_clicks_meant_for_the_windows) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  fw::testing::AnswerMessageBoxes(false);
  bool sawBox = false;
  fw::testing::Later(std::chrono::milliseconds(20), [&] {
    sawBox = fw::testing::OpenMessageBoxText().has_value();
    fw::testing::TypeText(*wnd->Field(), "9");
    fw::testing::Click(*wnd->Picture(), 1, 1);
    fw::testing::DismissOpenMessageBox();
  });
  fw::MsgBox("busy");
  EXPECT_TRUE(sawBox);
  EXPECT_TRUE(wnd->fieldKeys.empty());
  EXPECT_EQ(wnd->Field()->Text(), "");
  EXPECT_TRUE(wnd->canvasClicks.empty());
}

// User-interface operations called from another thread.
struct OffThreadRow {
  const char* name;
  std::function<void(TestWnd&)> action;
};
void PrintTo(const OffThreadRow& row, std::ostream* os) {
  *os << row.name;
}

class OffThreadCalls : public fwtest::FrameworkTest,
                       public ::testing::WithParamInterface<OffThreadRow> {};

TEST_P(OffThreadCalls, raise_threadaccessinguiexception_and_change_nothing) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->Field()->SetText("before");
  std::string caught = "nothing";
  std::thread worker([&] {
    try {
      GetParam().action(*wnd);
    } catch (const fw::ThreadAccessingUIException& e) {
      caught = e.ClassName();
    } catch (...) {
      caught = "another exception";
    }
  });
  worker.join();
  EXPECT_EQ(caught, "ThreadAccessingUIException");
  EXPECT_EQ(wnd->Field()->Text(), "before");
  EXPECT_TRUE(fw::testing::MessageBoxTexts().empty());
  EXPECT_EQ(fw::testing::BeepCount(), 0);
  EXPECT_TRUE(wnd->IsVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Threads, OffThreadCalls,
    ::testing::Values(
        OffThreadRow{"making_a_control", [](TestWnd&) { (void)std::make_shared<fw::Label>(); }},
        OffThreadRow{"a_message_box", [](TestWnd&) { fw::MsgBox("from a thread"); }},
        OffThreadRow{"a_beep", [](TestWnd&) { fw::Beep(); }},
        OffThreadRow{"a_property_block",
                     [](TestWnd& w) {
                       w.SetProperties({{"Width", 10}});
                     }},
        OffThreadRow{"finding_a_control", [](TestWnd& w) { (void)w.ControlByName("Field"); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
