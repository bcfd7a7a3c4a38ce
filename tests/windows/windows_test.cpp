// The About and help windows, the menu bar as opened, and the calculator window as drawn.

#include <chrono>
#include <functional>
#include <map>

#include <gmock/gmock.h>

#include "1-framework/application.h"
#include "3-windows/about/about_wnd.h"
#include "3-windows/help/help_wnd.h"
#include "4-app/startup.h"
#include "program_test.h"

namespace {

using ::PrintTo;

using Windows = ProgramTest;
using Clock = std::chrono::steady_clock;

// The program as it starts, with a user who does `what` once its event loop runs: the status it
// ends with, or 99 when nothing ended it within three seconds. The statement of an EXPECT_EXIT.
[[noreturn]] void RunTheProgram(std::function<void()> what) {
  ft::Later(std::chrono::milliseconds(0), std::move(what));
  std::exit(RunUntilItEnds(&Main));
}

// The timer starts while the About window is built, between `before` and `built`. A key hands
// off at once and leaves it counting: shown again by the banner, the About window goes at 4 s.
TEST_F(Windows, start_up_opens_the_about_window_alone_and_its_timer_hands_off_at_four_seconds) {
  NewAppInstance();
  const auto before = Clock::now();
  LateStartup();
  const auto built = Clock::now();
  ASSERT_EQ(fw::LiveWindows().size(), 1u);
  auto about = fw::GetImplicitWindow("AboutWnd.AboutWnd");
  ASSERT_TRUE(about && about->IsVisible());
  ft::PressKeyInWindow(*about, " ");
  auto calculator = fw::GetImplicitWindow("ControlWnd.ControlWnd");
  ASSERT_TRUE(calculator && !about->IsVisible());
  ft::ClickWindow(*calculator, 100, 40);
  ASSERT_TRUE(about->IsVisible());
  ASSERT_TRUE(ft::WaitUntil([&] { return !about->IsVisible(); }, std::chrono::seconds(6)));
  const auto handedOff = Clock::now();
  auto ms = [](auto d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); };
  EXPECT_GE(ms(handedOff - before), 3900);
  EXPECT_LE(ms(handedOff - built), 4300);
  EXPECT_TRUE(calculator->IsVisible());
  EXPECT_EQ(fw::LiveWindows().size(), 2u);
  EXPECT_EQ(calculator->MenuBar(), fw::App()->MenuBar());
  // Once only: shown again afterwards, the About window stays.
  ft::ClickWindow(*calculator, 100, 40);
  EXPECT_FALSE(ft::WaitUntil([&] { return !about->IsVisible(); }, std::chrono::milliseconds(4500)));
}

// Where each window opens, and the title-bar buttons and sizing the window system is told of.
TEST_F(Windows, open_centred_or_over_the_calculator_with_their_own_title_bars) {
  auto calculator = Calculator();
  ft::Click(*calculator->HelpCanvas(), 5, 5);
  auto help = fw::ImplicitInstance<helpWnd>();
  ft::ClickWindow(*calculator, 100, 40);
  auto about = fw::ImplicitInstance<AboutWnd>();
  const ft::Frame screen = ft::ScreenArea(), calc = ft::FrameOf(*calculator);
  const auto centre = [&](const ft::Frame& f) {
    return std::pair{screen.x + (screen.width - f.width) / 2, screen.y + (screen.height - f.height) / 2};
  };
  const ft::Frame frames[] = {ft::FrameOf(*about), calc, ft::FrameOf(*help)};
  const std::tuple<const char*, std::pair<int, int>, const char*, const char*, bool> expected[] = {
      {"About", centre(frames[0]), "", "close minimise maximise", true},
      {"calculator", centre(calc), "Mireldantholm", "close minimise", false},
      {"help", {calc.x + 24, calc.y + 24}, "Vontrelaxis Info", "close minimise", false}};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const auto& [name, at, title, buttons, resizable] = expected[i];
    EXPECT_EQ(frames[i].title, title) << name;
    EXPECT_NEAR(frames[i].x, at.first, 3) << name;  // the toolkit may centre the frame or the content
    EXPECT_NEAR(frames[i].y, at.second, 3) << name;
    EXPECT_EQ(frames[i].buttons, buttons) << name;
    EXPECT_EQ(frames[i].resizable, resizable) << name;
  }
}

