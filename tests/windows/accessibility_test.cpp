// What a screen reader is told of the picture buttons, the pictures, the fields and the notice.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "windows_fixture.h"

namespace {

using wndtest::WindowsTest;

enum class In { Calculator, About };

struct AccessibleCase {
  In window;
  const char* control;
  const char* name;
  const char* role;
};

const AccessibleCase kCases[] = {
    {In::Calculator, "ComputeCanvas", "Compute", "Button"},
    {In::Calculator, "HelpCanvas", "Help", "Button"},
    {In::Calculator, "ClearCanvas", "Clear", "Button"},
    {In::Calculator, "Canvas1", "About Mireldantholm", "Button"},
    {In::Calculator, "RxxFld", "Unrestricted Predictor Standard Deviation", "EditableText"},
    {In::Calculator, "RyyFld", "Obtained Predictor Standard Deviation", "EditableText"},
    {In::Calculator, "RxyFld", "Obtained Validity Coefficient", "EditableText"},
    {In::About, "Canvas1", "Mireldantholm, Version 2.0, Validity coefficient correction",
     "Graphic"},
    {In::About, "StaticText2", "Version 2.0  \xC2\xB7  Click or press any key to begin",
     "StaticText"},
};

void PrintTo(const AccessibleCase& row, std::ostream* os) {
  *os << (row.window == In::About ? "About " : "Calculator ") << row.control;
}

class Accessible : public WindowsTest, public ::testing::WithParamInterface<AccessibleCase> {};

TEST_P(Accessible, control_has_the_name_it_shows_and_a_fitting_role) {
  const AccessibleCase& row = GetParam();
  std::shared_ptr<fw::Window> window;
  if (row.window == In::About)
    window = fw::ImplicitInstance<AboutWnd>();
  else
    window = fw::ImplicitInstance<ControlWnd>();

  const auto seen =
      fw::testing::AccessibilityOf(*window->ControlNamed<fw::RectControl>(row.control));

  EXPECT_EQ(seen.name, row.name);
  EXPECT_EQ(seen.role, row.role);
}

INSTANTIATE_TEST_SUITE_P(Accessible, Accessible, ::testing::ValuesIn(kCases), [](const auto& info) {
  return std::string(info.param.window == In::About ? "About_" : "Calculator_") +
         info.param.control;
});

}  // namespace
