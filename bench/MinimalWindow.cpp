// The yardstick: the least Qt 6 widget window of the game window's size and
// colour.

#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(762, 602);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(0xCC, 0xCC, 0xCC));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.show();
  return QApplication::exec();
}
