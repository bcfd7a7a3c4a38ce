#pragma once
// Menus: a menu bar holds menus, a menu holds items; every one is a MenuItem found by its Name.
// An item's caption marks its mnemonic with "&"; the caption "-" makes a separator. Shortcuts
// are written "Cmd+Q" and mean the platform's primary modifier (Ctrl here, Command on macOS).
// Choosing an item runs the handler the active window registered for its name; otherwise the
// framework's standard behaviour for it: the Edit items act on the focused text, Quit quits.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "1-framework/object.h"

namespace fw {

class MenuItem : public Object {
 public:
  MenuItem();
  ~MenuItem() override;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Value() const { return caption_; }
  void SetValue(std::string caption);
  const std::string& Shortcut() const { return shortcut_; }
  bool HasShortcut() const { return shortcutSet_; }
  void SetShortcut(std::string shortcut);
  bool AutoEnabled() const { return autoEnabled_; }
  void SetAutoEnabled(bool on) { autoEnabled_ = on; }
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  bool IsSeparator() const { return caption_ == "-"; }

  // Appends `entry` after the existing children.
  void AddMenu(std::shared_ptr<MenuItem> entry);
  // The direct child named `name`, or nil.
  std::shared_ptr<MenuItem> Child(std::string_view name) const;
  // The entry named `name` anywhere below this one, or nil.
  std::shared_ptr<MenuItem> Lookup(std::string_view name) const;
  std::size_t Count() const { return children_.size(); }
  std::shared_ptr<MenuItem> Item(std::size_t index) const;

  // Whether choosing it now would do anything (the Edit items need a focused text to act on).
  bool CanAct() const;
  // Chooses the item, as a click or its shortcut does.
  void Choose();

  struct Action;
  Action& ToolkitAction() const;

 protected:
  // The framework's own behaviour when no window handles the item.
  virtual void DefaultAction();

 private:
  std::string name_, caption_, shortcut_;
  bool shortcutSet_ = false, autoEnabled_ = false, visible_ = true;
  std::vector<std::shared_ptr<MenuItem>> children_;
  std::unique_ptr<Action> action_;
};

class QuitMenuItem : public MenuItem {
 protected:
  void DefaultAction() override;
};

class MenuBar : public MenuItem {};

}  // namespace fw
