#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zk {

bool FileExists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && !info.isDir();
}

bool DeleteFile(const QString& path) {
  if (!FileExists(path)) return false;
  return QFile::remove(path);
}

bool CopyFile(const QString& from, const QString& to) {
  QFile in(from);
  if (!in.open(QIODevice::ReadOnly)) return false;
  QSaveFile out(to);
  if (!out.open(QIODevice::WriteOnly)) return false;
  char buffer[65536];
  for (;;) {
    const qint64 got = in.read(buffer, sizeof buffer);
    if (got < 0) {
      out.cancelWriting();
      return false;
    }
    if (got == 0) break;
    if (out.write(buffer, got) != got) {
      out.cancelWriting();
      return false;
    }
  }
  return out.commit();
}

bool ForceDirectories(const QString& dir) {
  if (dir.isEmpty()) return false;
  return QDir().mkpath(dir);
}

QStringList FindFiles(const QString& dir, const QString& mask, Qt::CaseSensitivity cs) {
  QDir d(dir.isEmpty() ? QStringLiteral(".") : dir);
  if (!d.exists()) return {};
  QDir::Filters filters = QDir::Files | QDir::Hidden | QDir::System;
  if (cs == Qt::CaseSensitive) filters |= QDir::CaseSensitive;
  return d.entryList(QStringList{mask}, filters, QDir::Unsorted);
}

}  // namespace zk
