// Exceptions: checked casts, the exception helper, and what reaches the unhandled-exception
// handler from a real event (in a child process, since the handler ends the program).

#include "1-framework/exceptions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "1-framework/dispatch.h"
#include "1-framework/label.h"
#include "1-framework/message_box.h"
#include "1-framework/object.h"
#include "1-framework/runtime.h"
#include "1-framework/testing.h"
#include "1-framework/text_field.h"
#include "test_window.h"

namespace {

using fwtest::Fault;
using fwtest::TestWnd;

class CheckedCasts : public fwtest::FrameworkTest {};

TEST_F(CheckedCasts, give_the_same_object_back) {
  auto field = std::make_shared<fw::TextField>();
  std::shared_ptr<fw::Control> control = field;
  EXPECT_EQ(fw::CheckedCast<fw::TextField>(control), field);
  EXPECT_EQ(fw::CheckedCast<fw::TextControl>(control), field);
}

TEST_F(CheckedCasts, to_the_wrong_class_raise_illegalcastexception_naming_both) {
  std::shared_ptr<fw::Control> control = std::make_shared<fw::Label>();
  try {
    fw::CheckedCast<fw::TextField>(control);
    FAIL() << "no IllegalCastException";
  } catch (const fw::IllegalCastException& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("Label"), std::string::npos) << message;
    EXPECT_NE(message.find("TextField"), std::string::npos) << message;
    EXPECT_EQ(e.ClassName(), "IllegalCastException");
  }
}

TEST_F(CheckedCasts, of_nil_raise_nilobjectexception) {
  std::shared_ptr<fw::Control> nothing;
  EXPECT_THROW(fw::CheckedCast<fw::TextField>(nothing), fw::NilObjectException);
}

TEST(Exceptions, name_their_own_class_and_are_runtime_exceptions) {
  const fw::NilObjectException nil("n");
  const fw::RuntimeException& base = nil;
  EXPECT_EQ(base.ClassName(), "NilObjectException");
  EXPECT_EQ(fw::ThreadAccessingUIException("t").ClassName(), "ThreadAccessingUIException");
  EXPECT_EQ(fw::EventBindingException("e").ClassName(), "EventBindingException");
  EXPECT_STREQ(base.what(), "n");
}

void Returns(void* argument) {
  *static_cast<int*>(argument) += 1;
}
void RaisesNil(void*) {
  throw fw::NilObjectException("nothing there");
}
void RaisesLogicError(void*) {
  throw std::logic_error("not ours");
}

TEST(ExceptionHelper, yields_nullptr_when_the_routine_returns) {
  int calls = 0;
  EXPECT_EQ(fw::CallFunctionWithExceptionHandling(&Returns, &calls), nullptr);
  EXPECT_EQ(calls, 1);
}

TEST(ExceptionHelper, yields_the_runtime_exception_the_routine_raised) {
  std::exception_ptr raised = fw::CallFunctionWithExceptionHandling(&RaisesNil, nullptr);
  ASSERT_NE(raised, nullptr);
  try {
    std::rethrow_exception(raised);
  } catch (const fw::NilObjectException& e) {
    EXPECT_STREQ(e.what(), "nothing there");
  } catch (...) {
    FAIL() << "not the NilObjectException that was raised";
  }
}

TEST(ExceptionHelper, lets_other_exceptions_pass_on) {
  EXPECT_THROW(fw::CallFunctionWithExceptionHandling(&RaisesLogicError, nullptr), std::logic_error);
}

int helperCalls = 0;
bool ran = false;
std::exception_ptr CountingHelper(fw::ExceptionRoutine routine, void* argument) {
  ++helperCalls;
  return fw::CallFunctionWithExceptionHandling(routine, argument);
}

TEST(ExceptionHelper, once_installed_serves_every_call_under_exception_handling) {
  helperCalls = 0;
  fw::RuntimeSetExceptionHelper(&CountingHelper);
  ran = false;
  auto returned = fw::CallUnderExceptionHandling([] { ran = true; });
  auto raised = fw::CallUnderExceptionHandling([] { throw fw::NilObjectException("x"); });
  fw::RuntimeSetExceptionHelper(nullptr);  // back to the framework's own
  EXPECT_TRUE(ran);
  EXPECT_EQ(returned, nullptr);
  EXPECT_NE(raised, nullptr);
  EXPECT_EQ(helperCalls, 2);
  fw::CallUnderExceptionHandling([] {});
  EXPECT_EQ(helperCalls, 2);  // uninstalled
}

