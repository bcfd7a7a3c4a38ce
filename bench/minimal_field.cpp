// The idle yardstick for bench/startup.py: the least a Qt Widgets program does to blink a text
// cursor, one top-level window the size of the calculator window holding one focused line edit
// where the calculator's first field is.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(560, 480);
  QLineEdit field(&window);
  field.setGeometry(87, 199, 80, 22);
  field.setFocus();
  window.show();
  // Xvfb runs no window manager to give the window the input focus, as the program asks too.
  window.activateWindow();
  return app.exec();
}
