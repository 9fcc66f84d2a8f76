#pragma once
// The stand-in game in tests: installing it under the game's names and reading back what it
// recorded of its run (the layout is described in tools/standin/record.h).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zk::test {

// Copies the stand-in to path (e.g. GameDir + "eDuke32.exe") with its run bits.
inline bool InstallStandin(const QString& path) {
  QFile::remove(path);
  if (!QFile::copy(ZK_STANDIN_BINARY, path)) return false;
  return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner |
                                         QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

// What the stand-in recorded of one run.
struct TStandinRecord {
  bool complete = false;
  QString program;
  QStringList arguments;
  QString cwd;
  QStringList files;  // which of the launcher's four files it saw, sorted
  QString folder;
  QByteArray File(const QString& name) const {
    QFile f(folder + "/files/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

inline QStringList ReadRecordLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// Asks every stand-in started meanwhile (the environment is inherited) to record into a
// folder of its own; the request ends with this object.
class TStandinRecording {
 public:
  TStandinRecording() { qputenv("ZK_STANDIN_RECORD", dir_.path().toUtf8()); }
  ~TStandinRecording() { qunsetenv("ZK_STANDIN_RECORD"); }
  TStandinRecording(const TStandinRecording&) = delete;
  TStandinRecording& operator=(const TStandinRecording&) = delete;

  TStandinRecord Read() const {
    TStandinRecord r;
    r.folder = dir_.path();
    r.complete = QFileInfo::exists(r.folder + "/complete");
    r.program = ReadRecordLines(r.folder + "/program.txt").value(0);
    r.arguments = ReadRecordLines(r.folder + "/arguments.txt");
    r.cwd = ReadRecordLines(r.folder + "/cwd.txt").value(0);
    r.files = QDir(r.folder + "/files").entryList(QDir::Files, QDir::Name);
    return r;
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace zk::test
