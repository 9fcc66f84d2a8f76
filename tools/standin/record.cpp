#include "standin/record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zk::standin {

namespace {

bool WriteText(const QString& path, const QString& text) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = text.toUtf8();
  return f.write(bytes) == bytes.size();
}

QString FirstLine(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readLine()).trimmed();
}

}  // namespace

QString RecordFolder(const QString& programPath) {
  const QString fromEnvironment = qEnvironmentVariable(RecordVariable);
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  return FirstLine(QFileInfo(programPath).absolutePath() + "/" + RecordPointerFile);
}

bool WriteRecord(const QString& folder, const QStringList& arguments) {
  QDir dir(folder);
  // An earlier run's record must not pass for this one's.
  QFile::remove(dir.filePath("complete"));
  QDir(dir.filePath("files")).removeRecursively();
  if (!dir.mkpath("files")) return false;

  bool ok = WriteText(dir.filePath("program.txt"), arguments.value(0) + "\n");
  QString lines;
  for (const QString& a : arguments.mid(1)) lines += a + "\n";
  ok = WriteText(dir.filePath("arguments.txt"), lines) && ok;
  ok = WriteText(dir.filePath("cwd.txt"), QDir::currentPath() + "\n") && ok;
  for (const QString& name : LauncherFiles) {
    if (QFileInfo::exists(name)) ok = QFile::copy(name, dir.filePath("files/" + name)) && ok;
  }
  return WriteText(dir.filePath("complete"), {}) && ok;
}

}  // namespace zk::standin
