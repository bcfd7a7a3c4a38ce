// An exception raised by any handler the toolkit calls reaches the unhandled-exception handler
// exactly once and ends the program with the failure status; each case runs in a child process.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "3-windows/calculator/control_wnd.h"
#include "1-framework/dispatch.h"
#include "1-framework/runtime.h"
#include "1-framework/testing.h"
#include "3-windows/about/about_wnd.h"

namespace {

enum class Thrown { Framework, Standard, NilObject, NonStandard };

Thrown thrown = Thrown::Framework;

[[noreturn]] void Raise() {
  switch (thrown) {
    case Thrown::Framework:
      throw fw::IllegalCastException("injected from a handler");
    case Thrown::Standard:
      throw std::length_error("injected from a handler");
    case Thrown::NilObject:
      throw fw::NilObjectException("injected from a handler");
    case Thrown::NonStandard:
      throw 42;
  }
  std::abort();
}

// The program's windows with one handler that raises.
class RaisingKeyFilter : public ControlWnd {
 public:
  bool RxxFld_KeyDown(fw::TextField&, const std::string&) override { Raise(); }
};
class RaisingCompute : public ControlWnd {
 public:
  bool ComputeCanvas_MouseDown(fw::Canvas&, std::int64_t, std::int64_t) override { Raise(); }
};
class RaisingClose : public ControlWnd {
 public:
  void Event_Close() override { Raise(); }
};
class RaisingTimer : public AboutWnd {
 public:
  void Timer1_Action(fw::Timer&) override { Raise(); }
};

enum class Channel { KeyFilter, CanvasClick, AboutTimer, MenuItem, WindowClose };

// Sends the event twice where it can (the timer fires once): the second must not be reported
// again.
void Provoke(Channel channel) {
  switch (channel) {
    case Channel::KeyFilter: {
      auto window = fw::ImplicitInstance<RaisingKeyFilter>();
      fw::testing::TypeText(*window->RxxFld(), "12");
      break;
    }
    case Channel::CanvasClick: {
      auto window = fw::ImplicitInstance<RaisingCompute>();
      fw::testing::Click(*window->ComputeCanvas(), 5, 5);
      fw::testing::Click(*window->ComputeCanvas(), 5, 5);
      break;
    }
    case Channel::AboutTimer: {
      auto window = fw::ImplicitInstance<RaisingTimer>();
      window->Timer1()->SetProperties({{"Period", 10}, {"RunMode", 1}});
      fw::testing::WaitUntil([] { return fw::testing::QuitCode().has_value(); });
      fw::testing::WaitUntil([] { return false; }, std::chrono::milliseconds(50));
      break;
    }
    case Channel::MenuItem: {
      auto window = fw::ImplicitInstance<ControlWnd>();
      window->AddMenuHandler("EditCopy", []() -> bool { Raise(); });
      fw::testing::ChooseMenuItem(*window, "EditCopy");
      fw::testing::ChooseMenuItem(*window, "EditCopy");
      break;
    }
    case Channel::WindowClose: {
      auto window = fw::ImplicitInstance<RaisingClose>();
      fw::testing::CloseByUser(*window);
      break;
    }
  }
}

struct FaultCase {
  const char* name;
  Channel channel;
  Thrown exception;
  const char* report;  // what the report on stderr names
};

class DispatchFaults : public ::testing::TestWithParam<FaultCase> {};

}  // namespace

TEST_P(DispatchFaults, reach_the_handler_once_and_end_the_program_with_the_failure_status) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const FaultCase& fault = GetParam();
  EXPECT_EXIT(
      {
        fw::testing::AnswerMessageBoxes(true);
        fw::testing::SetResourceFolder(std::string(SOURCE_DIR) + "/2-common/pictures");
        thrown = fault.exception;
        Provoke(fault.channel);
        fw::RuntimeRun();  // returns at once: the handler has asked the program to end
        std::fprintf(stderr, "reports=%zu\n", fw::testing::MessageBoxTexts().size());
        std::exit(fw::RuntimeExit());
      },
      ::testing::ExitedWithCode(fw::kUnhandledExceptionStatus),
      std::string("unhandled exception: ") + fault.report + "(.|\n)*reports=1\n");
}

INSTANTIATE_TEST_SUITE_P(
    EveryChannelAndKind, DispatchFaults,
    ::testing::Values(
        FaultCase{"key_filter_framework", Channel::KeyFilter, Thrown::Framework,
                  "IllegalCastException: injected"},
        FaultCase{"key_filter_standard", Channel::KeyFilter, Thrown::Standard,
                  "length_error: injected"},
        FaultCase{"key_filter_nil", Channel::KeyFilter, Thrown::NilObject,
                  "NilObjectException: injected"},
        FaultCase{"key_filter_nonstandard", Channel::KeyFilter, Thrown::NonStandard,
                  "an exception of unknown type"},
        FaultCase{"canvas_framework", Channel::CanvasClick, Thrown::Framework,
                  "IllegalCastException: injected"},
        FaultCase{"canvas_standard", Channel::CanvasClick, Thrown::Standard,
                  "length_error: injected"},
        FaultCase{"canvas_nil", Channel::CanvasClick, Thrown::NilObject,
                  "NilObjectException: injected"},
        FaultCase{"canvas_nonstandard", Channel::CanvasClick, Thrown::NonStandard,
                  "an exception of unknown type"},
        FaultCase{"timer_framework", Channel::AboutTimer, Thrown::Framework,
                  "IllegalCastException: injected"},
        FaultCase{"timer_standard", Channel::AboutTimer, Thrown::Standard,
                  "length_error: injected"},
        FaultCase{"timer_nil", Channel::AboutTimer, Thrown::NilObject,
                  "NilObjectException: injected"},
        FaultCase{"timer_nonstandard", Channel::AboutTimer, Thrown::NonStandard,
                  "an exception of unknown type"},
        FaultCase{"menu_framework", Channel::MenuItem, Thrown::Framework,
                  "IllegalCastException: injected"},
        FaultCase{"menu_standard", Channel::MenuItem, Thrown::Standard, "length_error: injected"},
        FaultCase{"menu_nil", Channel::MenuItem, Thrown::NilObject, "NilObjectException: injected"},
        FaultCase{"menu_nonstandard", Channel::MenuItem, Thrown::NonStandard,
                  "an exception of unknown type"},
        FaultCase{"close_framework", Channel::WindowClose, Thrown::Framework,
                  "IllegalCastException: injected"},
        FaultCase{"close_standard", Channel::WindowClose, Thrown::Standard,
                  "length_error: injected"},
        FaultCase{"close_nil", Channel::WindowClose, Thrown::NilObject,
                  "NilObjectException: injected"},
        FaultCase{"close_nonstandard", Channel::WindowClose, Thrown::NonStandard,
                  "an exception of unknown type"}),
    [](const auto& info) { return std::string(info.param.name); });