// Closing the About window before it gives way leaves no window: the program ends, and the
// calculator window is never built.
TEST_F(Windows, closing_the_about_window_before_the_hand_off_ends_the_program) {
  EXPECT_EXIT(RunTheProgram([] {
                ft::CloseByUser(*fw::GetImplicitWindow("AboutWnd.AboutWnd"));
                if (fw::GetImplicitWindow("ControlWnd.ControlWnd")) std::fputs("calculator built", stderr);
              }),
              ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("calculator built")));
}

// Ctrl+Q ends the program from the About and help windows too, not only from the calculator.
TEST_F(Windows, ctrl_q_quits_from_every_window) {
  EXPECT_EXIT(RunTheProgram([] {
                ft::PressShortcut(*fw::ImplicitInstance<AboutWnd>()->StaticText2(), "Ctrl+Q");
              }),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(RunTheProgram([] {
                ft::Click(*Calculator()->HelpCanvas(), 5, 5);
                ft::PressShortcut(*fw::ImplicitInstance<helpWnd>()->EditField1(), "Ctrl+Q");
              }),
              ::testing::ExitedWithCode(0), "");
}

struct HandOff {
  const char* name;
  void (*input)(AboutWnd&);
};
const HandOff kHandOffs[] = {
    {"key", [](AboutWnd& w) { ft::PressKeyInWindow(w, "q"); }},
    {"click_on_the_picture", [](AboutWnd& w) { ft::ClickWindow(w, 200, 100); }},
    {"click_beside_the_picture", [](AboutWnd& w) { ft::ClickWindow(w, 20, 280); }},
    {"click_on_the_notice", [](AboutWnd& w) { ft::Click(*w.StaticText2(), 20, 5); }},
};

class AboutHandOff : public ProgramTest, public ::testing::WithParamInterface<HandOff> {};

TEST_P(AboutHandOff, hides_the_about_window_and_shows_the_calculator_once) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  ASSERT_TRUE(ft::WaitUntil([&] { return about->IsVisible(); }));
  GetParam().input(*about);
  EXPECT_FALSE(about->IsVisible());
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  EXPECT_TRUE(calculator->IsVisible());
  // A press on the credit line reaches no canvas; the banner shows that same About window again.
  ft::ClickWindow(*calculator, 100, 75);
  EXPECT_FALSE(about->IsVisible());
  ft::ClickWindow(*calculator, 100, 40);
  EXPECT_TRUE(about->IsVisible());
  EXPECT_EQ(fw::ImplicitInstance<AboutWnd>(), about);
  EXPECT_EQ(fw::LiveWindows().size(), 2u);
}
NAMED_ROWS(About, AboutHandOff, kHandOffs);

// What assistive technology is told of the About window's picture and notice.
TEST_F(Windows, the_about_window_names_its_picture_and_notice) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  const auto notice = ft::AccessibilityOf(*about->StaticText2());
  EXPECT_EQ(notice.name, "Version 2.0  \xC2\xB7  Click or press any key to begin");
  EXPECT_EQ(notice.role, "StaticText");
  const auto picture = ft::AccessibilityOf(*about->Canvas1());
  EXPECT_EQ(picture.name, "Mireldantholm, Version 2.0, Validity coefficient correction");
  EXPECT_EQ(picture.role, "Graphic");
}

TEST_F(Windows, help_button_shows_one_help_window_whether_hidden_or_minimised) {
  auto w = Calculator();
  ft::Click(*w->HelpCanvas(), 5, 5);
  auto help = fw::ImplicitInstance<helpWnd>();
  ASSERT_TRUE(help->IsVisible());
  ft::MoveByUser(*help, 30, 40);
  help->Hide();
  ft::Click(*w->HelpCanvas(), 5, 5);
  EXPECT_TRUE(help->IsVisible());
  EXPECT_EQ(std::pair(ft::FrameOf(*help).x, ft::FrameOf(*help).y), std::pair(30, 40));
  ft::Minimise(*help);
  ft::Click(*w->HelpCanvas(), 5, 5);
  EXPECT_FALSE(ft::IsMinimised(*help));
  EXPECT_EQ(fw::ImplicitInstance<helpWnd>(), help);
  // The text takes typing; closed, the window comes back new, with the stored text.
  ft::TypeText(*help->EditField1(), "typed");
  EXPECT_NE(help->EditField1()->Text().find("typed"), std::string::npos);
  ft::CloseByUser(*help);
  EXPECT_EQ(fw::GetImplicitWindow("helpWnd.helpWnd"), nullptr);
  ft::Click(*w->HelpCanvas(), 5, 5);
  EXPECT_EQ(fw::ImplicitInstance<helpWnd>()->EditField1()->Text().rfind("Mireldantholm\r", 0), 0u);
}

