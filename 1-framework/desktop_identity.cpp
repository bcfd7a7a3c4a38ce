// How the desktop knows the program: the desktop entry's name, so docks match its windows to
// the entry, and the icon that entry names, read from the installed icon files beside the
// executable (share/icons/hicolor/ in the build and installed trees, Resources in a macOS
// bundle), so a moved install still finds it.

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include "1-framework/internal.h"

namespace fw {

void IntroduceToDesktop() {
  const QString id = QStringLiteral(FW_DESKTOP_ID);
  QGuiApplication::setDesktopFileName(id);
  const QString bin = QCoreApplication::applicationDirPath();
  QIcon icon;
  for (const QString& file : {bin + "/../Resources/" + id + ".png",
                              bin + "/../share/icons/hicolor/48x48/apps/" + id + ".png",
                              bin + "/../share/icons/hicolor/128x128/apps/" + id + ".png",
                              bin + "/../share/icons/hicolor/256x256/apps/" + id + ".png"})
    if (QFileInfo::exists(file)) icon.addFile(file);
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

}  // namespace fw
