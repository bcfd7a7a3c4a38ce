#pragma once
// The framework's inside: the toolkit peers of its windows and controls. Nothing outside
// 1-framework/ includes this.

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "1-framework/menu.h"
#include "1-framework/picture.h"

class QAction;
class QKeyEvent;
class QMouseEvent;
class QMenuBar;

namespace fw {

class Window;
class RectControl;
class MenuBar;
class MenuItem;

// Names the program's desktop entry and sets its icon, once the toolkit's application exists.
void IntroduceToDesktop();

// A toolkit menu bar showing the framework bar's menus; its actions are the items' own.
QMenuBar* BuildMenuBar(const MenuBar& bar);
// Makes the shortcuts of the menu's items work while `widget`'s window is active.
void AddShortcuts(QWidget* widget, const MenuItem& menu);

struct Picture::Pixels {
  QPixmap pixmap;
};

struct MenuItem::Action {
  QPointer<QAction> action;
};

struct WidgetPeer {
  QPointer<QWidget> widget;
};

// A widget that calls back into its control. The control disowns it as it goes, since events
// already queued for the widget may still arrive before the widget itself is deleted.
class OwnedWidget {
 public:
  virtual ~OwnedWidget() = default;
  virtual void Disown() = 0;
};

enum class MessageKind { Plain, Critical };
void ShowMessage(const std::string& text, MessageKind kind);

// True while a message box of the program is open: input meant for the program's windows is
// dropped then, so no handler runs nested inside another's message box.
bool InModalSession();
// Raises the open message boxes over a window just shown, which the window system may have put
// above them.
void KeepMessageBoxesAbove();

// The key as the program's key handlers see it: Backspace "\b", Tab "\t", Return "\r", Escape
// "\x1b", printable keys their text, other keys control codes no filter lets through. Nothing
// for shortcuts (the primary modifier held) and for modifier keys pressed alone.
std::optional<std::string> KeyTextOf(const QKeyEvent& event);

// Where new controls wait until a window adds them.
QWidget* Nursery();

// The toolkit window of a framework window.
QMainWindow* PeerWindow(const Window& window);
QWidget* ContentOf(const Window& window);
Window* FrameworkWindowOf(const QWidget* widget);
// Raises MouseDown of the window holding `widget` for a press on `widget`, at the press's point
// in the window's content; true when the handler took it.
bool RaiseWindowMouseDown(QWidget* widget, const QMouseEvent& press);
// Closes every window without raising Close: the program is ending.
void DropAllWindows();

// Ends the event loop with `code`, whatever an earlier Quit said: a failure outranks it.
void EndWith(int code);

std::string ToStd(const QString& text);
QString ToQt(std::string_view text);
// Texts of several lines: the program separates lines by a carriage return, Qt by a line feed.
std::string ToStdLines(QString text);
QString ToQtLines(std::string_view text);
// A control's TextAlignment (2 centred, 3 right, anything else left) as Qt's horizontal flag.
Qt::Alignment HorizontalAlignment(std::int64_t alignment);

}  // namespace fw
