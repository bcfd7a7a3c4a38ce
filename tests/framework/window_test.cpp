// Windows: construction events, implicit instances, hiding and closing, controls by name,
// default events, geometry.

#include "1-framework/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "1-framework/menu.h"
#include "1-framework/testing.h"
#include "test_window.h"

namespace {

using fwtest::TestWnd;

// Built hidden: its layout ends with Visible False.
class HiddenWnd : public TestWnd {
 public:
  void Layout() override {
    TestWnd::Layout();
    SetProperties({{"Visible", false}});
  }
};

// Handles no event at all: everything keeps the framework's default.
class BareWnd : public fw::Window {};

// Its layout block is wrong, so it can never be built.
class BrokenLayoutWnd : public fw::Window {
 public:
  const fw::WindowEventTable& HandledEvents() const override {
    static const fw::WindowEventTable table = {{"Layout", fw::Handles(&BrokenLayoutWnd::Layout)}};
    return table;
  }
  void Layout() { SetProperties({{"Width", "wide"}}); }
};

// Binds KeyDown to a handler that takes no key.
class MisboundWnd : public fw::Window {
 public:
  const fw::WindowEventTable& HandledEvents() const override {
    static const fw::WindowEventTable table = {{"KeyDown", fw::Handles(&MisboundWnd::Open)}};
    return table;
  }
  void Open() {}
};

class Windows : public fwtest::FrameworkTest {};

TEST_F(Windows, are_built_by_layout_createcontrols_addmenuhandlers_and_open_once_in_order) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  EXPECT_EQ(wnd->events,
            (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
  EXPECT_TRUE(wnd->IsVisible());
  EXPECT_EQ(wnd->Title(), "Test window");
  EXPECT_TRUE(wnd->IsEventImplemented("Open"));
  EXPECT_FALSE(wnd->IsEventImplemented("KeyDown"));
}

TEST_F(Windows, built_with_visible_false_stay_hidden_until_shown) {
  auto wnd = fw::ImplicitInstance<HiddenWnd>();
  EXPECT_EQ(wnd->events.back(), "Open");  // the overridden Layout ran through the table
  EXPECT_FALSE(wnd->IsVisible());
  EXPECT_FALSE(fw::testing::IsShown(*wnd->Field()));
  wnd->Show();
  EXPECT_TRUE(wnd->IsVisible());
  EXPECT_TRUE(fw::testing::IsShown(*wnd->Field()));
}

TEST_F(Windows, have_one_implicit_instance_while_they_live) {
  auto first = fw::ImplicitInstance<TestWnd>();
  auto second = fw::ImplicitInstance<TestWnd>();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->events.size(), 4u);  // not built a second time
  EXPECT_EQ(fw::GetImplicitWindow("TestWnd.TestWnd"), first);
}

TEST_F(Windows, are_registered_under_their_class_name_twice) {
  EXPECT_EQ(fw::RegisteredClassName(typeid(TestWnd)), "TestWnd.TestWnd");
  EXPECT_EQ(fw::RegisteredClassName(typeid(HiddenWnd)), "HiddenWnd.HiddenWnd");
}

TEST_F(Windows, of_different_classes_are_different_instances) {
  auto test = fw::ImplicitInstance<TestWnd>();
  auto hidden = fw::ImplicitInstance<HiddenWnd>();
  EXPECT_NE(std::static_pointer_cast<fw::Window>(test),
            std::static_pointer_cast<fw::Window>(hidden));
  EXPECT_EQ(fw::LiveWindows().size(), 2u);
  EXPECT_EQ(fw::LiveWindows().front(), test);
}

TEST_F(Windows, once_hidden_are_still_found) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->Hide();
  EXPECT_FALSE(wnd->IsVisible());
  EXPECT_FALSE(wnd->IsClosed());
  EXPECT_EQ(fw::ImplicitInstance<TestWnd>(), wnd);
  EXPECT_EQ(wnd->events.size(), 4u);
}

TEST_F(Windows, closed_by_the_user_raise_close_and_are_built_anew_next_time) {
  auto old = fw::ImplicitInstance<TestWnd>();
  fw::testing::CloseByUser(*old);
  EXPECT_EQ(old->events.back(), "Close");
  EXPECT_TRUE(old->IsClosed());
  EXPECT_FALSE(old->IsVisible());
  EXPECT_EQ(fw::GetImplicitWindow("TestWnd.TestWnd"), nullptr);

  auto fresh = fw::ImplicitInstance<TestWnd>();
  EXPECT_NE(fresh, old);
  EXPECT_EQ(fresh->events,
            (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
}

#ifndef __APPLE__
TEST_F(Windows, closing_the_last_visible_one_quits_with_status_zero) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto hidden = fw::ImplicitInstance<HiddenWnd>();
  fw::testing::CloseByUser(*wnd);
  ASSERT_TRUE(fw::testing::QuitCode().has_value());
  EXPECT_EQ(*fw::testing::QuitCode(), 0);
}

TEST_F(Windows, closing_one_of_two_visible_windows_does_not_quit) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto other = fw::ImplicitInstance<HiddenWnd>();
  other->Show();
  fw::testing::CloseByUser(*wnd);
  EXPECT_FALSE(fw::testing::QuitCode().has_value());
}
#endif

