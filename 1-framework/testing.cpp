#include "1-framework/testing.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QTimer>

#include "1-framework/control.h"
#include "1-framework/internal.h"
#include "1-framework/menu.h"
#include "1-framework/runtime.h"
#include "1-framework/timer.h"
#include "1-framework/window.h"

namespace fw::testing {

namespace {

QWidget* WidgetOf(const RectControl& control) {
  return control.Peer().widget;
}

QWidget* KeyTargetOf(Window& window) {
  QWidget* peer = PeerWindow(window);
  return peer->focusWidget() ? peer->focusWidget() : peer;
}

void ActivateWindowOf(QWidget* widget) {
  QWidget* top = widget->window();
  if (!top->isVisible()) return;
  top->activateWindow();
  QApplication::setActiveWindow(top);
}

void SendShortcut(QWidget* target, std::string_view shortcut) {
  QKeySequence sequence = QKeySequence::fromString(ToQt(shortcut), QKeySequence::PortableText);
  if (sequence.isEmpty()) return;
  ActivateWindowOf(target);
  QKeyCombination combination = sequence[0];
  QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

constexpr struct {
  Key key;
  Qt::Key qt;
} kKeys[] = {{Key::Backspace, Qt::Key_Backspace},
             {Key::Tab, Qt::Key_Tab},
             {Key::Return, Qt::Key_Return},
             {Key::Escape, Qt::Key_Escape},
             {Key::Delete, Qt::Key_Delete},
             {Key::Left, Qt::Key_Left},
             {Key::Right, Qt::Key_Right},
             {Key::Home, Qt::Key_Home},
             {Key::End, Qt::Key_End},
             {Key::F1, Qt::Key_F1}};

// One key click per character. QTest::keyClicks knows only ASCII and aborts on anything else,
// so every other character (a surrogate pair as one) is sent as a key with that text.
void KeyClicks(QWidget* target, std::string_view text) {
  const QString chars = ToQt(text);
  for (qsizetype i = 0; i < chars.size(); ++i) {
    if (chars[i].unicode() < 0x80) {
      QTest::keyClick(target, chars[i].toLatin1());
      continue;
    }
    const qsizetype length = chars[i].isHighSurrogate() && i + 1 < chars.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, chars.mid(i, length),
                        Qt::NoModifier);
    i += length - 1;
  }
}

}  // namespace

void InitForTests(int& argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  RuntimeInit(argc, argv);
}

void AnswerMessageBoxes(bool on) {
  Testing().answerMessageBoxes = on;
}
const std::vector<std::string>& MessageBoxTexts() {
  return Testing().messageBoxTexts;
}

std::optional<std::string> OpenMessageBoxText() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
    return ToStd(box->text());
  return std::nullopt;
}

void DismissOpenMessageBox() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
}

int BeepCount() {
  return Testing().beeps;
}

void Reset() {
  DropAllWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Testing().messageBoxTexts.clear();
  Testing().beeps = 0;
  ResetRuntimeForTesting();
}

std::optional<int> QuitCode() {
  return QuitCodeForTesting();
}

void TypeText(RectControl& control, std::string_view text) {
  ActivateWindowOf(WidgetOf(control));
  KeyClicks(WidgetOf(control), text);
}

void PressKey(RectControl& control, Key key) {
  ActivateWindowOf(WidgetOf(control));
  for (const auto& entry : kKeys)
    if (entry.key == key) QTest::keyClick(WidgetOf(control), entry.qt);
}

void PressShortcut(RectControl& control, std::string_view shortcut) {
  SendShortcut(WidgetOf(control), shortcut);
}

void CommitText(RectControl& control, std::string_view text) {
  ActivateWindowOf(WidgetOf(control));
  QInputMethodEvent commit;
  commit.setCommitString(ToQt(text));
  QCoreApplication::sendEvent(WidgetOf(control), &commit);
}

void PressKeyInWindow(Window& window, std::string_view text) {
  ActivateWindowOf(PeerWindow(window));
  KeyClicks(KeyTargetOf(window), text);
}

void PressShortcutInWindow(Window& window, std::string_view shortcut) {
  SendShortcut(KeyTargetOf(window), shortcut);
}

void Click(RectControl& control, int x, int y) {
  QTest::mouseClick(WidgetOf(control), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void ClickWindow(Window& window, int x, int y) {
  QWidget* content = ContentOf(window);
  QWidget* target = content->childAt(x, y);
  if (!target) target = content;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(content, QPoint(x, y)));
}

void PostClick(RectControl& control, int x, int y) {
  const QPointF at(x, y);
  const QPointF global = WidgetOf(control)->mapToGlobal(at);
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    auto buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(WidgetOf(control), new QMouseEvent(type, at, global, Qt::LeftButton,
                                                                   buttons, Qt::NoModifier));
  }
}

