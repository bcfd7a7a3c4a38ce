// The calculator window as built: its controls, their first state, the pictures, the window's
// frame, the tab order, its menu bar and the entries found through it.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "2-common/menu_bar1.h"
#include "4-app/startup.h"
#include "calculator_fixture.h"
#include "1-framework/application.h"
#include "1-framework/menu.h"
#include "1-framework/picture.h"

namespace {

using calctest::CalculatorTest;
using fw::testing::FocusedControlName;
using fw::testing::IsShown;
using fw::testing::Key;

class CalculatorWindow : public CalculatorTest {};

TEST_F(CalculatorWindow, holds_exactly_the_fourteen_named_controls_in_creation_order) {
  auto w = Calculator();
  EXPECT_EQ(
      w->ControlNames(),
      (std::vector<std::string>{"RdFld", "RdText", "StaticText1", "RxxFld", "StaticText2", "RyyFld",
                                "StaticText3", "RxyFld", "ComputeCanvas", "ClearCanvas",
                                "HelpCanvas", "Canvas1", "StaticText4", "Separator1"}));
  // Every accessor finds its own control, and the same one each time.
  EXPECT_EQ(w->RxxFld(), w->RxxFld());
  EXPECT_EQ(w->RxxFld(), w->ControlByName("RxxFld"));
  EXPECT_EQ(w->Separator1(), w->ControlByName("Separator1"));
  EXPECT_EQ(w->StaticText4(), w->ControlByName("StaticText4"));
  EXPECT_NE(w->RxxFld(), w->RyyFld());
}

TEST_F(CalculatorWindow, starts_with_the_result_hidden_read_only_and_the_inputs_empty_and_limited) {
  auto w = Calculator();
  EXPECT_FALSE(IsShown(*w->RdFld()));
  EXPECT_FALSE(IsShown(*w->RdText()));
  EXPECT_TRUE(w->RdFld()->ReadOnly());
  EXPECT_EQ(w->RdFld()->Text(), "");
  EXPECT_EQ(w->RdFld()->MaximumCharactersAllowed(), 0);

  const std::pair<std::shared_ptr<fw::TextField>, std::int64_t> inputs[] = {
      {w->RxxFld(), 8}, {w->RyyFld(), 8}, {w->RxyFld(), 7}};
  for (const auto& [field, limit] : inputs) {
    SCOPED_TRACE(field->Name());
    EXPECT_TRUE(IsShown(*field));
    EXPECT_FALSE(field->ReadOnly());
    EXPECT_TRUE(field->Enabled());
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(field->MaximumCharactersAllowed(), limit);
  }
}

TEST_F(CalculatorWindow, is_titled_fixed_in_size_and_has_its_menu_bar_above_the_content) {
  auto w = Calculator();
  EXPECT_TRUE(w->IsVisible());
  EXPECT_EQ(w->Title(), "Mireldantholm");
  EXPECT_FALSE(w->Resizeable());
  EXPECT_TRUE(w->HasCloseButton());
  EXPECT_TRUE(w->HasMinimizeButton());
  EXPECT_FALSE(w->HasMaximizeButton());
  const fw::testing::Geometry g = fw::testing::WindowGeometry(*w);
  EXPECT_EQ(g.contentWidth, 560);
  EXPECT_EQ(g.contentHeight, 480);
  EXPECT_GT(g.contentTop, 0);
  EXPECT_EQ(fw::testing::MenuCaptions(*w), (std::vector<std::string>{"&File", "&Edit"}));
}

TEST_F(CalculatorWindow, edit_menu_opens_with_its_items_and_two_plain_rules) {
  auto w = Calculator();
  EXPECT_EQ(fw::testing::OpenMenuRows(*w, "EditUndo"),
            (std::vector<std::string>{"&Undo\tCtrl+Z", "(rule)", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                      "&Paste\tCtrl+V", "Clear", "(rule)", "Select &All\tCtrl+A"}));
}

struct CanvasCase {
  const char* name;
  std::int64_t width, height;
};

void PrintTo(const CanvasCase& row, std::ostream* os) {
  *os << row.name;
}

class CanvasPictures : public CalculatorTest, public ::testing::WithParamInterface<CanvasCase> {};

TEST_P(CanvasPictures, each_canvas_shows_a_picture_the_size_of_the_canvas) {
  const CanvasCase& row = GetParam();
  auto w = Calculator();
  auto canvas = w->ControlNamed<fw::Canvas>(row.name);
  ASSERT_NE(canvas->Backdrop(), nullptr);
  EXPECT_TRUE(IsShown(*canvas));
  EXPECT_EQ(canvas->Width(), row.width);
  EXPECT_EQ(canvas->Height(), row.height);
  EXPECT_EQ(canvas->Backdrop()->Width(), row.width);
  EXPECT_EQ(canvas->Backdrop()->Height(), row.height);
}

INSTANTIATE_TEST_SUITE_P(CalculatorWindow, CanvasPictures,
                         ::testing::Values(CanvasCase{"ComputeCanvas", 120, 40},
                                           CanvasCase{"ClearCanvas", 120, 48},
                                           CanvasCase{"HelpCanvas", 120, 48},
                                           CanvasCase{"Canvas1", 493, 85}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorWindow, credit_label_lies_on_the_banner_and_goes_with_it) {
  auto w = Calculator();
  auto banner = w->Canvas1();
  auto credit = w->StaticText4();
  EXPECT_TRUE(IsShown(*credit));
  EXPECT_GE(credit->Left(), banner->Left());
  EXPECT_GE(credit->Top(), banner->Top());
  EXPECT_LE(credit->Left() + credit->Width(), banner->Left() + banner->Width());
  EXPECT_LE(credit->Top() + credit->Height(), banner->Top() + banner->Height());

  // A control placed on the banner disappears with it.
  banner->SetVisible(false);
  EXPECT_FALSE(IsShown(*credit));
  EXPECT_TRUE(credit->Visible());
  banner->SetVisible(true);
  EXPECT_TRUE(IsShown(*credit));
}

TEST_F(CalculatorWindow, a_click_on_the_credit_line_runs_nothing_though_one_on_the_banner_does) {
  auto w = Calculator();
  // The credit line covers 45..514 x 65..85 of the content, on the banner's 32..525 x 0..85.
  fw::testing::ClickWindow(*w, 100, 75);
  EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr);

  fw::testing::ClickWindow(*w, 100, 40);
  EXPECT_NE(fw::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr);
}

// Presses Tab in whichever field has the focus, `presses` times; the focus after each.
std::vector<std::string> TabThrough(ControlWnd& w, int presses) {
  std::vector<std::string> visited;
  for (int i = 0; i < presses; ++i) {
    const std::string focused = FocusedControlName();
    if (focused.empty()) break;
    fw::testing::PressKey(*w.ControlNamed<fw::RectControl>(focused), Key::Tab);
    visited.push_back(FocusedControlName());
  }
  return visited;
}

TEST_F(CalculatorWindow, tab_cycles_through_the_three_inputs_while_the_result_is_hidden) {
  auto w = Calculator();
  w->RxxFld()->SetFocus();
  EXPECT_EQ(TabThrough(*w, 6),
            (std::vector<std::string>{"RyyFld", "RxyFld", "RxxFld", "RyyFld", "RxyFld", "RxxFld"}));
}

TEST_F(CalculatorWindow, tab_reaches_the_result_field_once_it_is_shown) {
  auto w = Calculator();
  TypeInputs(*w, "13", "9", ".44");
  PressCompute(*w);
  ASSERT_TRUE(IsShown(*w->RdFld()));
  w->RxxFld()->SetFocus();
  EXPECT_EQ(TabThrough(*w, 8), (std::vector<std::string>{"RyyFld", "RxyFld", "RdFld", "RxxFld",
                                                         "RyyFld", "RxyFld", "RdFld", "RxxFld"}));
  EXPECT_EQ(fw::testing::BeepCount(), 0);
}

TEST_F(CalculatorWindow, canvases_never_take_the_focus_when_clicked) {
  auto w = Calculator();
  TypeInputs(*w, "13", "9", ".44");
  w->RxyFld()->SetFocus();
  fw::testing::Click(*w->ComputeCanvas(), 5, 5);
  EXPECT_EQ(FocusedControlName(), "RxyFld");
  // A press on the rule under the banner takes no focus either.
  fw::testing::Click(*w->Separator1(), 2, 2);
  EXPECT_EQ(FocusedControlName(), "RxyFld");
  EXPECT_TRUE(fw::testing::MessageBoxTexts().empty());
}

TEST_F(CalculatorWindow, shares_its_menu_bar_with_the_application) {
  if (!fw::App()) NewAppInstance();
  ASSERT_NE(fw::App(), nullptr);
  auto w = Calculator();
  ASSERT_NE(w->MenuBar(), nullptr);
  EXPECT_EQ(w->MenuBar(), MenuBar1::Instance());
  EXPECT_EQ(w->MenuBar(), fw::App()->MenuBar());
}

class MenuEntries : public CalculatorTest {};

TEST_F(MenuEntries, are_found_from_the_bar_also_inside_the_menus) {
  auto w = Calculator();
  auto undo = w->EditUndo();
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->Name(), "EditUndo");
  EXPECT_EQ(w->MenuBar()->Child("EditUndo"), nullptr);  // not a menu of the bar itself
  EXPECT_EQ(w->EditMenu()->Child("EditUndo"), undo);
  EXPECT_EQ(w->FileMenu(), w->MenuBar()->Child("FileMenu"));
  EXPECT_EQ(w->EditMenu(), w->MenuBar()->Child("EditMenu"));
}

