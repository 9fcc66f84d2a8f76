#pragma once
// Application services: the application's arguments, the title, processing pending events, and
// the default exception report.

#include <exception>
#include <thread>
#include <utility>

#include "platform/dialogs.h"

namespace zk {

// The application's own title; used for the exception report (not set as Qt's display name,
// which would append itself to every window title).
inline constexpr const char* ApplicationTitle = "Zeb-Kin";

// What QApplication is given: the program's name alone. The launcher takes no command line, and
// Qt's own options (-style, -reverse, -platform ...) must not change its window. Must outlive
// the application object, which keeps references to both members.
struct TApplicationArguments {
  explicit TApplicationArguments(char* programName) : argv{programName, nullptr} {}
  int argc = 1;
  char* argv[2];
};

// Reads the system's font configuration on a second thread. Qt reads it when the window's first
// text is measured, and it is the largest part of building the window; started before the
// application object, it runs while Qt connects to the display. Where there is no such
// configuration to read this does nothing.
class TFontConfigReader {
 public:
  TFontConfigReader();
  ~TFontConfigReader() { Wait(); }
  // Returns once the configuration is read; call it before the window is built.
  void Wait();

 private:
  std::thread reader_;
};

// Lets the window process its pending events (paint, input, timers).
void ProcessMessages();

// The default exception report: a message box with the exception's text (empty for an
// exception that carries none), titled "Zeb-Kin", stop icon, OK button.
void ReportException(IDialogs& dialogs, std::exception_ptr error);

// Runs an event handler so that no exception crosses Qt's event loop: one that escapes is
// reported and the window runs on. Returns false when the handler threw.
template <typename F>
bool RunGuarded(IDialogs& dialogs, F&& handler) {
  try {
    std::forward<F>(handler)();
    return true;
  } catch (...) {
    ReportException(dialogs, std::current_exception());
    return false;
  }
}

}  // namespace zk
