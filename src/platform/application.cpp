#include "platform/application.h"

#include <stdexcept>
#include <string>

namespace zk {

void ReportException(IDialogs& dialogs, const std::exception_ptr& error) {
  std::string text;
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    // An exception of a kind without text is reported with an empty text.
  }
  try {
    dialogs.MessageBox(text, ApplicationTitle, TMsgIcon::Stop, TMsgButtons::Ok);
  } catch (...) {
    // The report itself must never throw into the event loop.
  }
}

}  // namespace zk
