#pragma once
// The application object: one per process, registered with the framework, which keeps it for
// the life of the process.

#include <cstdint>
#include <memory>
#include <string>

#include "1-framework/object.h"

namespace fw {

class MenuBar;

class Application : public Object {
 public:
  // Stores the version data once. The long version is a notice; the package info the program's
  // name, which also names the program to the desktop.
  virtual void x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                std::int64_t nonRelease, std::int64_t stageCode,
                                std::string longVersion, std::string shortVersion,
                                std::string packageInfo);

  std::int64_t MajorVersion() const { return major_; }
  std::int64_t MinorVersion() const { return minor_; }
  std::int64_t BugVersion() const { return bug_; }
  std::int64_t NonReleaseVersion() const { return nonRelease_; }
  std::int64_t StageCode() const { return stageCode_; }
  std::int64_t RegionCode() const { return regionCode_; }
  const std::string& LongVersion() const { return longVersion_; }
  const std::string& ShortVersion() const { return shortVersion_; }
  const std::string& PackageInfo() const { return packageInfo_; }

  // The application's menu bar: its shortcuts work in every window of the program.
  void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);
  std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }

  // High-resolution drawing: the toolkit always draws at the screen's resolution, so there is
  // nothing to switch.
  static void SetSupportsHiDPI(bool) {}

 private:
  std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stageCode_ = 0, regionCode_ = 0;
  std::string longVersion_, shortVersion_, packageInfo_;
  std::shared_ptr<fw::MenuBar> menuBar_;
};

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
// The registered application object, or nil before registration.
std::shared_ptr<Application> App();

}  // namespace fw
