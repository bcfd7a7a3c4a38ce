#include "1-framework/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "1-framework/application.h"
#include "1-framework/control.h"
#include "1-framework/dispatch.h"
#include "1-framework/internal.h"
#include "1-framework/menu.h"
#include "1-framework/runtime.h"
#include "1-framework/ui_thread.h"

namespace fw {

namespace {

// The framework's live windows, in the order they were built. The registry keeps them alive
// while they are open; closing drops them. Never destroyed: a window still open when the
// process ends must not be torn down after the toolkit's own globals are gone.
std::vector<std::shared_ptr<Window>>& Registry() {
  static auto* windows = new std::vector<std::shared_ptr<Window>>();
  return *windows;
}

// The content area: the size the layout gives, whatever menu bar the window shows above it.
class ContentWidget : public QWidget {
 public:
  using QWidget::QWidget;
  QSize hint{300, 300};
  QSize sizeHint() const override { return hint; }
};

template <class Handler>
const Handler* HandlerFor(const Window& window, std::string_view event) {
  const auto& table = window.HandledEvents();
  auto found = table.find(event);
  if (found == table.end()) return nullptr;
  if (auto* handler = std::get_if<Handler>(&found->second)) return handler;
  throw EventBindingException("the handler of window event " + std::string(event) + " of " +
                              ClassNameOf(window) + " does not take that event's arguments");
}

}  // namespace

struct WindowPeerAccess {
  static void Close(Window& window) { window.ClosedByUser(); }
  static void Drop(Window& window) { window.Drop(); }
  static QMainWindow* Widget(const Window& window);
};

class WindowPeerWidget : public QMainWindow {
 public:
  explicit WindowPeerWidget(Window* owner) : owner_(owner) {
    setCentralWidget(new ContentWidget(this));
  }
  Window* Owner() const { return owner_; }
  void Disown() { owner_ = nullptr; }
  ContentWidget* Content() const { return static_cast<ContentWidget*>(centralWidget()); }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    if (!owner_ || owner_->IsClosed()) return;
    Window* owner = owner_;
    Dispatch([owner] { WindowPeerAccess::Close(*owner); });
  }
  void keyPressEvent(QKeyEvent* event) override {
    auto key = KeyTextOf(*event);
    bool handled = false;
    if (key && owner_ && !InModalSession()) {
      Window* owner = owner_;
      Dispatch([&] { handled = owner->RaiseKeyDown(*key); });
    }
    if (!handled) QMainWindow::keyPressEvent(event);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (!RaiseWindowMouseDown(this, *event)) QMainWindow::mousePressEvent(event);
  }

 private:
  Window* owner_;
};

struct Window::Peer {
  QPointer<WindowPeerWidget> widget;
};

QMainWindow* WindowPeerAccess::Widget(const Window& window) {
  return window.peer_->widget;
}

Window::Window() : peer_(std::make_unique<Peer>()) {
  peer_->widget = new WindowPeerWidget(this);
  // The application's menu shortcuts (Quit above all) work in every window.
  if (auto app = App(); app && app->MenuBar()) AddShortcuts(peer_->widget, *app->MenuBar());
  ApplyGeometry();
  ApplyTitleBarButtons();
}

Window::~Window() {
  controls_.clear();
  if (peer_->widget) {
    peer_->widget->Disown();
    peer_->widget->hide();
    // Deferred: the window may go while the toolkit is still delivering one of its events.
    peer_->widget->deleteLater();
  }
}

void Window::Constructor() {
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  Registry().push_back(self);
  constructing_ = true;
  try {
    RaiseEvent("Layout");
    RaiseEvent("CreateControls");
    ApplyTabOrder();
    if (auto* handler = HandlerFor<std::function<void(Window&, Window&)>>(*this, "AddMenuHandlers"))
      (*handler)(*this, *this);
    RaiseEvent("Open");
  } catch (...) {
    constructing_ = false;
    std::erase(Registry(), self);
    throw;
  }
  constructing_ = false;
  if (visible_) Show();
}

void Window::Show() {
  visible_ = true;
  if (constructing_ || closed_ || !peer_->widget) return;
  PlaceOnFirstShow();
  if (peer_->widget->isMinimized()) {
    peer_->widget->showNormal();
  } else {
    peer_->widget->show();
  }
  peer_->widget->raise();
  peer_->widget->activateWindow();
  // Raised over a message box still open, this window would hide the box that blocks it.
  KeepMessageBoxesAbove();
}

void Window::Hide() {
  visible_ = false;
  if (peer_->widget) peer_->widget->hide();
}

bool Window::IsVisible() const {
  return peer_->widget && peer_->widget->isVisible();
}

