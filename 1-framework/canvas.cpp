#include "1-framework/canvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "1-framework/dispatch.h"
#include "1-framework/internal.h"
#include "1-framework/picture.h"

namespace fw {

namespace {

class CanvasWidget : public QWidget, public OwnedWidget {
 public:
  CanvasWidget(Canvas* owner, QWidget* parent) : QWidget(parent), owner_(owner) {}
  void Disown() override { owner_ = nullptr; }
  // A canvas that acts on a press is a picture button; one that does not, a picture.
  bool IsButton() const { return owner_ && owner_->MouseDown.IsAttached(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!owner_) return;
    if (auto picture = owner_->Backdrop()) QPainter(this).drawPixmap(0, 0, picture->Data().pixmap);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (!owner_) {
      event->accept();  // the control has gone: the press goes nowhere
      return;
    }
    if (event->button() != Qt::LeftButton || !owner_->MouseDown.IsAttached()) {
      event->ignore();  // goes on to the window
      return;
    }
    event->accept();
    if (InModalSession()) return;
    auto self = std::static_pointer_cast<Canvas>(owner_->shared_from_this());
    const QPoint at = event->position().toPoint();
    Dispatch([&] { self->MouseDown.Raise(*self, at.x(), at.y()); });
  }

 private:
  Canvas* owner_;
};

// Without this, assistive technology is told of an unnamed filler. The role is asked each time,
// as a handler may be attached after the interface was made.
class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(CanvasWidget* widget) : QAccessibleWidget(widget) {}
  QAccessible::Role role() const override {
    return static_cast<const CanvasWidget*>(widget())->IsButton() ? QAccessible::Button
                                                                  : QAccessible::Graphic;
  }
};

QAccessibleInterface* AccessibleCanvas(const QString&, QObject* object) {
  auto* canvas = dynamic_cast<CanvasWidget*>(object);
  return canvas ? new CanvasAccessible(canvas) : nullptr;
}

}  // namespace

Canvas::Canvas() {
  static const bool factoryInstalled = (QAccessible::installFactory(&AccessibleCanvas), true);
  (void)factoryInstalled;
  Peer().widget = new CanvasWidget(this, Nursery());
  ApplyFocusPolicy();
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  backdrop_ = std::move(picture);
  Peer().widget->update();
}

void Canvas::SetProperty(const Property& p) {
  if (!Keep<bool>(p, {"AllowFocus", "DoubleBuffer"})) RectControl::SetProperty(p);
}

}  // namespace fw