TEST_F(Windows, whose_layout_fails_are_not_left_behind) {
  EXPECT_THROW(fw::ImplicitInstance<BrokenLayoutWnd>(), fw::PropertyException);
  EXPECT_EQ(fw::GetImplicitWindow(fw::RegisteredClassName(typeid(BrokenLayoutWnd))), nullptr);
  EXPECT_TRUE(fw::LiveWindows().empty());
}

TEST_F(Windows, keep_the_default_for_events_they_do_not_handle) {
  auto wnd = fw::ImplicitInstance<BareWnd>();
  EXPECT_TRUE(wnd->IsVisible());
  EXPECT_NO_THROW(wnd->RaiseEvent("Activate"));
  EXPECT_FALSE(wnd->RaiseKeyDown("a"));
  EXPECT_FALSE(wnd->RaiseMouseDown(3, 4));
  // Real input with no handler: nothing happens, the window stays.
  fw::testing::PressKeyInWindow(*wnd, "x");
  fw::testing::ClickWindow(*wnd, 10, 10);
  EXPECT_FALSE(wnd->IsClosed());
  EXPECT_FALSE(fw::testing::QuitCode().has_value());
}

TEST_F(Windows, refuse_a_handler_that_does_not_take_the_events_arguments) {
  auto wnd = fw::ImplicitInstance<MisboundWnd>();
  try {
    wnd->RaiseKeyDown("a");
    FAIL() << "no EventBindingException";
  } catch (const fw::EventBindingException& e) {
    EXPECT_NE(std::string(e.what()).find("KeyDown"), std::string::npos) << e.what();
  }
}

TEST_F(Windows, find_their_controls_by_name) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  EXPECT_EQ(wnd->ControlNames(),
            (std::vector<std::string>{"Field", "Other", "Caption", "Picture", "Plain", "Clock"}));
  auto field = wnd->ControlNamed<fw::TextField>("Field");
  EXPECT_EQ(std::static_pointer_cast<fw::Control>(field), wnd->ControlByName("Field"));
  EXPECT_EQ(field->Name(), "Field");
  EXPECT_EQ(field->OwnerWindow(), wnd);
}

TEST_F(Windows, give_nil_or_nilobjectexception_for_a_missing_control) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  EXPECT_EQ(wnd->ControlByName("Missing"), nullptr);
  EXPECT_THROW(wnd->ControlNamed<fw::TextField>("Missing"), fw::NilObjectException);
  EXPECT_THROW(wnd->ControlNamed<fw::TextField>("Caption"), fw::IllegalCastException);
  EXPECT_THROW(wnd->AddControl("Nothing", nullptr), fw::NilObjectException);
}

TEST_F(Windows, that_are_not_resizeable_keep_their_content_size_under_a_menu_bar) {
  auto wnd = fw::ImplicitInstance<TestWnd>();  // 240 x 160, Resizeable False
  wnd->SetMenuBar(fwtest::MakeMenuBar());
  fw::testing::ProcessEvents();
  auto geometry = fw::testing::WindowGeometry(*wnd);
  EXPECT_EQ(geometry.contentWidth, 240);
  EXPECT_EQ(geometry.contentHeight, 160);
  EXPECT_GT(geometry.contentTop, 0);  // the menu bar is above the content
  EXPECT_EQ(geometry.height, geometry.contentTop + 160);
  EXPECT_EQ(fw::testing::MenuCaptions(*wnd), (std::vector<std::string>{"&File", "&Edit"}));

  wnd->SetProperties({{"Width", 300}, {"Height", 120}});
  fw::testing::ProcessEvents();
  geometry = fw::testing::WindowGeometry(*wnd);
  EXPECT_EQ(geometry.contentWidth, 300);
  EXPECT_EQ(geometry.contentHeight, 120);
}

TEST_F(Windows, put_the_content_at_the_top_when_the_menu_bar_is_hidden) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(fwtest::MakeMenuBar());
  wnd->SetProperties({{"MenuBarVisible", false}});
  fw::testing::ProcessEvents();
  auto geometry = fw::testing::WindowGeometry(*wnd);
  EXPECT_EQ(geometry.contentTop, 0);
  EXPECT_EQ(geometry.contentHeight, 160);
}

}  // namespace
