#include "1-framework/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "1-framework/internal.h"
#include "1-framework/ui_thread.h"

namespace fw {

namespace {

// The boxes open now, innermost last.
std::vector<QPointer<QMessageBox>>& OpenBoxes() {
  static std::vector<QPointer<QMessageBox>> boxes;
  return boxes;
}

// The box belongs to the window active when it opened: transient for it, so the window system
// keeps it above that window, and centred over it. Only the toolkit window is linked, not the
// widget: the box must outlive its window should that close while the box is open. The link is
// made as the box shows, once its own toolkit window exists and before it is mapped.
class OwnedMessageBox : public QMessageBox {
 public:
  OwnedMessageBox(Icon icon, const QString& text, QWidget* owner)
      : QMessageBox(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok),
        owner_(owner) {}

 protected:
  void showEvent(QShowEvent* event) override {
    if (owner_ && owner_->windowHandle() && windowHandle())
      windowHandle()->setTransientParent(owner_->windowHandle());
    QMessageBox::showEvent(event);  // centres the box over its transient parent
  }

 private:
  QPointer<QWidget> owner_;
};

}  // namespace

bool InModalSession() {
  return !OpenBoxes().empty();
}

void KeepMessageBoxesAbove() {
  for (const auto& box : OpenBoxes())
    if (box) box->raise();
}

void ShowMessage(const std::string& text, MessageKind kind) {
  RequireUIThread();
  OwnedMessageBox box(kind == MessageKind::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                      ToQt(text), QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  OpenBoxes().emplace_back(&box);
  box.exec();
  OpenBoxes().pop_back();
}

void MsgBox(std::string_view text) {
  ShowMessage(std::string(text), MessageKind::Plain);
}

void Beep() {
  RequireUIThread();
  QApplication::beep();
}

}  // namespace fw
