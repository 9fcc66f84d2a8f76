#pragma once
// Shared pieces of the bot settings tests: a game folder the window starts in, the lines of a
// set at the designed defaults, and closing the window as the platform does.

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>

#include "platform/textfile.h"
#include "support/game_folder.h"

namespace zk::test {

// A game folder with the game present, so start-up reaches the settings steps.
struct TSettingsFolder : TGameFolder {
  TSettingsFolder() { WriteGameFile("eDuke32.exe"); }
  QString Named(const QString& name) const { return ProgramDir() + "botsettings/" + name + ".zks"; }
  QString Last() const { return ProgramDir() + "lastsettings.zks"; }
  void WriteNamed(const QString& name, const TLines& lines) const {
    WriteProgramFile("botsettings/" + name + ".zks", QByteArray::fromStdString(JoinLines(lines)));
  }
  void WriteLast(const TLines& lines) const {
    WriteProgramFile("lastsettings.zks", QByteArray::fromStdString(JoinLines(lines)));
  }
};

// The set as the designed defaults store it.
inline TLines DefaultSettingsLines() {
  return {"10",  "200", "1",   "1",   "1",   "1",   "1",  "1",  "1",  "1",  "1",  "1",  "1",
          "125", "75",  "110", "150", "100", "130", "48", "1",  "10", "48", "1",  "10", "48",
          "1",   "10",  "48",  "1",   "10",  "48",  "1",  "10", "64", "1",  "48", "1",  "10"};
}

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Sends the window the close request a click on its close box makes; true when it closes.
inline bool CloseWindow(TForm1& form) {
  QCloseEvent event;
  QCoreApplication::sendEvent(&form, &event);
  return event.isAccepted();
}

}  // namespace zk::test
