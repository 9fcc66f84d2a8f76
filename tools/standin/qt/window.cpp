// The demo's window: what the launcher handed the game, and a button to leave it.

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "standin/window.h"

namespace zk::standin {

int ShowRun(int argc, char* argv[], const std::vector<std::string>& lines) {
  QApplication app(argc, argv);
  QStringList shown;
  for (const std::string& line : lines) shown << QString::fromStdString(line);

  QWidget window;
  window.setWindowTitle("Duke Nukem 3D (stand-in)");
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel("The launcher started the game with this:"));
  auto* text = new QPlainTextEdit(shown.join('\n'));
  text->setReadOnly(true);
  text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout->addWidget(text);
  auto* leave = new QPushButton("Leave the game");
  QObject::connect(leave, &QPushButton::clicked, &window, &QWidget::close);
  layout->addWidget(leave);
  window.resize(720, 420);
  window.show();
  return app.exec();
}

}  // namespace zk::standin
