#pragma once
// Controls: Control is what a window holds under a name; RectControl is a control with a place
// on the window. Focus, visibility, enabled state and the tooltip live in the toolkit's widget.

#include <cstdint>
#include <memory>
#include <string>

#include "1-framework/object.h"
#include "1-framework/properties.h"

namespace fw {

class Window;
struct WidgetPeer;

class Control : public Object, public PropertyHolder {
 public:
  const std::string& Name() const { return name_; }
  // The window that holds the control; nil before it is added or once the window has gone.
  std::shared_ptr<Window> OwnerWindow() const { return window_.lock(); }

  // Called by Window::AddControl.
  virtual void AttachTo(Window& window, const std::string& name);
  // The window was closed: the control stops whatever it was doing.
  virtual void WindowClosed() {}

  void SetProperty(const Property& property) override;
  std::string PropertyOwnerName() const override;

 private:
  std::string name_;
  std::weak_ptr<Window> window_;
};

class RectControl : public Control {
 public:
  ~RectControl() override;

  std::int64_t Left() const { return left_; }
  std::int64_t Top() const { return top_; }
  std::int64_t Width() const { return width_; }
  std::int64_t Height() const { return height_; }
  void SetLeft(std::int64_t left);
  void SetTop(std::int64_t top);
  void SetWidth(std::int64_t width);
  void SetHeight(std::int64_t height);

  // Whether the control is set to show (it shows when its window does).
  bool Visible() const;
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  void SetFocus();
  std::int64_t TabIndex() const { return tabIndex_; }
  void SetTabIndex(std::int64_t index) { tabIndex_ = index; }
  void SetTabStop(bool stop);
  // The name a screen reader reads for the control.
  void SetAccessibleName(const std::string& name);
  std::string AccessibleName() const;
  // Places the control on the control named `parentName` of the same window, keeping its
  // position in window coordinates; an empty name keeps it on the window.
  void SetInitialParent(const std::string& parentName);

  void AttachTo(Window& window, const std::string& name) override;
  void SetProperty(const Property& property) override;

  WidgetPeer& Peer() const { return *peer_; }

 protected:
  RectControl();
  // Whether the control can hold the keyboard focus at all (text fields can; labels cannot).
  virtual bool TakesFocus() const { return false; }
  void ApplyFocusPolicy();

 private:
  void ApplyGeometry();

  std::unique_ptr<WidgetPeer> peer_;
  std::int64_t left_ = 0, top_ = 0, width_ = 80, height_ = 22, tabIndex_ = 0;
  std::int64_t parentLeft_ = 0, parentTop_ = 0;
  bool tabStop_ = false;
};

}  // namespace fw
