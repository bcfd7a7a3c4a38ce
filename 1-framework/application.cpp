#include "1-framework/application.h"

#include <QMenuBar>

#include "1-framework/internal.h"
#include "1-framework/menu.h"

namespace fw {

namespace {
}

void Application::x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                   std::int64_t nonRelease, std::int64_t stageCode,
                                   std::string longVersion, std::string shortVersion,
                                   std::string packageInfo) {
  major_ = major;
  minor_ = minor;
  bug_ = bug;
  nonRelease_ = nonRelease;
  stageCode_ = stageCode;
  longVersion_ = std::move(longVersion);
  shortVersion_ = std::move(shortVersion);
  packageInfo_ = std::move(packageInfo);
}

void Application::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
  menuBar_ = std::move(bar);
#ifdef __APPLE__
  // A menu bar without a parent is the global one on macOS, shown whatever window is open.
  static QMenuBar* global = nullptr;
  delete global;
  global = menuBar_ ? BuildMenuBar(*menuBar_) : nullptr;
#endif
}

}  // namespace fw
