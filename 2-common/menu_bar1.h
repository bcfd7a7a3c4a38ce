#pragma once
// The program's only menu bar: File (Quit) and Edit (the standard editing items). One instance
// serves as the application's menu bar and as the calculator window's.

#include <memory>

#include "1-framework/menu.h"

class MenuBar1 : public fw::MenuBar {
 public:
  // The single instance, built at the first call. A build that fails stores nothing.
  static std::shared_ptr<MenuBar1> Instance();

  // Builds the File menu, then the Edit menu.
  virtual void Constructor();
  virtual void Untitled0();
  virtual void Untitled1();

 private:
  static std::shared_ptr<MenuBar1> implicitInstance;
};
