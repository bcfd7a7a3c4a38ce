#include "1-framework/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "1-framework/internal.h"
#include "1-framework/ui_thread.h"

namespace fw {

namespace {
int modalDepth = 0;
}

bool InModalSession() {
  return modalDepth > 0;
}

void ShowMessage(const std::string& text, MessageKind kind) {
  RequireUIThread();
  if (Testing().answerMessageBoxes) {
    Testing().messageBoxTexts.push_back(text);
    return;
  }
  // Without a parent: the box must outlive any window that closes while it is open.
  QMessageBox box(kind == MessageKind::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QGuiApplication::applicationDisplayName(), ToQt(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  ++modalDepth;
  box.exec();
  --modalDepth;
  Testing().messageBoxTexts.push_back(text);
}

void MsgBox(std::string_view text) {
  ShowMessage(std::string(text), MessageKind::Plain);
}

void Beep() {
  RequireUIThread();
  ++Testing().beeps;
  QApplication::beep();
}

}  // namespace fw
