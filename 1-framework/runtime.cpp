#include "1-framework/runtime.h"

#include <QApplication>
#include <optional>

#include "1-framework/application.h"
#include "1-framework/dispatch.h"
#include "1-framework/internal.h"
#include "1-framework/menu.h"
#include "1-framework/window.h"

namespace fw {

namespace {

std::optional<int> quitCode;
bool running = false;  // RuntimeRun's event loop
std::shared_ptr<Application> appObject;

}  // namespace

void RuntimeInit(int& argc, char** argv) {
  if (QCoreApplication::instance()) return;
  // Never destroyed: menu actions and windows released by static destructors after main
  // returns still find the toolkit in place.
  auto* app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);  // the framework decides when the program ends
  IntroduceToDesktop();
}

void RunFrameworkInitialization(void (*routine)()) {
  routine();
}

void RuntimeRun() {
  if (quitCode) return;
  running = true;
  QApplication::exec();
  running = false;
}

void Quit(int code) {
  if (quitCode) return;
  EndWith(code);
}

void EndWith(int code) {
  quitCode = code;
  // Only RuntimeRun's loop is told to end; before it runs, RuntimeRun sees quitCode instead.
  // Told with that loop not running, the toolkit would keep the request and end every later
  // modal loop at once: message boxes would return unseen, even after a test's Reset.
  if (running) QCoreApplication::exit(code);
}

int RuntimeExit() {
  DropAllWindows();
  appObject.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return quitCode.value_or(0);
}

void RuntimeInitExternalClasses() {}
void InitPluginEntrypoints() {}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
  appObject = std::move(app);
  // The name, not the display name: the toolkit appends a display name to every window title.
  if (appObject && !appObject->PackageInfo().empty())
    QCoreApplication::setApplicationName(ToQt(appObject->PackageInfo()));
}

std::shared_ptr<Application> App() {
  return appObject;
}

}  // namespace fw
