#pragma once
// The game folder of the tests: a temporary GameDir with (or without) the game, the launcher's
// folder one below it with its settings files, and the window built there with scripted dialogs
// and a runner that records what it was asked to start.

#include <functional>
#include <memory>
#include <string>

#include "platform/process.h"
#include "platform/textfile.h"
#include "support/files.h"
#include "support/scripted_dialogs.h"
#include "ui/mainform.h"

namespace zk::test {

class TGameFolder {
 public:
  enum TGame { WithGame, WithoutGame };
  // subPath is the path below the temporary folder at which GameDir lies (may hold blanks).
  // WithGame puts an eDuke32.exe there, so start-up passes.
  explicit TGameFolder(TGame game = WithoutGame, const std::string& subPath = "Duke3D");
  explicit TGameFolder(const std::string& subPath) : TGameFolder(WithoutGame, subPath) {}

  // Both end in the system's delimiter.
  const std::string& GameDir() const { return gameDir_; }
  const std::string& ProgramDir() const { return programDir_; }
  std::string ExeFile() const { return programDir_ + "zebkin-setup"; }

  // Writes a file (parents created) below the game folder or the launcher's folder.
  void WriteGameFile(const std::string& name, const std::string& content = {}) const;
  void WriteProgramFile(const std::string& name, const std::string& content = {}) const;
  bool GameFileExists(const std::string& name) const { return Exists(gameDir_ + Native(name)); }
  std::string ReadGameFile(const std::string& name) const {
    return ReadBytes(gameDir_ + Native(name));
  }

  // The bot settings files of the launcher.
  std::string Named(const std::string& name) const {
    return programDir_ + "botsettings" + kDelim + name + ".zks";
  }
  std::string Last() const { return programDir_ + "lastsettings.zks"; }
  void WriteNamed(const std::string& name, const TLines& lines) const {
    WriteProgramFile("botsettings/" + name + ".zks", JoinLines(lines));
  }
  void WriteLast(const TLines& lines) const {
    WriteProgramFile("lastsettings.zks", JoinLines(lines));
  }

 private:
  TTempFolder temp_;
  std::string gameDir_;
  std::string programDir_;
};

// A runner that records what it was asked to start and pretends the game ran.
class TRecordingRunner : public IProcessRunner {
 public:
  int calls = 0;
  TGameCommand command;
  std::string currentDirectory;
  TProcessOutcome outcome{true, {}};
  std::function<void()> whileRunning;  // runs as if during the game
  TProcessOutcome RunAndWait(const TGameCommand& cmd, const std::string& dir,
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
