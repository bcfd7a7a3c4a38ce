#include "1-framework/control.h"

#include <QAccessible>
#include <QWidget>

#include "1-framework/internal.h"
#include "1-framework/window.h"

namespace fw {

void Control::AttachTo(Window& window, const std::string& name) {
  name_ = name;
  window_ = std::static_pointer_cast<Window>(window.shared_from_this());
}

std::string Control::PropertyOwnerName() const {
  return ClassNameOf(*this) + (name_.empty() ? "" : " " + name_);
}

void Control::SetProperty(const Property& p) {
  if (p.name == "Name") {
    // The name a control is found by is the one it was added under; a block may only repeat it.
    const auto& name = Expect<std::string>(p, PropertyOwnerName());
    if (!name_.empty() && name != name_)
      throw PropertyException(PropertyOwnerName() + " cannot be renamed to " + name);
    name_ = name;
    return;
  }
  if (Keep<std::int64_t>(p, {"Index", "TabPanelIndex"}) ||
      Keep<bool>(p, {"LockLeft", "LockTop", "LockRight", "LockBottom", "AllowAutoDeactivate",
                     "Transparent", "AllowFocusRing", "AllowTabs"}) ||
      Keep<std::string>(p, {"DataSource", "DataField", "Tooltip"}))
    return;
  PropertyHolder::SetProperty(p);
}

RectControl::RectControl() : peer_(std::make_unique<WidgetPeer>()) {}

RectControl::~RectControl() {
  // The widget belongs to the window's widget tree; if the control goes first, so does it.
  if (peer_->widget) {
    if (auto* owned = dynamic_cast<OwnedWidget*>(peer_->widget.data())) owned->Disown();
    peer_->widget->hide();
    peer_->widget->deleteLater();
  }
}

void RectControl::SetLeft(std::int64_t left) {
  left_ = left;
  ApplyGeometry();
}
void RectControl::SetTop(std::int64_t top) {
  top_ = top;
  ApplyGeometry();
}
void RectControl::SetWidth(std::int64_t width) {
  width_ = width;
  ApplyGeometry();
}
void RectControl::SetHeight(std::int64_t height) {
  height_ = height;
  ApplyGeometry();
}

void RectControl::ApplyGeometry() {
  peer_->widget->setGeometry(static_cast<int>(left_ - parentLeft_),
                             static_cast<int>(top_ - parentTop_), static_cast<int>(width_),
                             static_cast<int>(height_));
}

bool RectControl::Visible() const {
  return !peer_->widget->isHidden();
}

void RectControl::SetVisible(bool visible) {
  peer_->widget->setVisible(visible);
}

void RectControl::SetEnabled(bool enabled) {
  peer_->widget->setEnabled(enabled);
}

void RectControl::SetFocus() {
  // The toolkit would focus any widget asked to; a control that cannot hold the focus keeps
  // it where it is.
  if (!TakesFocus()) return;
  if (auto* window = peer_->widget->window()) window->activateWindow();
  peer_->widget->setFocus(Qt::OtherFocusReason);
}

void RectControl::SetTabStop(bool stop) {
  tabStop_ = stop;
  ApplyFocusPolicy();
}

void RectControl::ApplyFocusPolicy() {
  peer_->widget->setFocusPolicy(!TakesFocus() ? Qt::NoFocus
                                : tabStop_    ? Qt::StrongFocus
                                              : Qt::ClickFocus);
}

void RectControl::SetAccessibleName(const std::string& name) {
  peer_->widget->setAccessibleName(ToQt(name));
}

std::string RectControl::AccessibleName() const {
  return ToStd(peer_->widget->accessibleName());
}

void RectControl::SetInitialParent(const std::string& parentName) {
  auto window = OwnerWindow();
  if (!window)
    throw NilObjectException(PropertyOwnerName() + " is on no window to find " + parentName +
                             " in");
  QWidget* parent = ContentOf(*window);
  parentLeft_ = parentTop_ = 0;
  if (!parentName.empty()) {
    auto parentControl = window->ControlNamed<RectControl>(parentName);
    parent = parentControl->Peer().widget;
    parentLeft_ = parentControl->Left();
    parentTop_ = parentControl->Top();
  }
  const bool hidden = peer_->widget->isHidden();
  peer_->widget->setParent(parent);
  peer_->widget->setHidden(hidden);  // reparenting hides a widget
  ApplyGeometry();
}

void RectControl::AttachTo(Window& window, const std::string& name) {
  Control::AttachTo(window, name);
  SetInitialParent("");
}

void RectControl::SetProperty(const Property& p) {
  static const PropertyTable<RectControl> table = {
      {"Left", PropertyTable<RectControl>::Calls<std::int64_t>(&RectControl::SetLeft)},
      {"Top", PropertyTable<RectControl>::Calls<std::int64_t>(&RectControl::SetTop)},
      {"Width", PropertyTable<RectControl>::Calls<std::int64_t>(&RectControl::SetWidth)},
      {"Height", PropertyTable<RectControl>::Calls<std::int64_t>(&RectControl::SetHeight)},
      {"Visible", PropertyTable<RectControl>::Calls<bool>(&RectControl::SetVisible)},
      {"Enabled", PropertyTable<RectControl>::Calls<bool>(&RectControl::SetEnabled)},
      {"TabIndex", PropertyTable<RectControl>::Calls<std::int64_t>(&RectControl::SetTabIndex)},
      {"TabStop", PropertyTable<RectControl>::Calls<bool>(&RectControl::SetTabStop)},
      {"InitialParent",
       PropertyTable<RectControl>::Calls<std::string>(&RectControl::SetInitialParent)},
  };
  if (!table.Apply(*this, p)) Control::SetProperty(p);
}

}  // namespace fw
