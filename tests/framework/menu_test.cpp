// Menus: the tree of items, lookup by name, the standard Edit items, Quit, window handlers.

#include "1-framework/menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "1-framework/testing.h"
#include "test_window.h"

namespace {

using fwtest::MakeMenuBar;
using fwtest::TestWnd;

class Menus : public fwtest::FrameworkTest {};

TEST_F(Menus, keep_their_entries_in_the_order_added) {
  auto bar = MakeMenuBar();
  ASSERT_EQ(bar->Count(), 2u);
  EXPECT_EQ(bar->Item(0)->Name(), "FileMenu");
  EXPECT_EQ(bar->Item(1)->Name(), "EditMenu");
  EXPECT_EQ(bar->Item(2), nullptr);
  EXPECT_EQ(bar->Item(1)->Item(2)->Name(), "EditCopy");
}

TEST_F(Menus, find_only_direct_children_with_child) {
  auto bar = MakeMenuBar();
  ASSERT_NE(bar->Child("EditMenu"), nullptr);
  EXPECT_EQ(bar->Child("EditMenu")->Value(), "&Edit");
  EXPECT_EQ(bar->Child("EditCopy"), nullptr);
  EXPECT_EQ(bar->Child("EditMenu")->Child("EditCopy")->Name(), "EditCopy");
}

TEST_F(Menus, find_entries_anywhere_below_with_lookup) {
  auto bar = MakeMenuBar();
  auto copy = bar->Lookup("EditCopy");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy, bar->Child("EditMenu")->Child("EditCopy"));
  EXPECT_EQ(bar->Lookup("FileMenu"), bar->Child("FileMenu"));
  EXPECT_EQ(bar->Lookup("Missing"), nullptr);
  EXPECT_THROW(bar->AddMenu(nullptr), fw::NilObjectException);
}

TEST_F(Menus, of_a_window_are_found_by_name_through_its_bar) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  auto bar = MakeMenuBar();
  wnd->SetMenuBar(bar);
  EXPECT_EQ(wnd->MenuBar(), bar);
  EXPECT_EQ(wnd->MenuItemNamed<fw::MenuItem>("EditPaste"), bar->Lookup("EditPaste"));
  EXPECT_NE(wnd->MenuItemNamed<fw::QuitMenuItem>("FileQuit"), nullptr);
  EXPECT_THROW(wnd->MenuItemNamed<fw::QuitMenuItem>("EditPaste"), fw::IllegalCastException);
  EXPECT_THROW(wnd->MenuItemNamed<fw::MenuItem>("Missing"), fw::NilObjectException);
}

TEST_F(Menus, cannot_be_searched_on_a_window_without_a_menu_bar) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  EXPECT_THROW(wnd->MenuItemNamed<fw::MenuItem>("EditCopy"), fw::NilObjectException);
}

TEST_F(Menus, edit_items_copy_and_paste_between_focused_fields) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  fw::testing::SetClipboardText("");
  wnd->Field()->SetText("hello");
  wnd->Field()->SetFocus();
  fw::testing::ChooseMenuItem(*wnd, "EditSelectAll");
  EXPECT_EQ(fw::testing::SelectedText(*wnd->Field()), "hello");
  fw::testing::ChooseMenuItem(*wnd, "EditCopy");
  EXPECT_EQ(fw::testing::ClipboardText(), "hello");

  wnd->Other()->SetFocus();
  fw::testing::ChooseMenuItem(*wnd, "EditPaste");
  EXPECT_EQ(wnd->Other()->Text(), "hello");
  EXPECT_EQ(wnd->Field()->Text(), "hello");
}

TEST_F(Menus, edit_cut_moves_the_selection_to_the_clipboard) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  wnd->Other()->SetText("12.5");
  wnd->Other()->SetFocus();
  fw::testing::ChooseMenuItem(*wnd, "EditSelectAll");
  fw::testing::ChooseMenuItem(*wnd, "EditCut");
  EXPECT_EQ(fw::testing::ClipboardText(), "12.5");
  EXPECT_EQ(wnd->Other()->Text(), "");
}