class Dispatching : public fwtest::FrameworkTest {};

TEST_F(Dispatching, runs_a_handler_and_says_it_ran) {
  int runs = 0;
  EXPECT_TRUE(fw::Dispatch([&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(fw::Terminating());
  EXPECT_FALSE(fw::testing::QuitCode().has_value());
}

TEST_F(Dispatching, reports_a_raising_handler_and_runs_no_handler_after_it) {
  EXPECT_FALSE(fw::Dispatch([] { throw fw::IllegalCastException("wrong class"); }));
  EXPECT_TRUE(fw::Terminating());
  EXPECT_EQ(fw::testing::QuitCode(), std::optional<int>(fw::kUnhandledExceptionStatus));
  ASSERT_EQ(fw::testing::MessageBoxTexts().size(), 1u);
  EXPECT_NE(fw::testing::MessageBoxTexts()[0].find("IllegalCastException: wrong class"),
            std::string::npos)
      << fw::testing::MessageBoxTexts()[0];

  int runs = 0;
  EXPECT_FALSE(fw::Dispatch([&] { ++runs; }));
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(fw::testing::MessageBoxTexts().size(), 1u);
}

TEST_F(Dispatching, reports_only_the_first_of_two_unhandled_exceptions) {
  fw::UnhandledException(std::make_exception_ptr(std::out_of_range("first")));
  fw::UnhandledException(std::make_exception_ptr(fw::NilObjectException("second")));
  ASSERT_EQ(fw::testing::MessageBoxTexts().size(), 1u);
  EXPECT_NE(fw::testing::MessageBoxTexts()[0].find("out_of_range: first"), std::string::npos)
      << fw::testing::MessageBoxTexts()[0];
  EXPECT_EQ(fw::testing::QuitCode(), std::optional<int>(fw::kUnhandledExceptionStatus));
}

TEST_F(Dispatching, is_ready_again_after_reset) {
  fw::Dispatch([] { throw 1; });
  ASSERT_TRUE(fw::Terminating());
  fw::testing::Reset();
  EXPECT_FALSE(fw::Terminating());
  EXPECT_FALSE(fw::testing::QuitCode().has_value());
  int runs = 0;
  EXPECT_TRUE(fw::Dispatch([&] { ++runs; }));
  EXPECT_EQ(runs, 1);
}

// The unhandled-exception handler ends the process, so these run in a child process. The
// child answers message boxes, raises the fault from a real event, runs the event loop (which
// the handler's Quit ends at once) and exits with the framework's status.

// Matches a child's stderr with `reports` report lines; with one, it must describe the
// exception as `described`, and so must the message box (which the child writes out as "box:").
class ReportCount : public ::testing::MatcherInterface<const std::string&> {
 public:
  ReportCount(int reports, std::string described, std::string alsoWritten = "")
      : reports_(reports), described_(std::move(described)), alsoWritten_(std::move(alsoWritten)) {}
  bool MatchAndExplain(const std::string& stderrText,
                       ::testing::MatchResultListener* listener) const override {
    int reports = 0;
    for (auto at = stderrText.find("unhandled exception:"); at != std::string::npos;
         at = stderrText.find("unhandled exception:", at + 1))
      ++reports;
    *listener << "with " << reports << " report(s)";
    if (reports != reports_) return false;
    if (stderrText.find(alsoWritten_) == std::string::npos) return false;
    if (reports_ == 0) return true;
    const auto box = stderrText.find("box: ");
    return stderrText.find("unhandled exception: " + described_) != std::string::npos &&
           box != std::string::npos && stderrText.find(described_, box) != std::string::npos;
  }
  void DescribeTo(std::ostream* os) const override {
    if (reports_ == 0)
      *os << "reports no unhandled exception";
    else
      *os << "reports \"" << described_ << "\" once, on stderr and in the message box";
    if (!alsoWritten_.empty()) *os << ", and writes \"" << alsoWritten_ << '"';
  }

 private:
  int reports_;
  std::string described_, alsoWritten_;
};

::testing::Matcher<const std::string&> ReportsOnce(const std::string& described,
                                                   const std::string& alsoWritten = "") {
  return ::testing::MakeMatcher(new ReportCount(1, described, alsoWritten));
}

// Ends the child the way the program's main does, after writing what the boxes said and how
// often the window's handlers ran.
// A child whose fault never comes ends anyway, with a status no test expects.
[[noreturn]] void RunAndExit(const TestWnd* wnd = nullptr) {
  fw::testing::Later(std::chrono::seconds(5), [] { fw::Quit(99); });
  fw::RuntimeRun();
  if (wnd)
    std::fprintf(stderr, "handled: %zu keys, %zu clicks\n", wnd->fieldKeys.size(),
                 wnd->canvasClicks.size());
  for (const auto& text : fw::testing::MessageBoxTexts())
    std::fprintf(stderr, "box: %s\n", text.c_str());
  std::fflush(stderr);
  std::exit(fw::RuntimeExit());
}

class UnhandledExceptionDeathTest : public fwtest::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }
};

TEST_F(UnhandledExceptionDeathTest, from_a_key_handler_is_reported_once_and_ends_with_status_70) {
  EXPECT_EXIT(
      {
        fw::testing::AnswerMessageBoxes(true);
        auto wnd = fw::ImplicitInstance<TestWnd>();
        wnd->fault = Fault::NilObject;
        // The second key would raise again; once the first is reported it is not dispatched.
        fw::testing::TypeText(*wnd->Field(), "ab");
        RunAndExit(wnd.get());
      },
      ::testing::ExitedWithCode(fw::kUnhandledExceptionStatus),
      ReportsOnce("NilObjectException: boom", "handled: 1 keys, 0 clicks"));
}

TEST_F(UnhandledExceptionDeathTest, from_a_canvas_click_names_a_standard_exception) {
  EXPECT_EXIT(
      {
        fw::testing::AnswerMessageBoxes(true);
        auto wnd = fw::ImplicitInstance<TestWnd>();
        wnd->fault = Fault::StdRuntimeError;
        fw::testing::Click(*wnd->Picture(), 3, 3);
        fw::testing::Click(*wnd->Picture(), 4, 4);
        RunAndExit(wnd.get());
      },
      ::testing::ExitedWithCode(fw::kUnhandledExceptionStatus),
      ReportsOnce("runtime_error: canvas trouble", "handled: 0 keys, 1 clicks"));
}

TEST_F(UnhandledExceptionDeathTest, from_a_canvas_click_reports_a_non_standard_throw) {
  EXPECT_EXIT(
      {
        fw::testing::AnswerMessageBoxes(true);
        auto wnd = fw::ImplicitInstance<TestWnd>();
        wnd->fault = Fault::NonStandard;
        fw::testing::Click(*wnd->Picture(), 3, 3);
        RunAndExit();
      },
      ::testing::ExitedWithCode(fw::kUnhandledExceptionStatus),
      ReportsOnce("an exception of unknown type"));
}

TEST_F(UnhandledExceptionDeathTest, from_a_timer_action_ends_the_running_event_loop) {
  EXPECT_EXIT(
      {
        fw::testing::AnswerMessageBoxes(true);
        auto wnd = fw::ImplicitInstance<TestWnd>();
        auto field = wnd->Field();
        // The timer's delegate belongs to a window that closes before the period is over.
        auto clock = std::make_shared<fw::Timer>();
        clock->Action.Attach(fw::MakeDelegate(*wnd, &TestWnd::Clock_Action, "( Timer )"));
        clock->SetProperties({{"Period", 20}, {"RunMode", 1}});
        wnd->Hide();
        fw::testing::Reset();
        fw::testing::AnswerMessageBoxes(true);
        wnd.reset();
        field.reset();
        RunAndExit();
      },
      ::testing::ExitedWithCode(fw::kUnhandledExceptionStatus),
      ReportsOnce("NilObjectException: the window of a ( Timer ) handler is gone"));
}

TEST_F(UnhandledExceptionDeathTest, never_happens_when_the_program_quits_normally) {
  EXPECT_EXIT(
      {
        auto wnd = fw::ImplicitInstance<TestWnd>();
        fw::testing::TypeText(*wnd->Field(), "1");
        fw::Quit(0);
        RunAndExit();
      },
      ::testing::ExitedWithCode(0), ::testing::MakeMatcher(new ReportCount(0, "")));
}

}  // namespace
