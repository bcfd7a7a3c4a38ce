#include "1-framework/ui_thread.h"

#include <QCoreApplication>
#include <QThread>

#include "1-framework/exceptions.h"

namespace fw {

void RequireUIThread() {
  auto* app = QCoreApplication::instance();
  if (app && QThread::currentThread() != app->thread())
    throw ThreadAccessingUIException(
        "a user-interface operation was called off the user-interface thread");
}

}  // namespace fw
