// The yardstick for bench/startup.py: the least a Qt Widgets program does to show a window,
// one top-level window holding one label, the size of the About window.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(450, 300);
  QLabel label("Mireldantholm", &window);
  label.move(87, 220);
  window.show();
  return app.exec();
}