void Window::ClosedByUser() {
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  // However the Close handler ends, the window is closed and dropped afterwards.
  struct DropAfterwards {
    Window& window;
    ~DropAfterwards() {
      window.Drop();
#ifndef __APPLE__
      // Without a global menu bar a program with no window left could not be quit at all.
      if (std::none_of(Registry().begin(), Registry().end(),
                       [](const auto& w) { return w->IsVisible(); }))
        Quit(0);
#endif
    }
  } dropAfterwards{*this};
  RaiseEvent("Close");
}

void Window::Drop() {
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  closed_ = true;
  visible_ = false;
  for (auto& entry : controls_) entry.second->WindowClosed();
  if (peer_->widget) peer_->widget->hide();
  std::erase(Registry(), self);
}

void DropAllWindows() {
  for (auto& window : LiveWindows()) WindowPeerAccess::Drop(*window);
}

void Window::AddControl(const std::string& name, std::shared_ptr<Control> control) {
  if (!control) throw NilObjectException("nil cannot be added to a window as " + name);
  control->AttachTo(*this, name);
  controls_.emplace_back(name, std::move(control));
}

std::shared_ptr<Control> Window::ControlByName(std::string_view name) const {
  RequireUIThread();
  for (const auto& [controlName, control] : controls_)
    if (controlName == name) return control;
  return nullptr;
}

std::vector<std::string> Window::ControlNames() const {
  std::vector<std::string> names;
  for (const auto& entry : controls_) names.push_back(entry.first);
  return names;
}

void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
  menuBar_ = std::move(bar);
  if (!peer_->widget) return;
  peer_->widget->setMenuBar(menuBar_ ? BuildMenuBar(*menuBar_) : new QMenuBar());
  ApplyMenuBarVisibility();
  FitToContent();
}

std::shared_ptr<MenuItem> Window::LookupMenuItem(std::string_view name) const {
  RequireUIThread();
  if (!menuBar_)
    throw NilObjectException("the window has no menu bar to find " + std::string(name) + " in");
  return menuBar_->Lookup(name);
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

bool Window::HandleMenuItem(std::string_view itemName) {
  auto found = menuHandlers_.find(itemName);
  return found != menuHandlers_.end() && found->second();
}

const WindowEventTable& Window::HandledEvents() const {
  static const WindowEventTable none;
  return none;
}

bool Window::IsEventImplemented(std::string_view event) const {
  return HandledEvents().contains(event);
}

void Window::RaiseEvent(std::string_view event) {
  if (auto* handler = HandlerFor<std::function<void(Window&)>>(*this, event)) (*handler)(*this);
}

bool Window::RaiseKeyDown(const std::string& key) {
  auto* handler = HandlerFor<std::function<bool(Window&, const std::string&)>>(*this, "KeyDown");
  return handler && (*handler)(*this, key);
}

bool Window::RaiseMouseDown(std::int64_t x, std::int64_t y) {
  auto* handler =
      HandlerFor<std::function<bool(Window&, std::int64_t, std::int64_t)>>(*this, "MouseDown");
  return handler && (*handler)(*this, x, y);
}

std::string Window::PropertyOwnerName() const {
  return "window " + ClassNameOf(*this);
}

void Window::SetProperty(const Property& p) {
  // A setter that stores the value in `field`, then lets the window apply it.
  auto stores = []<class V>(V Window::*field, void (Window::*apply)()) {
    return [field, apply](Window& w, const Property& p) {
      w.*field = Expect<V>(p, w.PropertyOwnerName());
      if (apply) (w.*apply)();
    };
  };
  static const PropertyTable<Window> table = {
      {"Width", stores(&Window::width_, &Window::ApplyGeometry)},
      {"Height", stores(&Window::height_, &Window::ApplyGeometry)},
      {"MinimumWidth", stores(&Window::minWidth_, &Window::ApplyGeometry)},
      {"MinimumHeight", stores(&Window::minHeight_, &Window::ApplyGeometry)},
      {"MaximumWidth", stores(&Window::maxWidth_, &Window::ApplyGeometry)},
      {"MaximumHeight", stores(&Window::maxHeight_, &Window::ApplyGeometry)},
      {"Resizeable", stores(&Window::resizeable_, &Window::ApplyGeometry)},
      {"HasCloseButton", stores(&Window::closeButton_, &Window::ApplyTitleBarButtons)},
      {"HasMinimizeButton", stores(&Window::minimizeButton_, &Window::ApplyTitleBarButtons)},
      {"HasMaximizeButton", stores(&Window::maximizeButton_, &Window::ApplyTitleBarButtons)},
      {"DefaultLocation", stores(&Window::defaultLocation_, nullptr)},
      {"MenuBarVisible", stores(&Window::menuBarVisible_, &Window::ApplyMenuBarVisibility)},
      {"HasBackgroundColor", stores(&Window::hasBackground_, &Window::ApplyBackground)},
      {"BackgroundColor", stores(&Window::background_, &Window::ApplyBackground)},
      {"Title",
       [](Window& w, const Property& p) {
         w.peer_->widget->setWindowTitle(ToQt(Expect<std::string>(p, w.PropertyOwnerName())));
       }},
      {"Visible",
       [](Window& w, const Property& p) {
         if (Expect<bool>(p, w.PropertyOwnerName()))
           w.Show();
         else
           w.Hide();
       }},
  };
  if (table.Apply(*this, p)) return;
  // Meaningful only on the original platform: kept so they can be read back.
  if (Keep<std::int64_t>(p, {"Type", "MacProcID"}) ||
      Keep<bool>(p, {"HasFullScreenButton", "Composite", "LiveResize", "FullScreen"}))
    return;
  PropertyHolder::SetProperty(p);
}

void Window::ApplyGeometry() {
  ContentWidget* content = peer_->widget->Content();
  const QSize size(static_cast<int>(width_), static_cast<int>(height_));
  content->hint = size;
  if (resizeable_) {
    auto clamp = [](std::int64_t v) {
      return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX));
    };
    content->setMinimumSize(clamp(minWidth_), clamp(minHeight_));
    content->setMaximumSize(clamp(maxWidth_), clamp(maxHeight_));
  } else {
    content->setFixedSize(size);
  }
  peer_->widget->layout()->setSizeConstraint(resizeable_ ? QLayout::SetDefaultConstraint
                                                         : QLayout::SetFixedSize);
  content->updateGeometry();
  FitToContent();
}

