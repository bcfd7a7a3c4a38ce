#include "2-common/menu_bar1.h"

#include <optional>
#include <span>
#include <string_view>

namespace {

enum class EntryClass { Item, Quit };

struct MenuEntry {
  EntryClass entryClass;
  std::string_view name;
  std::string_view caption;
  std::optional<std::string_view> shortcut;  // never set on the separators
  std::string_view menu;                     // empty: a menu on the bar itself
};

// Rows 1-2 are the File menu, rows 3-11 the Edit menu, in the order they are appended.
// The separators are numbered against their order.
constexpr MenuEntry kEntries[] = {
    {EntryClass::Item, "FileMenu", "&File", "", ""},
    {EntryClass::Quit, "FileQuit", "Quit", "Cmd+Q", "FileMenu"},
    {EntryClass::Item, "EditMenu", "&Edit", "", ""},
    {EntryClass::Item, "EditUndo", "&Undo", "Cmd+Z", "EditMenu"},
    {EntryClass::Item, "UntitledMenu1", "-", std::nullopt, "EditMenu"},
    {EntryClass::Item, "EditCut", "Cu&t", "Cmd+X", "EditMenu"},
    {EntryClass::Item, "EditCopy", "&Copy", "Cmd+C", "EditMenu"},
    {EntryClass::Item, "EditPaste", "&Paste", "Cmd+V", "EditMenu"},
    {EntryClass::Item, "EditClear", "Clear", "", "EditMenu"},
    {EntryClass::Item, "UntitledMenu0", "-", std::nullopt, "EditMenu"},
    {EntryClass::Item, "EditSelectAll", "Select &All", "Cmd+A", "EditMenu"},
};

// Each entry is complete before it is appended; its menu is looked up on the bar every time.
void Append(fw::MenuBar& bar, const MenuEntry& row) {
  std::shared_ptr<fw::MenuItem> entry = row.entryClass == EntryClass::Quit
                                            ? std::make_shared<fw::QuitMenuItem>()
                                            : std::make_shared<fw::MenuItem>();
  entry->SetName(std::string(row.name));
  entry->SetAutoEnabled(true);
  entry->SetValue(std::string(row.caption));
  entry->SetVisible(true);
  if (row.shortcut) entry->SetShortcut(std::string(*row.shortcut));
  if (row.menu.empty()) {
    bar.AddMenu(entry);
    return;
  }
  auto menu = bar.Child(row.menu);
  if (!menu) throw fw::NilObjectException("the menu bar has no menu " + std::string(row.menu));
  menu->AddMenu(entry);
}

}  // namespace

std::shared_ptr<MenuBar1> MenuBar1::implicitInstance;

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
  if (!implicitInstance) {
    auto bar = std::make_shared<MenuBar1>();
    bar->Constructor();
    implicitInstance = bar;
  }
  return implicitInstance;
}

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  for (const auto& row : std::span(kEntries).first(2)) Append(*this, row);
}

void MenuBar1::Untitled1() {
  for (const auto& row : std::span(kEntries).subspan(2)) Append(*this, row);
}