// The help text keeps its outline: 26 paragraphs, the empty ones in place, the heading, the
// references' heading and a rule of 75 en dashes. The worked example's figures are those the
// calculator shows, the rules those it applies, and the references as published.
TEST_F(Windows, help_text_keeps_its_outline_and_states_what_the_calculator_does) {
  auto w = Calculator();
  Compute(*w, "13", "9", ".44");
  const std::string shown = w->RdFld()->Text();
  ft::Click(*w->HelpCanvas(), 5, 5);
  const std::string text = fw::ImplicitInstance<helpWnd>()->EditField1()->Text();
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r') lines.emplace_back();
    else lines.back().push_back(c);
  }
  ASSERT_EQ(lines.size(), 26u);
  std::string rule;
  for (int i = 0; i < 75; ++i) rule += "\xE2\x80\x93";
  for (const auto& [line, expected] : std::map<int, std::string>{
           {1, "Mireldantholm"}, {2, ""},  {4, ""},  {6, ""},  {8, ""},  {10, ""},  {11, ""},
           {12, "References"},   {14, ""}, {16, ""}, {18, ""}, {20, ""}, {21, rule}, {23, ""},
           {25, ""}})
    EXPECT_EQ(lines[line - 1], expected) << "line " << line;
  for (const std::string& stated : std::vector<std::string>{
           "is .44. The standard deviation of the test scores is 9 in the sample but 13",
        "the validity coefficient is .58.", shown + ", that is .58.", "IQ scores are above 90,",
        "Both standard deviations must be greater than zero, and the coefficient must lie "
        "between -1 and +1.",
        "This is Mireldantholm 2.0.", "(Thorndike, 1949).", "(see Sackett & Yang, 2000)",
        "Thorndike, R. L. (1949). Personnel selection", "New York: Wiley.",
        "Sackett, P. R., & Yang, H. (2000). Correction for range restriction",
        "Journal of Applied Psychology, 85(1), 112-118.", "Linn, R. L. (1968).",
        "Psychological Bulletin, 69(1), 69-73.", "Hunter, J. E., & Schmidt, F. L. (2004).",
        "(2nd ed.). Thousand Oaks, CA: Sage."})
    EXPECT_NE(text.find(stated), std::string::npos) << stated;
}

TEST_F(Windows, menu_items_are_enabled_when_their_menu_opens_as_they_can_act) {
  NewAppInstance();
  auto w = Calculator();
  EXPECT_TRUE(ft::EnabledWhenMenuOpens(*w, "FileQuit"));
  for (const char* item : {"EditSelectAll", "EditCopy", "EditUndo"})
    EXPECT_FALSE(ft::EnabledWhenMenuOpens(*w, item)) << item;
  Compute(*w, "13", "9", ".44");
  EXPECT_TRUE(ft::EnabledWhenMenuOpens(*w, "EditSelectAll"));
  EXPECT_FALSE(ft::EnabledWhenMenuOpens(*w, "EditCopy"));  // nothing selected
  ft::PressShortcut(*w->RxxFld(), "Ctrl+A");
  EXPECT_TRUE(ft::EnabledWhenMenuOpens(*w, "EditCopy"));
  EXPECT_TRUE(ft::EnabledWhenMenuOpens(*w, "EditCut"));
  w->RdFld()->SetFocus();
  ft::PressShortcut(*w->RdFld(), "Ctrl+A");
  EXPECT_TRUE(ft::EnabledWhenMenuOpens(*w, "EditCopy"));
  EXPECT_FALSE(ft::EnabledWhenMenuOpens(*w, "EditCut"));  // the result is read-only
  EXPECT_EQ(ft::OpenMenuRows(*w, "FileQuit"), std::vector<std::string>{"Quit\tCtrl+Q"});
  ft::PressShortcut(*w->RxxFld(), "Alt+E");
  EXPECT_EQ(ft::CloseOpenMenu(), "&Edit");
  EXPECT_EQ(ft::OpenMenuRows(*w, "EditUndo"),
            (std::vector<std::string>{"&Undo\tCtrl+Z", "(rule)", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                      "&Paste\tCtrl+V", "Clear", "(rule)", "Select &All\tCtrl+A"}));
}

}  // namespace
