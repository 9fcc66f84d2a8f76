#pragma once
// A temporary game folder laid out for a test: GameDir with the game executable(s), and the
// launcher's folder one below it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "platform/process.h"
#include "support/scripted_dialogs.h"
#include "ui/mainform.h"

namespace zk::test {

class TGameFolder {
 public:
  // subPath is the path below the temporary folder at which GameDir lies (may hold blanks).
  explicit TGameFolder(const QString& subPath = "Duke3D");

  QString GameDir() const { return gameDir_; }        // ends in "/"
  QString ProgramDir() const { return programDir_; }  // ends in "/"
  QString ExeFile() const { return programDir_ + "zebkin-setup"; }

  // Writes a file (parents created) below the game folder or the launcher's folder.
  void WriteGameFile(const QString& name, const QByteArray& content = {}) const;
  void WriteProgramFile(const QString& name, const QByteArray& content = {}) const;
  bool GameFileExists(const QString& name) const;

 private:
  QTemporaryDir temp_;
  QString gameDir_;
  QString programDir_;
};

// A runner that records what it was asked to start and pretends the game ran.
class TRecordingRunner : public IProcessRunner {
 public:
  int calls = 0;
  TGameCommand command;
  QString currentDirectory;
  TProcessOutcome outcome{true, {}};
  std::function<void()> whileRunning;  // runs as if during the game
  TProcessOutcome RunAndWait(const TGameCommand& cmd, const QString& dir,
                             const std::function<void()>& poll) override {
    ++calls;
    command = cmd;
    currentDirectory = dir;
    if (whileRunning) whileRunning();
    if (poll) poll();
    return outcome;
  }
};

// A window built for the folder's launcher, with scripted dialogs and a recording runner.
struct TFormFixture {
  explicit TFormFixture(const TGameFolder& folder);
  TScriptedDialogs dialogs;
  TRecordingRunner runner;
  std::unique_ptr<TForm1> form;
};

}  // namespace zk::test
