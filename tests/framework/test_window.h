#pragma once
// What the framework tests share: a fixture that leaves no window or recorded box behind, and
// a small window class written the way the program writes its windows (an event table, a
// layout block, controls made by New + AddControl + SetProperties, delegates for control events).

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "1-framework/canvas.h"
#include "1-framework/delegate.h"
#include "1-framework/exceptions.h"
#include "1-framework/label.h"
#include "1-framework/menu.h"
#include "1-framework/testing.h"
#include "1-framework/text_field.h"
#include "1-framework/timer.h"
#include "1-framework/window.h"

namespace fwtest {

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::Reset();
    // A box no test expects must not block the run.
    fw::testing::AnswerMessageBoxes(true);
  }
  void TearDown() override {
    fw::testing::Reset();
    fw::testing::AnswerMessageBoxes(true);
    fw::testing::SetResourceFolder("");
  }
};

// What a handler of TestWnd does when it runs.
enum class Fault { None, NilObject, StdRuntimeError, NonStandard };

inline void Raise(Fault fault) {
  switch (fault) {
    case Fault::None:
      return;
    case Fault::NilObject:
      throw fw::NilObjectException("boom");
    case Fault::StdRuntimeError:
      throw std::runtime_error("canvas trouble");
    case Fault::NonStandard:
      throw 42;
  }
}

// Field (TextField with a KeyDown delegate), Other (TextField), Caption (Label), Picture
// (Canvas with a MouseDown delegate), Plain (Canvas without one) and Clock (Timer).
class TestWnd : public fw::Window {
 public:
  std::vector<std::string> events;
  std::vector<std::string> fieldKeys;
  bool swallowFieldKeys = false;
  std::vector<std::pair<std::int64_t, std::int64_t>> canvasClicks, windowClicks;
  int timerFired = 0;
  Fault fault = Fault::None;

  const fw::WindowEventTable& HandledEvents() const override {
    static const fw::WindowEventTable table = {
        {"Layout", fw::Handles(&TestWnd::Layout)},
        {"CreateControls", fw::Handles(&TestWnd::CreateControls)},
        {"AddMenuHandlers", fw::Handles(&TestWnd::AddMenuHandlers)},
        {"Open", fw::Handles(&TestWnd::Open)},
        {"Close", fw::Handles(&TestWnd::Closing)},
        {"MouseDown", fw::Handles(&TestWnd::MouseDown)},
    };
    return table;
  }

  virtual void Layout() {
    events.push_back("Layout");
    SetProperties({{"Title", "Test window"},
                   {"Width", 240},
                   {"Height", 160},
                   {"Resizeable", false},
                   {"Composite", true},
                   {"Visible", true}});
  }

  void CreateControls() {
    events.push_back("CreateControls");
    auto field = New<fw::TextField>();
    AddControl("Field", field);
    field->SetProperties({{"Left", 10},
                          {"Top", 10},
                          {"Width", 100},
                          {"Height", 22},
                          {"TabIndex", 0},
                          {"TabStop", true}});
    field->KeyDown.Attach(
        fw::MakeDelegate(*this, &TestWnd::Field_KeyDown, "( TextField, String ) as Boolean"));

    auto other = New<fw::TextField>();
    AddControl("Other", other);
    other->SetProperties({{"Left", 10},
                          {"Top", 40},
                          {"Width", 100},
                          {"Height", 22},
                          {"TabIndex", 1},
                          {"TabStop", true}});

    auto caption = New<fw::Label>();
    AddControl("Caption", caption);
    caption->SetProperties({{"Left", 120},
                            {"Top", 10},
                            {"Width", 100},
                            {"Height", 20},
                            {"Value", "caption"},
                            {"LockLeft", true}});

    auto picture = New<fw::Canvas>();
    AddControl("Picture", picture);
    picture->SetProperties({{"Left", 120}, {"Top", 40}, {"Width", 60}, {"Height", 40}});
    picture->MouseDown.Attach(
        fw::MakeDelegate(*this, &TestWnd::Picture_MouseDown, "( Canvas, Integer, Integer )"));

    auto plain = New<fw::Canvas>();
    AddControl("Plain", plain);
    plain->SetProperties({{"Left", 120}, {"Top", 90}, {"Width", 60}, {"Height", 40}});

    auto clock = New<fw::Timer>();
    AddControl("Clock", clock);
    clock->SetProperties({{"Period", 50}, {"RunMode", 0}});
    clock->Action.Attach(fw::MakeDelegate(*this, &TestWnd::Clock_Action, "( Timer )"));
  }

  void AddMenuHandlers(fw::Window&) { events.push_back("AddMenuHandlers"); }
  void Open() { events.push_back("Open"); }
  void Closing() { events.push_back("Close"); }

  bool MouseDown(std::int64_t x, std::int64_t y) {
    windowClicks.emplace_back(x, y);
    return true;
  }

  bool Field_KeyDown(fw::TextField&, const std::string& key) {
    fieldKeys.push_back(key);
    Raise(fault);
    return swallowFieldKeys;
  }

  bool Picture_MouseDown(fw::Canvas&, std::int64_t x, std::int64_t y) {
    canvasClicks.emplace_back(x, y);
    Raise(fault);
    return true;
  }

  void Clock_Action(fw::Timer&) { ++timerFired; }

  std::shared_ptr<fw::TextField> Field() const { return ControlNamed<fw::TextField>("Field"); }
  std::shared_ptr<fw::TextField> Other() const { return ControlNamed<fw::TextField>("Other"); }
  std::shared_ptr<fw::Canvas> Picture() const { return ControlNamed<fw::Canvas>("Picture"); }
  std::shared_ptr<fw::Canvas> Plain() const { return ControlNamed<fw::Canvas>("Plain"); }
  std::shared_ptr<fw::Timer> Clock() const { return ControlNamed<fw::Timer>("Clock"); }
};

// A menu bar as a program builds one: File with Quit (Cmd+Q), Edit with the standard items.
inline std::shared_ptr<fw::MenuItem> MenuEntry(std::shared_ptr<fw::MenuItem> item,
                                               const std::string& name,
                                               const std::string& caption) {
  item->SetName(name);
  item->SetValue(caption);
  return item;
}

inline std::shared_ptr<fw::MenuBar> MakeMenuBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  bar->SetName("MenuBar1");
  auto file = MenuEntry(std::make_shared<fw::MenuItem>(), "FileMenu", "&File");
  auto quit = MenuEntry(std::make_shared<fw::QuitMenuItem>(), "FileQuit", "&Quit");
  quit->SetShortcut("Cmd+Q");
  file->AddMenu(quit);
  auto edit = MenuEntry(std::make_shared<fw::MenuItem>(), "EditMenu", "&Edit");
  for (const char* name :
       {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
    auto item = MenuEntry(std::make_shared<fw::MenuItem>(), name, name + 4);
    item->SetAutoEnabled(true);
    edit->AddMenu(item);
  }
  bar->AddMenu(file);
  bar->AddMenu(edit);
  return bar;
}

}  // namespace fwtest
