// Fuzzes the key filters of the three input fields with random key sequences, sent as real key
// events to whichever field has the focus. After every key: a key the filter refuses beeps once
// and leaves the field's text, cursor, selection and the focus as they were; a key it lets
// through does not beep and edits the field as a line edit does; no field ever holds anything but
// digits and points (and minus signs in RxyFld) or more than 8, 8 and 7 characters; no key starts
// the computation. A failed check traps, so libFuzzer (or the replay) reports the input.
//
// Input layout, one byte a step, so that seeds stay readable ("13\t9\t.44"):
//   0x01 0x02 0x03   put the focus into RxxFld, RyyFld, RxyFld, as a click would;
//   0x08 0x09 0x0D 0x1B 0x7F 0x1C 0x1D 0x1E 0x1F 0x0E
//                    Backspace, Tab, Return, Escape, Delete, Left, Right, Home, End, F1;
//   0x20 to 0x7E     that character typed;
//   any other byte   a character from beyond ASCII typed (accented, Arabic-Indic and full-width
//                    digits, the minus sign U+2212, Hebrew, a no-break space, ...).

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "3-windows/calculator/control_wnd.h"
#include "1-framework/testing.h"
#include "1-framework/text.h"
#include "headless_program.h"

namespace {

using fw::testing::Key;

std::shared_ptr<ControlWnd> calculator;

constexpr const char* kFieldNames[] = {"RxxFld", "RyyFld", "RxyFld"};
// The fields' character limits, as the window's layout gives them.
constexpr std::size_t kLimits[] = {8, 8, 7};

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

int FocusedField() {
  const std::string focused = fw::testing::FocusedControlName();
  for (int i = 0; i < 3; ++i)
    if (focused == kFieldNames[i]) return i;
  return -1;
}

struct Step {
  int focus = -1;          // a field to put the focus into, or -1
  std::optional<Key> key;  // a key without a character
  std::string text;        // or one character, as UTF-8
};

constexpr std::string_view kBeyondAscii[] = {
    "\xC3\xA9",      // é
    "\xE2\x88\x92",  // − U+2212 MINUS SIGN
    "\xD9\xA1",      // ١ ARABIC-INDIC DIGIT ONE
    "\xD9\xAB",      // ٫ ARABIC DECIMAL SEPARATOR
    "\xEF\xBC\x91",  // １ FULLWIDTH DIGIT ONE
    "\xEF\xBC\x8E",  // ． FULLWIDTH FULL STOP
    "\xD7\x90",      // א HEBREW LETTER ALEF
    "\xC2\xA0",      // NO-BREAK SPACE
    "\xC2\xB7",      // · MIDDLE DOT
    "\xE2\x82\xAC",  // €
    "\xE4\xB8\xAD",  // 中
    "\xC3\x9F",      // ß
    "\xE2\x80\x8F",  // RIGHT-TO-LEFT MARK
    "\xC3\xB1",      // ñ
};

Step FocusStep(int field) {
  return {field, std::nullopt, {}};
}
Step KeyStep(Key key) {
  return {-1, key, {}};
}
Step TextStep(std::string_view text) {
  return {-1, std::nullopt, std::string(text)};
}

Step StepOf(std::uint8_t byte) {
  switch (byte) {
    case 0x01:
      return FocusStep(0);
    case 0x02:
      return FocusStep(1);
    case 0x03:
      return FocusStep(2);
    case 0x08:
      return KeyStep(Key::Backspace);
    case 0x09:
      return KeyStep(Key::Tab);
    case 0x0D:
      return KeyStep(Key::Return);
    case 0x1B:
      return KeyStep(Key::Escape);
    case 0x7F:
      return KeyStep(Key::Delete);
    case 0x1C:
      return KeyStep(Key::Left);
    case 0x1D:
      return KeyStep(Key::Right);
    case 0x1E:
      return KeyStep(Key::Home);
    case 0x1F:
      return KeyStep(Key::End);
    case 0x0E:
      return KeyStep(Key::F1);
    default:
      break;
  }
  if (byte >= 0x20 && byte <= 0x7E) return TextStep(std::string(1, static_cast<char>(byte)));
  constexpr std::size_t count = sizeof kBeyondAscii / sizeof kBeyondAscii[0];
  return TextStep(kBeyondAscii[byte % count]);
}

// The filters' rule, restated: digits, Backspace, Tab and the point pass everywhere, the minus
// sign in RxyFld only; every other key is refused.
bool Accepted(const Step& step, int field) {
  if (step.key) return *step.key == Key::Backspace || *step.key == Key::Tab;
  const char c = step.text.size() == 1 ? step.text[0] : '\0';
  return (c >= '0' && c <= '9') || c == '.' || (c == '-' && field == 2);
}

bool OnlyAllowedCharacters(const std::string& text, int field) {
  for (char c : text)
    if (!((c >= '0' && c <= '9') || c == '.' || (c == '-' && field == 2))) return false;
  return true;
}

struct FieldState {
  std::string text, selected;
  int cursor;
};

FieldState StateOf(int field) {
  auto control = FieldAt(field);
  return {control->Text(), fw::testing::SelectedText(*control),
          fw::testing::TextCursorPosition(*control)};
}

// What a line edit makes of an accepted key, when the selection is none or all of the text (the
// filter refuses every key that could select less); nothing when it cannot tell.
std::optional<std::string> Edited(const FieldState& before, const Step& step, std::size_t limit) {
  const bool all = !before.selected.empty() && before.selected == before.text;
  if (!before.selected.empty() && !all) return std::nullopt;
  const auto cursor = static_cast<std::size_t>(before.cursor);
  if (step.key == Key::Tab) return before.text;
  if (step.key == Key::Backspace) {
    if (all) return std::string();
    return cursor > 0 ? std::string(before.text).erase(cursor - 1, 1) : before.text;
  }
  if (all) return step.text;
  if (before.text.size() >= limit) return before.text;
  return std::string(before.text).insert(cursor, step.text);
}

std::string Describe(const Step& step) {
  if (!step.key) return "[" + step.text + "]";
  constexpr const char* names[] = {"Backspace", "Tab",   "Return", "Escape", "Delete",
                                   "Left",      "Right", "Home",   "End",    "F1"};
  return names[static_cast<int>(*step.key)];
}

[[noreturn]] void Fail(const char* check, const Step& step, int field) {
  std::fprintf(stderr,
               "key_filter_fuzzer: check failed: %s\n  key %s in %s; fields [%s] [%s] [%s]\n",
               check, Describe(step).c_str(), field >= 0 ? kFieldNames[field] : "-",
               FieldAt(0)->Text().c_str(), FieldAt(1)->Text().c_str(), FieldAt(2)->Text().c_str());
  __builtin_trap();
}

// The calculator window, shown and active with the focus in its first field, as the event loop
// leaves it once the window is up.
void Build() {
  calculator = fw::ImplicitInstance<ControlWnd>();
  calculator->RxxFld()->SetFocus();
  if (!fw::testing::WaitUntil([] { return FocusedField() == 0; })) {
    std::fprintf(stderr, "key_filter_fuzzer: the calculator window never took the focus\n");
    std::abort();
  }
}

#define CHECK(condition)                             \
  do {                                               \
    if (!(condition)) Fail(#condition, step, field); \
  } while (false)

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartHeadlessProgram();
  Build();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The event loop runs between one user action and the next: what the last input posted
  // (repaints, deferred deletes) is handled now, or it would pile up.
  fw::testing::ProcessEvents();
  for (int i = 0; i < 3; ++i) FieldAt(i)->SetText("");
  calculator->RxxFld()->SetFocus();
  const int beepsAtStart = fw::testing::BeepCount();
  const std::size_t messagesAtStart = fw::testing::MessageBoxTexts().size();
  int refused = 0;

  for (std::size_t i = 0; i < size; ++i) {
    const Step step = StepOf(data[i]);
    int field = FocusedField();
    // Only the three input fields take the focus while the result is hidden.
    CHECK(field >= 0);
    if (step.focus >= 0) {
      FieldAt(step.focus)->SetFocus();
      field = FocusedField();
      CHECK(field == step.focus);
      continue;
    }

    std::array<FieldState, 3> before;
    for (int f = 0; f < 3; ++f) before[f] = StateOf(f);
    const int beeps = fw::testing::BeepCount();

    auto control = FieldAt(field);
    if (step.key)
      fw::testing::PressKey(*control, *step.key);
    else
      fw::testing::TypeText(*control, step.text);

    const FieldState after = StateOf(field);
    if (Accepted(step, field)) {
      CHECK(fw::testing::BeepCount() == beeps);
      if (auto expected = Edited(before[field], step, kLimits[field]))
        CHECK(after.text == *expected);
      if (step.key == Key::Tab) CHECK(FocusedField() != field);
    } else {
      ++refused;
      CHECK(fw::testing::BeepCount() == beeps + 1);
      CHECK(after.text == before[field].text);
      CHECK(after.cursor == before[field].cursor);
      CHECK(after.selected == before[field].selected);
      CHECK(FocusedField() == field);
    }
    for (int f = 0; f < 3; ++f) {
      const std::string text = FieldAt(f)->Text();
      if (f != field) CHECK(text == before[f].text);
      CHECK(OnlyAllowedCharacters(text, f));
      CHECK(text.size() <= kLimits[f]);
    }
    // Return and every other key leave the computation alone.
    CHECK(fw::testing::MessageBoxTexts().size() == messagesAtStart);
    CHECK(!fw::testing::IsShown(*calculator->RdFld()));
  }
  const Step step;
  const int field = -1;
  CHECK(fw::testing::BeepCount() - beepsAtStart == refused);
  return 0;
}
