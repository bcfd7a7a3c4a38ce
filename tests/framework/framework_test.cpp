// The framework's services as the program relies on them: number conversion, property blocks,
// delegates, the unhandled-exception handler and the named pictures.

#include <gmock/gmock.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>

#include "1-framework/dispatch.h"
#include "1-framework/runtime.h"
#include "1-framework/text.h"
#include "1-framework/timer.h"
#include "2-common/pictures.h"
#include "3-windows/about/about_wnd.h"
#include "4-app/startup.h"
#include "program_test.h"

namespace {

using ::PrintTo;

using Framework = ProgramTest;

struct Conversion {
  const char *name, *text;
  double value;
};
const Conversion kVal[] = {
    {"integer", "13", 13},      {"leading_point", ".44", 0.44},
    {"minus", "-.44", -0.44},   {"plus", "+2", 2},
    {"leading_blank", " 5", 5}, {"second_point_ends", "1.2.3", 1.2},
    {"no_exponent", "1e5", 1},  {"letters", "abc", 0},
    {"lone_point", ".", 0},     {"lone_minus", "-", 0},
    {"empty", "", 0},
};
class Val : public ::testing::TestWithParam<Conversion> {};
TEST_P(Val, reads_the_leading_number) {
  EXPECT_DOUBLE_EQ(fw::Val(GetParam().text), GetParam().value);
}
TEST(Text, Val_reads_a_number_too_long_for_a_double_as_the_largest) {
  EXPECT_EQ(fw::Val(std::string(400, '9')), std::numeric_limits<double>::max());
  EXPECT_EQ(fw::Val("-" + std::string(400, '9')), -std::numeric_limits<double>::max());
}
NAMED_ROWS(Text, Val, kVal);

struct Formatting {
  const char* name;
  double value;
  const char* text;
};
const Formatting kFormat[] = {
    {"rounds_to_four_places", 0.5776988, ".5777"},
    {"pads_with_zeros", 0.44, ".4400"},
    {"negative", -0.5776988, "-.5777"},
    {"one", 1.0, "1.0000"},
    {"rounds_up_to_one", 0.99995, "1.0000"},
    {"zero", 0.0, ".0000"},
    {"tiny_negative_has_no_sign", -1e-5, ".0000"},
    {"large", 1234.5, "1234.5000"},
    {"negative_infinity", -std::numeric_limits<double>::infinity(), "-INF"},
};
class Format : public ::testing::TestWithParam<Formatting> {};
TEST_P(Format, writes_four_decimals_without_a_leading_zero) {
  EXPECT_EQ(fw::Format(GetParam().value, ".0000"), GetParam().text);
}
NAMED_ROWS(Text, Format, kFormat);

TEST_F(Framework, a_property_block_refuses_unknown_names_and_wrong_types) {
  auto label = std::make_shared<fw::Label>();
  EXPECT_THROW(label->SetProperties({{"Colour", 1}}), fw::PropertyException);
  EXPECT_THROW(label->SetProperties({{"FontSize", "12"}}), fw::PropertyException);
  EXPECT_THROW(label->SetProperties({{"Transparent", 1}}), fw::PropertyException);
  label->SetProperties({{"Value", "fine"}, {"FontSize", 9.0}});
  EXPECT_EQ(label->Text(), "fine");
}

// The start-up runs through the installed helper, which hands back what it raised.
TEST(ExceptionHelper, runs_the_start_up_and_hands_back_what_it_raised) {
  static int calls;
  fw::RuntimeSetExceptionHelper([](fw::ExceptionRoutine routine, void* argument) {
    ++calls;
    return fw::CallFunctionWithExceptionHandling(routine, argument);
  });
  const auto raised = fw::CallUnderExceptionHandling([] { throw fw::NilObjectException("gone"); });
  EXPECT_EQ(fw::CallUnderExceptionHandling([] {}), nullptr);
  fw::RuntimeSetExceptionHelper(nullptr);
  EXPECT_EQ(calls, 2);
  ASSERT_TRUE(raised);
  EXPECT_THROW(std::rethrow_exception(raised), fw::NilObjectException);
}

// A timer whose window has gone raises inside the event loop: the report names the exception on
// stderr and in an error box, and the program ends with status 70. Ending, it runs no further
// handler and shows no second box.
TEST(UnhandledException, is_reported_once_and_ends_the_program_with_status_70) {
  using namespace ::testing;
  EXPECT_EXIT(
      {
        ft::AnswerMessageBoxes(true);
        auto about = fw::ImplicitInstance<AboutWnd>();
        auto timer = std::make_shared<fw::Timer>();
        timer->Action.Attach(fw::MakeDelegate(*about, &AboutWnd::Timer1_Action, "( Timer )"));
        timer->SetProperties({{"Period", 10}, {"RunMode", 1}});
        ft::Reset();
        about.reset();
        const int status = RunUntilItEnds();
        fw::Dispatch([] { std::fputs("a handler ran\n", stderr); });
        fw::Dispatch([] { throw fw::NilObjectException("again"); });
        for (std::size_t i = 0; i < ft::MessageBoxTexts().size(); ++i)
          std::fprintf(stderr, "box (%s): %s\n", ft::MessageBoxFaces()[i].c_str(),
                       ft::MessageBoxTexts()[i].c_str());
        std::fprintf(stderr, "boxes: %zu\n", ft::MessageBoxTexts().size());
        std::exit(status);
      },
      ExitedWithCode(70),
      AllOf(HasSubstr("unhandled exception: NilObjectException: "),
            HasSubstr("box (critical: OK): The program met an error it cannot recover from "
                      "and will end.\n\nNilObjectException: "),
            HasSubstr("boxes: 1\n"), Not(HasSubstr("a handler ran"))));
}

// The resources folder beside the test program's bin/, as in an application bundle.
TEST_F(Framework, a_picture_is_read_until_found_then_kept) {
  const std::filesystem::path folder = TEST_HOME "/Resources";
  std::filesystem::remove_all(folder);
  EXPECT_EQ(x_clear(), nullptr);
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(SOURCE_DIR "/2-common/pictures/clear.png", folder / "clear.png");
  auto first = x_clear();
  std::filesystem::remove_all(folder);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(x_clear(), first);
  EXPECT_EQ(first->Width(), 120);
}

TEST(DesktopIdentity, names_the_desktop_entry_that_is_shipped) {
  const std::string entry = ft::DesktopEntryName();
  EXPECT_FALSE(entry.empty());
  EXPECT_TRUE(std::filesystem::exists(SOURCE_DIR "/packaging/" + entry + ".desktop")) << entry;
}

TEST_F(Framework, pictures_are_found_in_the_share_folder_named_after_the_program) {
  NewAppInstance();
  auto title = x_MireldantholmTitle();
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Width(), 493);
  EXPECT_EQ(title->Height(), 85);
}

}  // namespace
