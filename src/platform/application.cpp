#include "platform/application.h"

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace zk {

void ProcessMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ReportException(IDialogs& dialogs, std::exception_ptr error) {
  QString text;
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = QString::fromLocal8Bit(e.what());
  } catch (...) {
    // An exception of a kind without text is reported with an empty text.
  }
  try {
    dialogs.MessageBox(text, QString::fromLatin1(ApplicationTitle), TMsgIcon::Stop,
                       TMsgButtons::Ok);
  } catch (...) {
    // The report itself must never throw into the event loop.
  }
}

}  // namespace zk
