#include "1-framework/testing.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QScreen>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "1-framework/control.h"
#include "1-framework/internal.h"
#include "1-framework/runtime.h"
#include "1-framework/window.h"

namespace fw::testing {

namespace {

QWidget* WidgetOf(const RectControl& control) {
  return control.Peer().widget;
}

void Activate(QWidget* widget) {
  QWidget* top = widget->window();
  if (!top->isVisible()) return;
  top->activateWindow();
  QApplication::setActiveWindow(top);
}

// One key click per character; QTest::keyClick takes only ASCII, so the rest go as key text.
void KeyClicks(QWidget* target, std::string_view text) {
  Activate(target);
  const QString chars = ToQt(text);
  for (QChar c : chars) {
    if (c.unicode() < 0x80)
      QTest::keyClick(target, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

struct Heard {
  bool answerMessageBoxes = false;
  std::vector<std::string> messageBoxTexts, messageBoxFaces;
  int beeps = 0;
};
Heard heard;

// Sees every message box the moment it shows, records its text and, when asked to, presses
// Return in it once its modal loop runs.
struct MessageBoxWatch : QObject {
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show) {
      heard.messageBoxTexts.push_back(ToStd(box->text()));
      static const char* const icons[] = {"none", "information", "warning", "critical", "question"};
      std::string face = icons[box->icon()] + std::string(":");
      for (QAbstractButton* button : box->buttons()) face += " " + ToStd(button->text());
      heard.messageBoxFaces.push_back(face);
      if (heard.answerMessageBoxes)
        QMetaObject::invokeMethod(
            box, [box] { QTest::keyClick(box, Qt::Key_Return); }, Qt::QueuedConnection);
    }
    return false;
  }
};

// The headless platform cannot raise windows and says so at every window shown.
QtMessageHandler toolkitHandler = nullptr;
void QuietAboutRaising(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains("does not support raise()")) return;
  toolkitHandler(type, context, text);
}

}  // namespace

void InitForTests(int& argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  toolkitHandler = qInstallMessageHandler(QuietAboutRaising);
  RuntimeInit(argc, argv);
  QCoreApplication::instance()->installEventFilter(new MessageBoxWatch());
  // A steady text cursor: what is drawn does not depend on when it is grabbed.
  QApplication::setCursorFlashTime(0);
}

void Reset() {
  DropAllWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  heard.messageBoxTexts.clear();
  heard.messageBoxFaces.clear();
  heard.beeps = 0;
}

void AnswerMessageBoxes(bool on) {
  heard.answerMessageBoxes = on;
}
const std::vector<std::string>& MessageBoxTexts() {
  return heard.messageBoxTexts;
}
const std::vector<std::string>& MessageBoxFaces() {
  return heard.messageBoxFaces;
}
int BeepCount() {
  return heard.beeps;
}

void TypeText(RectControl& control, std::string_view text) {
  KeyClicks(WidgetOf(control), text);
}

void PressShortcut(RectControl& control, std::string_view shortcut) {
  QWidget* target = WidgetOf(control);
  Activate(target);
  const QKeyCombination key = QKeySequence::fromString(ToQt(shortcut))[0];
  QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void CommitText(RectControl& control, std::string_view text) {
  Activate(WidgetOf(control));
  QInputMethodEvent commit;
  commit.setCommitString(ToQt(text));
  QCoreApplication::sendEvent(WidgetOf(control), &commit);
}

void SetClipboardText(std::string_view text) {
  QApplication::clipboard()->setText(ToQt(text));
}

std::string ClipboardText() {
  return ToStd(QApplication::clipboard()->text());
}

void PressKeyInWindow(Window& window, std::string_view text) {
  QWidget* peer = PeerWindow(window);
  KeyClicks(peer->focusWidget() ? peer->focusWidget() : peer, text);
}

void Click(RectControl& control, int x, int y) {
  QTest::mouseClick(WidgetOf(control), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void RightClick(RectControl& control, int x, int y) {
  QTest::mouseClick(WidgetOf(control), Qt::RightButton, Qt::NoModifier, QPoint(x, y));
}

void ClickWindow(Window& window, int x, int y) {
  QWidget* content = ContentOf(window);
  QWidget* target = content->childAt(x, y) ? content->childAt(x, y) : content;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(content, QPoint(x, y)));
}

void DoubleClick(RectControl& control, int x, int y) {
  QTest::mouseDClick(WidgetOf(control), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void CloseByUser(Window& window) {
  PeerWindow(window)->close();
}
void MoveByUser(Window& window, int x, int y) {
  PeerWindow(window)->move(x, y);
}
void Minimise(Window& window) {
  PeerWindow(window)->showMinimized();
}
bool IsMinimised(Window& window) {
  return PeerWindow(window)->isMinimized();
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
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

void Later(std::chrono::milliseconds delay, std::function<void()> action) {
  QTimer::singleShot(delay, QCoreApplication::instance(), std::move(action));
}

Frame FrameOf(Window& window) {
  QWindow* shown = PeerWindow(window)->windowHandle();
  const QRect at = shown->frameGeometry();
  std::string buttons;
  for (const auto& [flag, name] : {std::pair{Qt::WindowCloseButtonHint, " close"},
                                   {Qt::WindowMinimizeButtonHint, " minimise"},
                                   {Qt::WindowMaximizeButtonHint, " maximise"}})
    if (shown->flags() & flag) buttons += name;
  const QWidget* content = ContentOf(window);
  return {at.x(), at.y(), at.width(), at.height(), ToStd(shown->title()),
          buttons.empty() ? "" : buttons.substr(1),
          shown->minimumSize() != shown->maximumSize() && content->maximumSize() != content->size()};
}

Frame ScreenArea() {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height(), "", "", false};
}

std::string DesktopEntryName() {
  return ToStd(QGuiApplication::desktopFileName());
}

bool IsShown(const RectControl& control) {
  return WidgetOf(control)->isVisible();
}

std::string FocusedControlName() {
  QWidget* focused = QApplication::focusWidget();
  if (Window* window = FrameworkWindowOf(focused))
    for (const auto& name : window->ControlNames())
      if (auto c = std::dynamic_pointer_cast<RectControl>(window->ControlByName(name)))
        if (WidgetOf(*c) == focused) return name;
  return "";
}

Accessibility AccessibilityOf(const RectControl& control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(WidgetOf(control));
  if (!face) return {};
  return {ToStd(face->text(QAccessible::Name)),
          QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role())};
}

namespace {

// Reaches the style option a menu hands to its style for each row.
struct MenuStyleOptions : QMenu {
  using QMenu::initStyleOption;
};

// Opens the menu holding the item, hands it and the item's action to `read`, closes it again.
template <class Read>
auto WithMenuOpen(Window& window, std::string_view itemName, Read read) {
  Activate(PeerWindow(window));
  QAction* action = window.MenuItemNamed<MenuItem>(itemName)->ToolkitAction().action;
  QMenu* menu = nullptr;
  for (QMenu* candidate : PeerWindow(window)->menuBar()->findChildren<QMenu*>())
    if (candidate->actions().contains(action)) menu = candidate;
  menu->popup(PeerWindow(window)->mapToGlobal(QPoint(0, 0)));
  ProcessEvents();
  auto result = read(menu, action);
  menu->hide();
  return result;
}

}  // namespace

bool EnabledWhenMenuOpens(Window& window, std::string_view itemName) {
  return WithMenuOpen(window, itemName,
                      [](QMenu*, QAction* action) { return action->isEnabled(); });
}

std::vector<std::string> OpenMenuRows(Window& window, std::string_view itemName) {
  return WithMenuOpen(window, itemName, [](QMenu* menu, QAction*) {
    std::vector<std::string> rows;
    for (QAction* action : menu->actions()) {
      QStyleOptionMenuItem option;
      (menu->*&MenuStyleOptions::initStyleOption)(&option, action);
      const bool rule = option.menuItemType == QStyleOptionMenuItem::Separator;
      rows.push_back((rule ? "(rule)" : "") + ToStd(option.text));
    }
    return rows;
  });
}

std::string CloseOpenMenu() {
  ProcessEvents();
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) return "";
  menu->hide();
  return ToStd(menu->title());
}

void ChooseMenuItem(Window& window, std::string_view itemName) {
  WithMenuOpen(window, itemName, [](QMenu* menu, QAction* action) {
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return 0;
  });
  ProcessEvents();
}

bool GrabOpenMenu(Window& window, std::string_view itemName, const std::string& pngPath) {
  return WithMenuOpen(window, itemName,
                      [&](QMenu* menu, QAction*) { return menu->grab().save(ToQt(pngPath), "PNG"); });
}

bool GrabWindow(Window& window, const std::string& pngPath) {
  return PeerWindow(window)->grab().save(ToQt(pngPath), "PNG");
}

}  // namespace fw::testing

// The beep where it leaves the program: this definition stands in for the toolkit's own in the
// test programs, so a beep is counted at the call into the platform.
void QApplication::beep() {
  ++fw::testing::heard.beeps;
}
