// Program entry: works out where the launcher lives, builds the window's model and shows it
// through the Qt backend.

#include <QApplication>
#include <QWidget>

#include "platform/application.h"
#include "platform/process.h"
#include "platform/qt/qtapplication.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtform.h"
#include "ui/mainform.h"

int main(int, char* argv[]) {
  zk::TFontConfigReader fonts;
  zk::TApplicationArguments arguments(argv[0]);
  QApplication app(arguments.argc, arguments.argv);
  fonts.Wait();
  zk::TQtDialogs dialogs;
  zk::TSystemProcessRunner runner;
  try {
    zk::TForm1 form(zk::ExecutableFile(), dialogs, runner);
    if (form.TerminateRequested()) return 0;
    zk::TQtForm window(form, &dialogs);
    dialogs.SetParent(window.Window());
    window.Window()->show();
    app.exec();
    dialogs.SetParent(nullptr);  // the window goes first
  } catch (...) {
    // A start-up error (such as an unreadable last-used settings file) ends the program after
    // this report; the window was never shown, so no close overwrites anything.
    dialogs.SetParent(nullptr);
    zk::ReportException(dialogs, std::current_exception());
  }
  return 0;
}
