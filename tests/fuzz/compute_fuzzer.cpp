// Fuzzes the compute button. Each input is three field texts of any bytes and any length; they go
// into the calculator window's fields as a paste or the program itself would put them there (past
// the key filter), then the compute button gets a real click. Every press must end in one of the
// two outcomes the window defines, and the one these texts call for: the validation message with
// the focus in its field, or the corrected coefficient with four decimals. That expected outcome
// is worked out here from the fields' texts with the textbook formula, apart from the window's
// own arithmetic. A failed check traps, so libFuzzer (or the replay) reports the input.
//
// Input layout: the texts of RxxFld, RyyFld and RxyFld separated by two zero bytes. A missing
// text is empty; the third takes everything after the second separator, further separators too.

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "3-windows/calculator/control_wnd.h"
#include "correction_oracle.h"
#include "1-framework/testing.h"
#include "1-framework/text.h"
#include "headless_program.h"

namespace {

std::shared_ptr<ControlWnd> calculator;

struct Message {
  std::string_view text;
  int field;  // 0 RxxFld, 1 RyyFld, 2 RxyFld
};

// The six validation messages, in the order the compute button makes its tests.
constexpr Message kMessages[] = {
    {"Please enter an estimate of the standard deviation of the predictor test in the population "
     "(unrestricted)",
     0},
    {"Please enter the obtained standard deviation of the predictor test in this sample", 1},
    {"Please enter the validity coefficient obtained in this sample", 2},
    {"Unrestricted standard deviation must be > 0.00", 0},
    {"Obtained standard deviation must be > 0.00", 1},
    {"Obtained validity coefficient must range from -1.00 to +1.00", 2},
};

constexpr const char* kFieldNames[] = {"RxxFld", "RyyFld", "RxyFld"};

std::shared_ptr<fw::TextField> FieldAt(int index) {
  switch (index) {
    case 0:
      return calculator->RxxFld();
    case 1:
      return calculator->RyyFld();
    default:
      return calculator->RxyFld();
  }
}

std::array<std::string, 3> Split(const std::uint8_t* data, std::size_t size) {
  std::array<std::string, 3> texts;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view separator("\0\0", 2);
  std::size_t start = 0;
  for (int i = 0; i < 2; ++i) {
    const std::size_t end = input.find(separator, start);
    if (end == std::string_view::npos) {
      texts[i] = std::string(input.substr(start));
      return texts;
    }
    texts[i] = std::string(input.substr(start, end - start));
    start = end + separator.size();
  }
  texts[2] = std::string(input.substr(start));
  return texts;
}

[[noreturn]] void Fail(const char* check, const std::array<std::string, 3>& texts,
                       const std::string& shown) {
  std::fprintf(
      stderr,
      "compute_fuzzer: check failed: %s\n  fields [%s] [%s] [%s], RdFld [%s], focus in [%s]\n",
      check, texts[0].c_str(), texts[1].c_str(), texts[2].c_str(), shown.c_str(),
      fw::testing::FocusedControlName().c_str());
  __builtin_trap();
}

#define CHECK(condition)                                                    \
  do {                                                                      \
    if (!(condition)) Fail(#condition, texts, calculator->RdFld()->Text()); \
  } while (false)

// The window groups the formula differently, so its c and ours may differ in the last bits: a
// value that close to a rounding boundary may round either way.
bool ShowsFourDecimalsOf(const std::string& shown, double c) {
  if (shown == fw::Format(c, ".0000")) return true;
  return shown == fw::Format(c * (1 - 1e-12), ".0000") ||
         shown == fw::Format(c * (1 + 1e-12), ".0000");
}

// The shown text read back as a number, apart from fw::Val and fw::Format.
bool Near(const std::string& shown, double c) {
  std::string plain = shown;
  if (plain.starts_with("-.")) plain.insert(1, "0");
  if (plain.starts_with(".")) plain.insert(0, "0");
  double value = 0;
  auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  return error == std::errc() && end == plain.data() + plain.size() &&
         std::fabs(value - c) <= 0.00005 + 1e-9;
}

// The calculator window, shown and active with the focus in its first field, as the event loop
// leaves it once the window is up.
void Build() {
  calculator = fw::ImplicitInstance<ControlWnd>();
  calculator->RxxFld()->SetFocus();
  if (!fw::testing::WaitUntil([] { return fw::testing::FocusedControlName() == "RxxFld"; })) {
    std::fprintf(stderr, "compute_fuzzer: the calculator window never took the focus\n");
    std::abort();
  }
}

// Recorded message texts pile up over millions of presses; now and then start afresh.
void RebuildWhenTheRecordGrows() {
  if (fw::testing::MessageBoxTexts().size() < 4096) return;
  calculator.reset();
  fw::testing::Reset();
  fw::testing::AnswerMessageBoxes(true);
  Build();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartHeadlessProgram();
  Build();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The event loop runs between one user action and the next: what the presses posted (repaints,
  // deferred deletes) is handled, or it would pile up. Every 16th input is often enough for that
  // and still paints the window with fuzzed texts; painting after every press is five times slower.
  static int inputs = 0;
  if (++inputs % 16 == 0) fw::testing::ProcessEvents();
  RebuildWhenTheRecordGrows();
  const std::array<std::string, 3> put = Split(data, size);
  for (int i = 0; i < 3; ++i) FieldAt(i)->SetText(put[i]);

  // The fields hold what they took of the texts (invalid UTF-8 mended, at most their limit).
  std::array<std::string, 3> texts;
  for (int i = 0; i < 3; ++i) texts[i] = FieldAt(i)->Text();
  const oracle::Outcome expected = oracle::Expected(texts);
  const std::size_t messagesBefore = fw::testing::MessageBoxTexts().size();
  const std::string shownBefore = calculator->RdFld()->Text();
  const bool resultShownBefore = fw::testing::IsShown(*calculator->RdFld());
  // The focus somewhere, but not already where a message must put it.
  int focus = static_cast<int>(size % 3);
  if (expected.message >= 0 && kMessages[expected.message].field == focus) focus = (focus + 1) % 3;
  FieldAt(focus)->SetFocus();
  CHECK(fw::testing::FocusedControlName() == kFieldNames[focus]);

  fw::testing::Click(*calculator->ComputeCanvas(), 10, 10);

  const auto& messages = fw::testing::MessageBoxTexts();
  const std::size_t newMessages = messages.size() - messagesBefore;
  CHECK(newMessages <= 1);
  for (int i = 0; i < 3; ++i) CHECK(FieldAt(i)->Text() == texts[i]);
  if (expected.message >= 0) {
    const Message& message = kMessages[expected.message];
    CHECK(newMessages == 1);
    CHECK(messages.back() == message.text);
    CHECK(fw::testing::FocusedControlName() == kFieldNames[message.field]);
    // A failed press leaves the result as it was.
    CHECK(calculator->RdFld()->Text() == shownBefore);
    CHECK(fw::testing::IsShown(*calculator->RdFld()) == resultShownBefore);
    return 0;
  }
  const std::string shown = calculator->RdFld()->Text();
  CHECK(newMessages == 0);
  CHECK(std::isfinite(expected.c));
  CHECK(std::fabs(expected.c) <= 1 + 1e-12);
  CHECK(fw::testing::IsShown(*calculator->RdFld()));
  CHECK(fw::testing::IsShown(*calculator->RdText()));
  CHECK(fw::testing::FocusedControlName() == kFieldNames[focus]);  // a result leaves it be
  CHECK(oracle::LooksLikeFourDecimals(shown));
  CHECK(ShowsFourDecimalsOf(shown, expected.c));
  CHECK(Near(shown, expected.c));
  return 0;
}
