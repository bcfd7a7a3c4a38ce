#include "1-framework/picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "1-framework/application.h"
#include "1-framework/internal.h"
#include "1-framework/ui_thread.h"

namespace fw {

namespace {

// The bundle's resources, then share/<program>/ by the application's name and by the
// executable's, so tools built beside the program find its pictures too.
QStringList ResourceFolders() {
  const QString bin = QCoreApplication::applicationDirPath();
  QStringList folders = {bin + "/../Resources"};
  if (auto app = App(); app && !app->PackageInfo().empty())
    folders << bin + "/../share/" + ToQt(app->PackageInfo()).toLower();
  folders << bin + "/../share/" +
                 QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return folders;
}

qreal HighestScreenScale() {
  qreal scale = 1.0;
  for (QScreen* screen : QGuiApplication::screens())
    scale = std::max(scale, screen->devicePixelRatio());
  return scale;
}

}  // namespace

Picture::Picture(std::unique_ptr<Pixels> pixels) : pixels_(std::move(pixels)) {}
Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view name) {
  RequireUIThread();
  const QString file = ToQt(name);
  const bool wantDouble = HighestScreenScale() > 1.0 && file.endsWith(".png");
  for (const QString& folder : ResourceFolders()) {
    QDir dir(folder);
    auto pixels = std::make_unique<Pixels>();
    if (wantDouble && pixels->pixmap.load(dir.filePath(file.chopped(4) + "@2x.png"))) {
      pixels->pixmap.setDevicePixelRatio(2.0);
    } else if (!pixels->pixmap.load(dir.filePath(file))) {
      continue;
    }
    return std::shared_ptr<Picture>(new Picture(std::move(pixels)));
  }
  return nullptr;
}

std::int64_t Picture::Width() const {
  return static_cast<std::int64_t>(pixels_->pixmap.deviceIndependentSize().width());
}

std::int64_t Picture::Height() const {
  return static_cast<std::int64_t>(pixels_->pixmap.deviceIndependentSize().height());
}

}  // namespace fw
