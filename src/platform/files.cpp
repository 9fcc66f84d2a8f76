#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace zk {

namespace {

// Whether both paths name one file (by device and inode, so links and ".." count too). A
// target that does not exist yet is never the same.
bool IsSameFile(const QString& a, const QString& b) {
  struct stat sa {};
  struct stat sb {};
  if (::stat(QFile::encodeName(a).constData(), &sa) != 0) return false;
  if (::stat(QFile::encodeName(b).constData(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

bool FileExists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && !info.isDir();
}

bool DeleteFile(const QString& path) {
  if (!FileExists(path)) return false;
  return QFile::remove(path);
}

bool CopyFile(const QString& from, const QString& to) {
  // A copy onto its own source would rewrite the file it reads, and callers that go on to edit
  // or delete the target would then edit or delete the source.
  if (IsSameFile(from, to)) return false;
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
