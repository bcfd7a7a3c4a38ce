// How the desktop knows the program: the desktop entry's name, so docks match its windows to
// the entry, and the window icon, read from the installed icon files beside the executable
// (share/icons/hicolor/ in the build and installed trees, Resources in a macOS bundle), so a
// moved install still finds it.

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>

#include "1-framework/internal.h"

namespace fw {

void IntroduceToDesktop() {
  const QString id = QStringLiteral(FW_DESKTOP_ID);
  QGuiApplication::setDesktopFileName(id);
  const QString bin = QCoreApplication::applicationDirPath();
  // One size only: every size the icon holds is decoded here, at start-up, and copied into
  // each window's _NET_WM_ICON. Title bars and window switchers draw about 48 pixels (scaling
  // it as they need); docks and menus take the larger sizes from the desktop entry's icon.
  // A bundle holds the one icon the Dock shows.
  for (const QString& file : {bin + "/../Resources/" + id + ".png",
                              bin + "/../share/icons/hicolor/48x48/apps/" + id + ".png"}) {
    QPixmap pixmap;
    if (QFileInfo::exists(file) && pixmap.load(file)) {
      QApplication::setWindowIcon(QIcon(pixmap));
      return;
    }
  }
}

}  // namespace fw
