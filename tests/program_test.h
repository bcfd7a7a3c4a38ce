#pragma once
// The base of the program's tests: each starts with no window, no recorded message or beep,
// and message boxes answered.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

#include "1-framework/runtime.h"
#include "1-framework/testing.h"
#include "3-windows/calculator/control_wnd.h"

namespace ft = fw::testing;

// Rows of a parameterised table print as their name (test files bring it in with `using`).
template <class Row>
requires requires(const Row& row) {
  row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

#define NAMED_ROWS(Suite, Fixture, rows)                              \
  INSTANTIATE_TEST_SUITE_P(Suite, Fixture, ::testing::ValuesIn(rows), \
                           [](const auto& info) { return std::string(info.param.name); })

// Runs `start` (the event loop, or the program's whole Main) until the program ends: the status
// it ends with, or 99 when nothing ended it within three seconds. For the child of an EXPECT_EXIT.
inline int RunUntilItEnds(void (*start)() = fw::RuntimeRun) {
  ft::Later(std::chrono::seconds(3), [] { fw::Quit(99); });
  start();
  return fw::RuntimeExit();
}

// How text reaches a field: typed through its key filter, or pasted past it.
enum class Channel { Typed, CtrlV, EditPaste };

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ft::Reset();
    ft::AnswerMessageBoxes(true);
  }
  void TearDown() override { ft::Reset(); }

  // The calculator window, shown and active with the focus in its first field.
  static std::shared_ptr<ControlWnd> Calculator() {
    auto w = fw::ImplicitInstance<ControlWnd>();
    EXPECT_TRUE(ft::WaitUntil([] { return ft::FocusedControlName() == "RxxFld"; }));
    return w;
  }
  // Puts the three texts into the empty fields and presses Compute.
  static void Compute(ControlWnd& w, const char* u, const char* sample, const char* r,
                      Channel channel = Channel::Typed) {
    const std::pair<fw::TextField&, const char*> inputs[] = {
        {*w.RxxFld(), u}, {*w.RyyFld(), sample}, {*w.RxyFld(), r}};
    for (const auto& [field, text] : inputs) {
      if (channel == Channel::Typed) {
        ft::TypeText(field, text);
      } else if (*text) {
        ft::SetClipboardText(text);
        field.SetFocus();
        if (channel == Channel::CtrlV) ft::PressShortcut(field, "Ctrl+V");
        else ft::ChooseMenuItem(w, "EditPaste");
      }
    }
    ft::Click(*w.ComputeCanvas(), 10, 10);
  }
};
