// The benchmark's baseline: a bare Qt Widgets window of the game window's
// size, so start-up, memory and idle CPU can be compared with the game's.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Baseline");
  window.setFixedSize(453, 567);
  window.setStyleSheet("background: white");
  window.show();
  return app.exec();
}
