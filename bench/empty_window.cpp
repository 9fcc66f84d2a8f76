// The yardsticks of the start-up benchmark: an empty Qt window of the launcher's size, shown the
// same way, so the difference is what the launcher builds before its window maps; built with
// ZK_ONE_LABEL, the same window with one line of text, the least any window that shows text pays
// (the font database and one face).

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("empty window");
  window.setFixedSize(409, 385);
#ifdef ZK_ONE_LABEL
  QLabel label("Zeb-Kin Setup", &window);
  label.adjustSize();
#endif
  window.show();
  return app.exec();
}
