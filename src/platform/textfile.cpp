#include "platform/textfile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/errors.h"

namespace zk {

TLines SplitLines(std::string_view text) {
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  TLines lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const TLines& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

TLines LoadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw EFOpenError(path.toStdString());
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw EFOpenError(path.toStdString());
  return SplitLines(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void SaveLines(const QString& path, const TLines& lines) {
  QSaveFile file(path);
  // A folder that cannot hold the temporary must not fail the save of a file that is itself
  // writable: that one is then written in place. An unwritable file still fails.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) throw EFCreateError(path.toStdString());
  const std::string text = JoinLines(lines);
  if (file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit())
    throw EFCreateError(path.toStdString());
}

}  // namespace zk
