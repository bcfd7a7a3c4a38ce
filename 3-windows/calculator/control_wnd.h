#pragma once
// The calculator window: three input fields, the result with its caption, three picture
// buttons and the title banner. Closing it ends the program.

#include <cstdint>
#include <memory>
#include <string>

#include "1-framework/canvas.h"
#include "1-framework/label.h"
#include "1-framework/menu.h"
#include "1-framework/separator.h"
#include "1-framework/text_field.h"
#include "1-framework/window.h"

class ControlWnd : public fw::Window {
 public:
  virtual void Layout();
  virtual void CreateControls();
  virtual void CreateControls0();

  virtual std::shared_ptr<fw::TextField> RdFld();
  virtual std::shared_ptr<fw::Label> RdText();
  virtual std::shared_ptr<fw::Label> StaticText1();
  virtual std::shared_ptr<fw::TextField> RxxFld();
  virtual std::shared_ptr<fw::Label> StaticText2();
  virtual std::shared_ptr<fw::TextField> RyyFld();
  virtual std::shared_ptr<fw::Label> StaticText3();
  virtual std::shared_ptr<fw::TextField> RxyFld();
  virtual std::shared_ptr<fw::Canvas> ComputeCanvas();
  virtual std::shared_ptr<fw::Canvas> ClearCanvas();
  virtual std::shared_ptr<fw::Canvas> HelpCanvas();
  virtual std::shared_ptr<fw::Canvas> Canvas1();
  virtual std::shared_ptr<fw::Label> StaticText4();
  virtual std::shared_ptr<fw::Separator> Separator1();

  virtual bool RxxFld_KeyDown(fw::TextField& field, const std::string& key);
  virtual bool RyyFld_KeyDown(fw::TextField& field, const std::string& key);
  virtual bool RxyFld_KeyDown(fw::TextField& field, const std::string& key);
  virtual bool ComputeCanvas_MouseDown(fw::Canvas& canvas, std::int64_t x, std::int64_t y);
  virtual bool ClearCanvas_MouseDown(fw::Canvas& canvas, std::int64_t x, std::int64_t y);
  virtual bool HelpCanvas_MouseDown(fw::Canvas& canvas, std::int64_t x, std::int64_t y);
  virtual bool Canvas1_MouseDown(fw::Canvas& canvas, std::int64_t x, std::int64_t y);

  virtual std::shared_ptr<fw::MenuItem> EditMenu();
  virtual std::shared_ptr<fw::MenuItem> EditSelectAll();
  virtual std::shared_ptr<fw::MenuItem> UntitledMenu0();
  virtual std::shared_ptr<fw::MenuItem> EditClear();
  virtual std::shared_ptr<fw::MenuItem> EditPaste();
  virtual std::shared_ptr<fw::MenuItem> EditCopy();
  virtual std::shared_ptr<fw::MenuItem> EditCut();
  virtual std::shared_ptr<fw::MenuItem> UntitledMenu1();
  virtual std::shared_ptr<fw::MenuItem> EditUndo();
  virtual std::shared_ptr<fw::MenuItem> FileMenu();
  virtual std::shared_ptr<fw::QuitMenuItem> FileQuit();

  virtual void AddMenuHandlers(fw::Window& window);
  virtual void Event_Open();
  virtual void Event_Close();
  virtual bool About_Action();

  const fw::WindowEventTable& HandledEvents() const override;
};
