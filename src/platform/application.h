#pragma once
// Application services: the title and the default exception report.

#include <exception>
#include <utility>

#include "platform/dialogs.h"

namespace zk {

// The application's own title; the exception report's title.
inline constexpr const char* ApplicationTitle = "Zeb-Kin";

// The default exception report: a message box with the exception's text (empty for an
// exception that carries none), titled "Zeb-Kin", stop icon, OK button. Never throws.
void ReportException(IDialogs& dialogs, const std::exception_ptr& error);

// Runs an event handler so that no exception crosses the toolkit's event loop: one that
// escapes is reported and the window runs on. Returns false when the handler threw.
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