TEST_F(Menus, edit_paste_respects_the_fields_character_limit) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  wnd->Other()->SetProperties({{"MaximumCharactersAllowed", 8}});
  fw::testing::SetClipboardText("123456789");
  wnd->Other()->SetFocus();
  fw::testing::ChooseMenuItem(*wnd, "EditPaste");
  EXPECT_EQ(wnd->Other()->Text(), "12345678");
}

TEST_F(Menus, enable_edit_copy_only_with_a_selection) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  wnd->Field()->SetText("42");
  wnd->Field()->SetFocus();
  EXPECT_FALSE(fw::testing::EnabledWhenMenuOpens(*wnd, "EditCopy"));
  fw::testing::ChooseMenuItem(*wnd, "EditSelectAll");
  EXPECT_TRUE(fw::testing::EnabledWhenMenuOpens(*wnd, "EditCopy"));
}

TEST_F(Menus, enable_edit_paste_only_for_an_editable_field_and_a_clipboard_with_text) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  wnd->Other()->SetFocus();
  fw::testing::SetClipboardText("");
  EXPECT_FALSE(fw::testing::EnabledWhenMenuOpens(*wnd, "EditPaste"));
  fw::testing::SetClipboardText("3");
  EXPECT_TRUE(fw::testing::EnabledWhenMenuOpens(*wnd, "EditPaste"));
  wnd->Other()->SetReadOnly(true);
  EXPECT_FALSE(fw::testing::EnabledWhenMenuOpens(*wnd, "EditPaste"));
}

TEST_F(Menus, quit_item_quits_with_status_zero) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  ASSERT_FALSE(fw::testing::QuitCode().has_value());
  fw::testing::ChooseMenuItem(*wnd, "FileQuit");
  EXPECT_EQ(fw::testing::QuitCode(), std::optional<int>(0));
}

TEST_F(Menus, quit_shortcut_quits_from_a_focused_field) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  wnd->Other()->SetFocus();
  fw::testing::PressShortcut(*wnd->Other(), "Ctrl+Q");
  EXPECT_EQ(fw::testing::QuitCode(), std::optional<int>(0));
  EXPECT_EQ(wnd->Other()->Text(), "");
}

TEST_F(Menus, run_the_windows_own_handler_before_the_standard_behaviour) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  int handled = 0;
  wnd->AddMenuHandler("EditSelectAll", [&] {
    ++handled;
    return true;
  });
  wnd->AddMenuHandler("FileQuit", [&] {
    ++handled;
    return true;
  });
  wnd->Field()->SetText("abc");
  wnd->Field()->SetFocus();
  fw::testing::ChooseMenuItem(*wnd, "EditSelectAll");
  fw::testing::ChooseMenuItem(*wnd, "FileQuit");
  EXPECT_EQ(handled, 2);
  EXPECT_EQ(fw::testing::SelectedText(*wnd->Field()), "");
  EXPECT_FALSE(fw::testing::QuitCode().has_value());
}

TEST_F(Menus, fall_back_to_the_standard_behaviour_when_the_window_handler_declines) {
  auto wnd = fw::ImplicitInstance<TestWnd>();
  wnd->SetMenuBar(MakeMenuBar());
  int asked = 0;
  wnd->AddMenuHandler("EditSelectAll", [&] {
    ++asked;
    return false;
  });
  wnd->Field()->SetText("abc");
  wnd->Field()->SetFocus();
  fw::testing::ChooseMenuItem(*wnd, "EditSelectAll");
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(fw::testing::SelectedText(*wnd->Field()), "abc");
  EXPECT_FALSE(wnd->HandleMenuItem("EditSelectAll"));
  EXPECT_FALSE(wnd->HandleMenuItem("NoSuchItem"));
}

}  // namespace
