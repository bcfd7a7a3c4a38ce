#pragma once
// Seams for tests: answer message boxes, count beeps, send real key and mouse events to
// controls and windows, fire timers without waiting, close every window between tests.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {
class RectControl;
class Timer;
class Window;
}  // namespace fw

namespace fw::testing {

// Creates the toolkit's application for a test program, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
void InitForTests(int& argc, char** argv);

// While on, message boxes return at once and only record their text.
void AnswerMessageBoxes(bool on);
const std::vector<std::string>& MessageBoxTexts();
// The text of the message box open now, or nothing (for tests that use the real box).
std::optional<std::string> OpenMessageBoxText();
// Dismisses the message box open now, if any.
void DismissOpenMessageBox();
int BeepCount();

// Resets everything a test may have changed: closes and drops every window, clears the
// recorded messages and beeps, forgets a Quit and an unhandled exception.
void Reset();
std::optional<int> QuitCode();

enum class Key { Backspace, Tab, Return, Escape, Delete, Left, Right, Home, End, F1 };
// Real key events, as the keyboard sends them, to the control's widget.
void TypeText(RectControl& control, std::string_view text);
void PressKey(RectControl& control, Key key);
// A key with the primary modifier held, e.g. "Ctrl+V" or "Ctrl+Alt+-", to the control's widget.
void PressShortcut(RectControl& control, std::string_view shortcut);
// Text an input method commits to the control (what a dead key or Compose sequence gives).
void CommitText(RectControl& control, std::string_view text);
void PressKeyInWindow(Window& window, std::string_view text);
void PressShortcutInWindow(Window& window, std::string_view shortcut);
// A left click at (x, y) in the control's or the window content's coordinates.
void Click(RectControl& control, int x, int y);
void ClickWindow(Window& window, int x, int y);
// A left click queued behind the events already waiting, as a fast user's second click is.
void PostClick(RectControl& control, int x, int y);
// The user's close button.
void CloseByUser(Window& window);

void FireTimer(Timer& timer);
void ProcessEvents();
// Processes events until `condition` holds or `timeout` passes; returns the condition.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));
// Runs `action` once the event loop is running (for tests of the real message box).
void Later(std::chrono::milliseconds delay, std::function<void()> action);

// Whether the control is on screen now (its window shown and the control not hidden).
bool IsShown(const RectControl& control);
std::string FocusedControlName();
// What assistive technology is told of the control: its name, and its role as the toolkit
// names it ("Button", "Graphic", "StaticText", ...).
struct Accessibility {
  std::string name, role;
};
Accessibility AccessibilityOf(const RectControl& control);
int TextCursorPosition(const RectControl& field);
std::string SelectedText(const RectControl& field);
void SetClipboardText(std::string_view text);
std::string ClipboardText();
// Chooses the item named `itemName` of the window's menu bar, as a click in the open menu does.
void ChooseMenuItem(Window& window, std::string_view itemName);
// Whether the item shows enabled when its menu opens.
bool EnabledWhenMenuOpens(Window& window, std::string_view itemName);
std::vector<std::string> MenuCaptions(Window& window);
// The rows of the menu holding `itemName`, opened, as the style is asked to draw them: each
// row's text with its shortcut after a tab, a separator as "(rule)" followed by any text it draws.
std::vector<std::string> OpenMenuRows(Window& window, std::string_view itemName);
// The outer size, content size and the content's offset from the window's top.
struct Geometry {
  int width, height, contentWidth, contentHeight, contentTop;
};
Geometry WindowGeometry(Window& window);
// The window's content drawn into a PNG file.
bool GrabWindow(Window& window, const std::string& pngPath);

// Pictures are read from this folder instead of the resources beside the executable.
void SetResourceFolder(const std::string& folder);

}  // namespace fw::testing
