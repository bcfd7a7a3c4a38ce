// The menu bar's single instance and its shape.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "2-common/menu_bar1.h"
#include "1-framework/testing.h"

namespace {

struct Entry {
  const char* name;
  const char* caption;
  const char* shortcut;  // nullptr: never set
};

std::vector<Entry> EntriesOf(const fw::MenuItem& menu) {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    auto item = menu.Item(i);
    entries.push_back({item->Name().c_str(), item->Value().c_str(),
                       item->HasShortcut() ? item->Shortcut().c_str() : nullptr});
  }
  return entries;
}

void ExpectEntries(const fw::MenuItem& menu, const std::vector<Entry>& expected) {
  auto actual = EntriesOf(menu);
  ASSERT_EQ(actual.size(), expected.size()) << menu.Name();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_STREQ(actual[i].name, expected[i].name);
    EXPECT_STREQ(actual[i].caption, expected[i].caption);
    if (expected[i].shortcut) {
      EXPECT_STREQ(actual[i].shortcut, expected[i].shortcut);
    } else {
      EXPECT_EQ(actual[i].shortcut, nullptr);
    }
  }
}

}  // namespace

TEST(MenuBar1, is_built_once_and_the_same_object_at_every_request) {
  auto first = MenuBar1::Instance();
  auto second = MenuBar1::Instance();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->Count(), 2u);
}

TEST(MenuBar1, holds_file_with_quit_and_edit_with_the_standard_items_in_order) {
  auto bar = MenuBar1::Instance();
  ExpectEntries(*bar, {{"FileMenu", "&File", ""}, {"EditMenu", "&Edit", ""}});
  ExpectEntries(*bar->Child("FileMenu"), {{"FileQuit", "Quit", "Cmd+Q"}});
  ExpectEntries(*bar->Child("EditMenu"), {{"EditUndo", "&Undo", "Cmd+Z"},
                                          {"UntitledMenu1", "-", nullptr},
                                          {"EditCut", "Cu&t", "Cmd+X"},
                                          {"EditCopy", "&Copy", "Cmd+C"},
                                          {"EditPaste", "&Paste", "Cmd+V"},
                                          {"EditClear", "Clear", ""},
                                          {"UntitledMenu0", "-", nullptr},
                                          {"EditSelectAll", "Select &All", "Cmd+A"}});
  EXPECT_NE(std::dynamic_pointer_cast<fw::QuitMenuItem>(bar->Lookup("FileQuit")), nullptr);
}

TEST(MenuBar1, every_entry_is_automatically_enabled_and_visible) {
  auto bar = MenuBar1::Instance();
  for (const char* name :
       {"FileMenu", "FileQuit", "EditMenu", "EditUndo", "UntitledMenu1", "EditCut", "EditCopy",
        "EditPaste", "EditClear", "UntitledMenu0", "EditSelectAll"}) {
    SCOPED_TRACE(name);
    auto entry = bar->Lookup(name);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->AutoEnabled());
    EXPECT_TRUE(entry->Visible());
  }
}