// The window's size from its content and menu bar; unlike adjustSize, not cut to the screen.
void Window::FitToContent() {
  peer_->widget->layout()->activate();
  peer_->widget->resize(peer_->widget->sizeHint());
}

void Window::ApplyMenuBarVisibility() {
  if (QWidget* bar = peer_->widget->menuWidget()) bar->setVisible(menuBarVisible_ && menuBar_);
}

void Window::ApplyBackground() {
  QWidget* content = peer_->widget->Content();
  QPalette palette = content->palette();
  palette.setColor(QPalette::Window, QColor(background_.red, background_.green, background_.blue));
  content->setPalette(palette);
  content->setAutoFillBackground(hasBackground_);
}

void Window::ApplyTitleBarButtons() {
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  bool shown = peer_->widget->isVisible();
  peer_->widget->setWindowFlags(flags);
  if (shown) peer_->widget->show();  // changing the flags hides a window
}

void Window::ApplyTabOrder() {
  std::vector<RectControl*> order;
  for (auto& [name, control] : controls_)
    if (auto* rect = dynamic_cast<RectControl*>(control.get()))
      if (rect->Peer().widget && (rect->Peer().widget->focusPolicy() & Qt::TabFocus))
        order.push_back(rect);
  std::stable_sort(order.begin(), order.end(),
                   [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1]->Peer().widget, order[i]->Peer().widget);
}

void Window::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  QWidget* widget = peer_->widget;
  QWidget* active = QApplication::activeWindow();
  QRect area = widget->screen() ? widget->screen()->availableGeometry() : QRect();
  // 3: staggered over the active window; otherwise centred on the screen.
  if (defaultLocation_ == 3 && active && active != widget) {
    widget->move(active->frameGeometry().topLeft() + QPoint(24, 24));
  } else if (area.isValid()) {
    widget->move(area.center() - widget->rect().center());
  }
}

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
  RequireUIThread();
  for (const auto& window : Registry())
    if (const Window& live = *window; RegisteredClassName(typeid(live)) == className) return window;
  return nullptr;
}

std::string RegisteredClassName(const std::type_info& windowClass) {
  std::string name = ClassNameOf(windowClass);
  return name + "." + name;
}

std::vector<std::shared_ptr<Window>> LiveWindows() {
  return Registry();
}

QMainWindow* PeerWindow(const Window& window) {
  return WindowPeerAccess::Widget(window);
}

QWidget* ContentOf(const Window& window) {
  return WindowPeerAccess::Widget(window)->centralWidget();
}

bool RaiseWindowMouseDown(QWidget* widget, const QMouseEvent& press) {
  auto* peer = dynamic_cast<WindowPeerWidget*>(widget->window());
  if (!peer || !peer->Owner() || press.button() != Qt::LeftButton || InModalSession()) return false;
  const QPoint at =
      peer->centralWidget()->mapFromGlobal(widget->mapToGlobal(press.position().toPoint()));
  Window* owner = peer->Owner();
  bool handled = false;
  Dispatch([&] { handled = owner->RaiseMouseDown(at.x(), at.y()); });
  return handled;
}

Window* FrameworkWindowOf(const QWidget* widget) {
  auto* peer = widget ? dynamic_cast<const WindowPeerWidget*>(widget->window()) : nullptr;
  return peer ? peer->Owner() : nullptr;
}

}  // namespace fw