TEST_F(MenuEntries, quit_is_the_frameworks_quit_item_in_the_file_menu) {
  auto w = Calculator();
  auto quit = w->FileQuit();
  ASSERT_NE(quit, nullptr);
  std::shared_ptr<fw::MenuItem> entry = w->MenuBar()->Lookup("FileQuit");
  EXPECT_NE(std::dynamic_pointer_cast<fw::QuitMenuItem>(entry), nullptr);
  ASSERT_EQ(w->FileMenu()->Count(), 1u);
  EXPECT_EQ(w->FileMenu()->Item(0), entry);
}

TEST_F(MenuEntries, separators_follow_undo_and_precede_select_all) {
  auto w = Calculator();
  auto edit = w->EditMenu();
  ASSERT_EQ(edit->Count(), 8u);  // Undo, -, Cut, Copy, Paste, Clear, -, Select All
  EXPECT_EQ(edit->Item(0), w->EditUndo());
  EXPECT_EQ(edit->Item(1), w->UntitledMenu1());
  EXPECT_TRUE(w->UntitledMenu1()->IsSeparator());
  EXPECT_EQ(edit->Item(2), w->EditCut());
  EXPECT_EQ(edit->Item(3), w->EditCopy());
  EXPECT_EQ(edit->Item(4), w->EditPaste());
  EXPECT_EQ(edit->Item(5), w->EditClear());
  EXPECT_EQ(edit->Item(6), w->UntitledMenu0());
  EXPECT_TRUE(w->UntitledMenu0()->IsSeparator());
  EXPECT_EQ(edit->Item(7), w->EditSelectAll());
  EXPECT_NE(w->UntitledMenu0(), w->UntitledMenu1());
}

TEST_F(MenuEntries, select_all_and_copy_put_the_shown_result_on_the_clipboard) {
  auto w = Calculator();
  TypeInputs(*w, "13", "9", ".44");
  PressCompute(*w);
  ASSERT_EQ(w->RdFld()->Text(), ".5777");
  fw::testing::SetClipboardText("nothing yet");
  w->RdFld()->SetFocus();
  ASSERT_EQ(FocusedControlName(), "RdFld");

  fw::testing::ChooseMenuItem(*w, "EditSelectAll");
  EXPECT_EQ(fw::testing::SelectedText(*w->RdFld()), ".5777");
  fw::testing::ChooseMenuItem(*w, "EditCopy");

  EXPECT_EQ(fw::testing::ClipboardText(), ".5777");
  EXPECT_EQ(w->RdFld()->Text(), ".5777");
}

}  // namespace
