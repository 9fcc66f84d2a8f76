// A stand-in for the game. Asked for a record (tests), it writes down what it was given and
// ends. Otherwise (the demo) it shows the player what the launcher handed it and ends when the
// player closes its window, as the game ends when the player leaves it.

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

#include "standin/record.h"
#include "standin/report.h"

namespace {

int ShowRun(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList lines = zk::standin::DescribeRun(app.arguments());
  for (const QString& line : lines) std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);

  QWidget window;
  window.setWindowTitle("Duke Nukem 3D (stand-in)");
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel("The launcher started the game with this:"));
  auto* text = new QPlainTextEdit(lines.join('\n'));
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

}  // namespace

int main(int argc, char* argv[]) {
  const QString folder = zk::standin::RecordFolder(argc > 0 ? QFile::decodeName(argv[0]) : "");
  if (folder.isEmpty()) return ShowRun(argc, argv);
  QCoreApplication app(argc, argv);
  if (zk::standin::WriteRecord(folder, app.arguments())) return 0;
  std::fprintf(stderr, "stand-in: cannot write the record in %s\n", qPrintable(folder));
  return 1;
}
