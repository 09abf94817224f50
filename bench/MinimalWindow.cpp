// The yardstick: the least Qt 6 widget window of the game window's size and
// colour. With --text it also shows one line of text, which is the floor for
// any window with words in it: Qt then sets up its font database.

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    auto* label = new QLabel("SCORE:", &window);
    label->setGeometry(58, 422, 49, 20);
  }
  window.setFixedSize(762, 602);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(0xCC, 0xCC, 0xCC));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.show();
  return QApplication::exec();
}
