#include "platform/application.h"

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

#ifdef ZK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace zk {

TFontConfigReader::TFontConfigReader() {
#ifdef ZK_HAVE_FONTCONFIG
  reader_ = std::thread([] { FcInit(); });
#endif
}

void TFontConfigReader::Wait() {
  if (reader_.joinable()) reader_.join();
}

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
