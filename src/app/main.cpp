// Program entry: works out where the launcher lives and hands that to the window.

#include <QApplication>
#include <QFileInfo>

#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/process.h"
#include "ui/mainform.h"

int main(int, char* argv[]) {
  zk::TFontConfigReader fonts;
  zk::TApplicationArguments arguments(argv[0]);
  QApplication app(arguments.argc, arguments.argv);
  fonts.Wait();
  zk::TQtDialogs dialogs;
  zk::TQtProcessRunner runner;
  try {
    // The real path: a launcher reached through a link still finds the game beside its file.
    const QString exeFile = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    zk::TForm1 form(exeFile, dialogs, runner);
    if (form.TerminateRequested()) return 0;
    dialogs.SetParent(&form);
    form.show();
    app.exec();
  } catch (...) {
    // A start-up error (such as an unreadable last-used settings file) ends the program after
    // this report; the window was never shown, so no close overwrites anything.
    dialogs.SetParent(nullptr);  // the window is gone by now
    zk::ReportException(dialogs, std::current_exception());
  }
  return 0;
}
