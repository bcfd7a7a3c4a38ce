#pragma once
// Seams for tests: answer message boxes, hear beeps, send real key and mouse events, and read
// back what the toolkit shows (focus, titles, frames, accessible names, opened menus, windows
// drawn into files).

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {
class RectControl;
class Window;
}  // namespace fw

namespace fw::testing {

// The toolkit's application, on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
void InitForTests(int& argc, char** argv);
// Drops every window, recorded message and beep.
void Reset();
// The text of every message box shown; while answering is on, Return dismisses each at once.
void AnswerMessageBoxes(bool on);
const std::vector<std::string>& MessageBoxTexts();
// How each looked: its icon ("none", "information", "warning", "critical" or "question") and
// its buttons' captions, e.g. "critical: OK".
const std::vector<std::string>& MessageBoxFaces();
// The beeps sent to the platform.
int BeepCount();

// Real key events as the keyboard sends them; "\b", "\t", "\r" are Backspace, Tab and Return.
void TypeText(RectControl& control, std::string_view text);
// A key with modifiers held, e.g. "Ctrl+V" or "Ctrl+Alt+-".
void PressShortcut(RectControl& control, std::string_view shortcut);
// Text an input method commits to the control (what a dead key or Compose sequence gives).
void CommitText(RectControl& control, std::string_view text);
void SetClipboardText(std::string_view text);
std::string ClipboardText();
void PressKeyInWindow(Window& window, std::string_view text);
// A left click at (x, y) in the control's or the window content's coordinates.
void Click(RectControl& control, int x, int y);
void RightClick(RectControl& control, int x, int y);
void ClickWindow(Window& window, int x, int y);
// A double click: in a field, selects the word there.
void DoubleClick(RectControl& control, int x, int y);
void CloseByUser(Window& window);
// Where the user drags the window's frame.
void MoveByUser(Window& window, int x, int y);
void Minimise(Window& window);
bool IsMinimised(Window& window);

void ProcessEvents();
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));
void Later(std::chrono::milliseconds delay, std::function<void()> action);

// The window as the window system is asked to show it: where, how large, its own title, which
// title-bar buttons ("close", "minimise", "maximise", space-separated) and whether the user can
// resize it, its content with it.
struct Frame {
  int x = 0, y = 0, width = 0, height = 0;
  std::string title, buttons;
  bool resizable = false;
};
Frame FrameOf(Window& window);
// The screen's area for windows.
Frame ScreenArea();

// The desktop entry the program's windows name (Wayland's app id).
std::string DesktopEntryName();

bool IsShown(const RectControl& control);
std::string FocusedControlName();
// What assistive technology is told of the control: its name, and its role as the toolkit
// names it ("Button", "Graphic", "StaticText", ...).
struct Accessibility {
  std::string name, role;
};
Accessibility AccessibilityOf(const RectControl& control);
// Opens the menu holding the item as a user does; whether the item shows enabled.
bool EnabledWhenMenuOpens(Window& window, std::string_view itemName);
// The rows of that menu, opened, as the style is asked to draw them: each row's text with its
// shortcut after a tab, a separator as "(rule)" followed by any text it draws.
std::vector<std::string> OpenMenuRows(Window& window, std::string_view itemName);
// The title of the menu open now ("" when none), which it then closes.
std::string CloseOpenMenu();
// Opens that menu and clicks the item in it.
void ChooseMenuItem(Window& window, std::string_view itemName);

bool GrabWindow(Window& window, const std::string& pngPath);
// The menu holding the item, opened and drawn into a PNG file.
bool GrabOpenMenu(Window& window, std::string_view itemName, const std::string& pngPath);

}  // namespace fw::testing
