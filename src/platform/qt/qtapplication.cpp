#include "platform/qt/qtapplication.h"

#include <QCoreApplication>
#include <QFileInfo>

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

std::string ExecutableFile() {
  return QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath().toStdString();
}

}  // namespace zk
