#pragma once
// Window: the base of every window class. A window class lays itself out and creates its
// controls in its handlers of the Layout and CreateControls events, and answers which window
// events it handles from one table; events it does not handle keep the framework's default.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "1-framework/object.h"
#include "1-framework/properties.h"

namespace fw {

class Control;
class MenuBar;
class MenuItem;
class Window;
struct WindowPeerAccess;

// A handler in a window class's event table, by the event's kind of arguments.
using WindowEventHandler =
    std::variant<std::function<void(Window&)>,                      // Layout, Open, Close, ...
                 std::function<bool(Window&, const std::string&)>,  // KeyDown: the key as text
                 std::function<bool(Window&, std::int64_t, std::int64_t)>,  // MouseDown: x, y
                 std::function<void(Window&, Window&)>>;                    // AddMenuHandlers
using WindowEventTable = std::map<std::string, WindowEventHandler, std::less<>>;

// Table entries for a window class's own operations (virtual calls, so overrides run).
template <class W>
WindowEventHandler Handles(void (W::*method)()) {
  return std::function<void(Window&)>([method](Window& w) { (static_cast<W&>(w).*method)(); });
}
template <class W>
WindowEventHandler Handles(bool (W::*method)(const std::string&)) {
  return std::function<bool(Window&, const std::string&)>(
      [method](Window& w, const std::string& key) { return (static_cast<W&>(w).*method)(key); });
}
template <class W>
WindowEventHandler Handles(bool (W::*method)(std::int64_t, std::int64_t)) {
  return std::function<bool(Window&, std::int64_t, std::int64_t)>(
      [method](Window& w, std::int64_t x, std::int64_t y) {
        return (static_cast<W&>(w).*method)(x, y);
      });
}
template <class W>
WindowEventHandler Handles(void (W::*method)(Window&)) {
  return std::function<void(Window&, Window&)>(
      [method](Window& w, Window& sender) { (static_cast<W&>(w).*method)(sender); });
}

class Window : public Object, public PropertyHolder {
 public:
  Window();
  ~Window() override;

  // Builds the window: raises Layout, CreateControls, AddMenuHandlers and Open, then shows it
  // when its Visible is True. From its start the window is found by its class name.
  virtual void Constructor();

  void Show();
  // Hides the window; it stays alive and is still found by its class name.
  void Hide();
  bool IsVisible() const;
  bool IsClosed() const { return closed_; }

  // Controls: a new unconstructed control of a class, registered under a name, found by name.
  template <class T>
  std::shared_ptr<T> New() const {
    return std::make_shared<T>();
  }
  void AddControl(const std::string& name, std::shared_ptr<Control> control);
  // The control registered under `name`, or nil.
  std::shared_ptr<Control> ControlByName(std::string_view name) const;
  // The control registered under `name`, checked to be a T.
  template <class T>
  std::shared_ptr<T> ControlNamed(std::string_view name) const {
    return CheckedCast<T>(ControlByName(name));
  }
  std::vector<std::string> ControlNames() const;

  // The menu bar shown with the window, or nil.
  void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);
  std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
  // The entry of the window's menu bar named `name`, checked to be a T; NilObjectException
  // when the window has no menu bar.
  template <class T>
  std::shared_ptr<T> MenuItemNamed(std::string_view name) const {
    return CheckedCast<T>(LookupMenuItem(name));
  }
  // Binds a handler of this window to the menu item named `itemName`.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  bool HasMenuHandler(std::string_view itemName) const { return menuHandlers_.contains(itemName); }
  // Runs this window's handler for the item; false when it has none or the handler declined.
  bool HandleMenuItem(std::string_view itemName);

  // The window events this class handles; every other event keeps the framework's default.
  virtual const WindowEventTable& HandledEvents() const;
  bool IsEventImplemented(std::string_view event) const;

  // Raising events, as the toolkit does: the class's handler, or nothing / false.
  void RaiseEvent(std::string_view event);
  bool RaiseKeyDown(const std::string& key);
  bool RaiseMouseDown(std::int64_t x, std::int64_t y);

  void SetProperty(const Property& property) override;
  std::string PropertyOwnerName() const override;

 private:
  friend struct WindowPeerAccess;
  std::shared_ptr<MenuItem> LookupMenuItem(std::string_view name) const;
  void ApplyGeometry();
  void FitToContent();
  void ApplyTitleBarButtons();
  void ApplyMenuBarVisibility();
  void ApplyBackground();
  void ApplyTabOrder();
  void PlaceOnFirstShow();
  // The close button's road: Close event, then the window is dropped.
  void ClosedByUser();
  // Closed: stops the controls, hides the window and forgets it.
  void Drop();

  struct Peer;
  std::unique_ptr<Peer> peer_;
  std::vector<std::pair<std::string, std::shared_ptr<Control>>> controls_;
  std::map<std::string, std::function<bool()>, std::less<>> menuHandlers_;
  std::shared_ptr<fw::MenuBar> menuBar_;
  std::int64_t width_ = 300, height_ = 300, minWidth_ = 64, minHeight_ = 64;
  std::int64_t maxWidth_ = 32000, maxHeight_ = 32000, defaultLocation_ = 0;
  bool resizeable_ = true, closeButton_ = true, minimizeButton_ = true, maximizeButton_ = true;
  bool visible_ = true, menuBarVisible_ = true, constructing_ = false, closed_ = false;
  bool placed_ = false, hasBackground_ = false;
  Color background_ = Color::FromRGB(0xFFFFFF);
};

// The live window registered under `className` ("ControlWnd.ControlWnd"), or nil.
std::shared_ptr<Window> GetImplicitWindow(std::string_view className);
// The name a window class is registered under: its class name twice, joined by a point.
std::string RegisteredClassName(const std::type_info& windowClass);
// Every live window, in the order they were built.
std::vector<std::shared_ptr<Window>> LiveWindows();

// The implicit instance of window class W: the live window of the class, or a new one built
// now. The only place windows are created.
template <class W>
std::shared_ptr<W> ImplicitInstance() {
  std::shared_ptr<Window> window = GetImplicitWindow(RegisteredClassName(typeid(W)));
  if (!window) {
    auto built = std::make_shared<W>();
    built->Constructor();
    window = built;
  }
  return CheckedCast<W>(window);
}

}  // namespace fw
