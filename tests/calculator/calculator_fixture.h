#pragma once
// What the calculator tests share: a fixture that starts each test with no window, answered
// message boxes and the pictures from the source tree, and small helpers that drive the
// calculator window with real key and mouse events.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "3-windows/calculator/control_wnd.h"
#include "1-framework/testing.h"
#include "1-framework/text_field.h"
#include "1-framework/window.h"
#include "program_test.h"

namespace calctest {

// The validation messages, character for character as the product shows them.
inline constexpr std::string_view kMissingUnrestricted =
    "Please enter an estimate of the standard deviation of the predictor test in the population "
    "(unrestricted)";
inline constexpr std::string_view kMissingObtained =
    "Please enter the obtained standard deviation of the predictor test in this sample";
inline constexpr std::string_view kMissingCoefficient =
    "Please enter the validity coefficient obtained in this sample";
inline constexpr std::string_view kUnrestrictedNotPositive =
    "Unrestricted standard deviation must be > 0.00";
inline constexpr std::string_view kObtainedNotPositive =
    "Obtained standard deviation must be > 0.00";
inline constexpr std::string_view kCoefficientOutOfRange =
    "Obtained validity coefficient must range from -1.00 to +1.00";

enum class Field { Rxx, Ryy, Rxy };

inline const char* NameOf(Field field) {
  switch (field) {
    case Field::Rxx:
      return "RxxFld";
    case Field::Ryy:
      return "RyyFld";
    case Field::Rxy:
      return "RxyFld";
  }
  return "";
}

// Test parameters print as the field's name in test listings.
inline void PrintTo(Field field, std::ostream* os) {
  *os << NameOf(field);
}

inline std::shared_ptr<fw::TextField> FieldOf(ControlWnd& w, Field field) {
  switch (field) {
    case Field::Rxx:
      return w.RxxFld();
    case Field::Ryy:
      return w.RyyFld();
    case Field::Rxy:
      return w.RxyFld();
  }
  return nullptr;
}

class CalculatorTest : public ProgramTest {
 protected:
  // The calculator window; built (and shown) on the first call of a test. The desktop makes a
  // newly shown window the active one through the event loop, and only then does the keyboard
  // focus show; so wait for that.
  static std::shared_ptr<ControlWnd> Calculator() {
    auto w = fw::ImplicitInstance<ControlWnd>();
    EXPECT_TRUE(fw::testing::WaitUntil([] { return !fw::testing::FocusedControlName().empty(); },
                                       std::chrono::milliseconds(2000)));
    return w;
  }

  // Types the three inputs key by key into the empty fields.
  static void TypeInputs(ControlWnd& w, std::string_view u, std::string_view r_obtained,
                         std::string_view r) {
    fw::testing::TypeText(*w.RxxFld(), u);
    fw::testing::TypeText(*w.RyyFld(), r_obtained);
    fw::testing::TypeText(*w.RxyFld(), r);
  }

  // Replaces a field's text as a user does: Select All, Backspace, then the new keys.
  static void Retype(fw::TextField& field, std::string_view text) {
    field.SetFocus();
    fw::testing::PressShortcut(field, "Ctrl+A");
    fw::testing::PressKey(field, fw::testing::Key::Backspace);
    fw::testing::TypeText(field, text);
  }

  static void PressCompute(ControlWnd& w) { fw::testing::Click(*w.ComputeCanvas(), 10, 10); }
  static void PressClear(ControlWnd& w) { fw::testing::Click(*w.ClearCanvas(), 10, 10); }
};

}  // namespace calctest
