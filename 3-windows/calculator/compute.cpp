// The compute button: checks the three inputs, then shows the validity coefficient corrected
// for restriction of range in the predictor.

#include "1-framework/message_box.h"
#include "1-framework/text.h"
#include "3-windows/calculator/control_wnd.h"
#include "3-windows/calculator/correction.h"

namespace {

// The result is shown with four decimals.
constexpr const char* kResultPattern = ".0000";

using FieldAccessor = std::shared_ptr<fw::TextField> (ControlWnd::*)();

struct EmptyTest {
  FieldAccessor field;
  const char* message;
};

constexpr EmptyTest kEmptyTests[] = {
    {&ControlWnd::RxxFld,
     "Please enter an estimate of the standard deviation of the predictor test in the population "
     "(unrestricted)"},
    {&ControlWnd::RyyFld,
     "Please enter the obtained standard deviation of the predictor test in this sample"},
    {&ControlWnd::RxyFld, "Please enter the validity coefficient obtained in this sample"},
};

}  // namespace

bool ControlWnd::ComputeCanvas_MouseDown(fw::Canvas&, std::int64_t, std::int64_t) {
  // Wrong input is the user's to mend: one message, the focus back in the field, nothing else.
  auto reject = [this](FieldAccessor field, const char* message) {
    fw::MsgBox(message);
    (this->*field)()->SetFocus();
    return false;
  };

  for (const auto& test : kEmptyTests)
    if ((this->*test.field)()->Text().empty()) return reject(test.field, test.message);

  const double U = fw::Val(RxxFld()->Text());
  const double R = fw::Val(RyyFld()->Text());
  const double r = fw::Val(RxyFld()->Text());

  if (!(U > 0))
    return reject(&ControlWnd::RxxFld, "Unrestricted standard deviation must be > 0.00");
  if (!(R > 0)) return reject(&ControlWnd::RyyFld, "Obtained standard deviation must be > 0.00");
  if (!(r >= -1 && r <= 1))
    return reject(&ControlWnd::RxyFld,
                  "Obtained validity coefficient must range from -1.00 to +1.00");

  const double c = CorrectedCoefficient(U, R, r);

  RdFld()->SetVisible(true);
  RdText()->SetVisible(true);
  RdFld()->SetText(fw::Format(c, kResultPattern));
  return false;
}
