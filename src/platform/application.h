#pragma once
// Application services: the title, processing pending events, and the default exception report.

#include <exception>
#include <utility>

#include "platform/dialogs.h"

namespace zk {

// The application's own title; used for the exception report (not set as Qt's display name,
// which would append itself to every window title).
inline constexpr const char* ApplicationTitle = "Zeb-Kin";

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
