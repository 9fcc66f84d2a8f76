// The yardstick of the start-up benchmark: an empty Qt window of the launcher's size, shown the
// same way, so the difference is what the launcher builds before its window maps.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("empty window");
  window.setFixedSize(409, 385);
  window.show();
  return app.exec();
}