void CloseByUser(Window& window) {
  PeerWindow(window)->close();
}

void FireTimer(Timer& timer) {
  timer.Fire();
}

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeout.count()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qSleep(5);
  }
  return true;
}

void Later(std::chrono::milliseconds delay, std::function<void()> action) {
  QTimer::singleShot(static_cast<int>(delay.count()), QCoreApplication::instance(),
                     std::move(action));
}

bool IsShown(const RectControl& control) {
  return WidgetOf(control)->isVisible();
}

Accessibility AccessibilityOf(const RectControl& control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(WidgetOf(control));
  if (!face) return {};
  return {ToStd(face->text(QAccessible::Name)),
          QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role())};
}

std::string FocusedControlName() {
  QWidget* focused = QApplication::focusWidget();
  Window* window = FrameworkWindowOf(focused);
  if (!window) return "";
  for (const auto& name : window->ControlNames()) {
    auto control = std::dynamic_pointer_cast<RectControl>(window->ControlByName(name));
    if (control && WidgetOf(*control) == focused) return name;
  }
  return "";
}

int TextCursorPosition(const RectControl& field) {
  if (auto* line = qobject_cast<QLineEdit*>(WidgetOf(field))) return line->cursorPosition();
  return -1;
}

std::string SelectedText(const RectControl& field) {
  if (auto* line = qobject_cast<QLineEdit*>(WidgetOf(field))) return ToStd(line->selectedText());
  if (auto* area = qobject_cast<QPlainTextEdit*>(WidgetOf(field)))
    return ToStd(area->textCursor().selectedText());
  return "";
}

void SetClipboardText(std::string_view text) {
  QApplication::clipboard()->setText(ToQt(text));
}
std::string ClipboardText() {
  return ToStd(QApplication::clipboard()->text());
}

namespace {

QMenu* MenuHolding(Window& window, QAction* action) {
  QMenuBar* bar = PeerWindow(window)->menuBar();
  for (QMenu* menu : bar->findChildren<QMenu*>())
    if (menu->actions().contains(action)) return menu;
  return nullptr;
}

}  // namespace

void ChooseMenuItem(Window& window, std::string_view itemName) {
  ActivateWindowOf(PeerWindow(window));
  QAction* action = window.MenuItemNamed<MenuItem>(itemName)->ToolkitAction().action;
  if (QMenu* menu = MenuHolding(window, action)) emit menu->aboutToShow();
  if (action->isEnabled()) action->trigger();
  if (QMenu* menu = MenuHolding(window, action)) emit menu->aboutToHide();
}

bool EnabledWhenMenuOpens(Window& window, std::string_view itemName) {
  ActivateWindowOf(PeerWindow(window));
  QAction* action = window.MenuItemNamed<MenuItem>(itemName)->ToolkitAction().action;
  QMenu* menu = MenuHolding(window, action);
  if (menu) emit menu->aboutToShow();
  bool enabled = action->isEnabled();
  if (menu) emit menu->aboutToHide();
  return enabled;
}

std::vector<std::string> MenuCaptions(Window& window) {
  std::vector<std::string> captions;
  for (QAction* action : PeerWindow(window)->menuBar()->actions())
    captions.push_back(ToStd(action->text()));
  return captions;
}

namespace {
// Reaches the style option QMenu hands to its style for each row.
struct MenuStyleOptions : QMenu {
  using QMenu::initStyleOption;
};
}  // namespace

std::vector<std::string> OpenMenuRows(Window& window, std::string_view itemName) {
  ActivateWindowOf(PeerWindow(window));
  QMenu* menu =
      MenuHolding(window, window.MenuItemNamed<MenuItem>(itemName)->ToolkitAction().action);
  if (!menu) return {};
  menu->popup(PeerWindow(window)->mapToGlobal(QPoint(0, 0)));
  std::vector<std::string> rows;
  for (QAction* action : menu->actions()) {
    QStyleOptionMenuItem option;
    (menu->*&MenuStyleOptions::initStyleOption)(&option, action);
    const bool rule = option.menuItemType == QStyleOptionMenuItem::Separator;
    rows.push_back((rule ? "(rule)" : "") + ToStd(option.text));
  }
  menu->hide();
  return rows;
}

Geometry WindowGeometry(Window& window) {
  QMainWindow* peer = PeerWindow(window);
  QWidget* content = peer->centralWidget();
  return {peer->width(), peer->height(), content->width(), content->height(), content->y()};
}

bool GrabWindow(Window& window, const std::string& pngPath) {
  return PeerWindow(window)->grab().save(ToQt(pngPath), "PNG");
}

void SetResourceFolder(const std::string& folder) {
  Testing().resourceFolder = folder;
}

}  // namespace fw::testing
