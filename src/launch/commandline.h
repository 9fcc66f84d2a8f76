#pragma once
// The game's executable and its command line, both taken from the window as it is now.

#include <QString>
#include <QStringList>

#include "platform/gamestart.h"

namespace zk {

class TForm1;

// The first of the game's executable names that exists in GameDir (eDuke32.exe before
// Duke3D.exe), as a path; the empty text when none does.
QString ChooseExecutable(const TForm1& form);

// The switches, one piece each and without the blanks between them: "-map", "Zeb-Kin.map",
// then "/hzebkin.def" when definitions is " /hzebkin.def", the skill, the demo, the script, the
// players, the respawn choice and the archive.
QStringList ComposeSwitches(const TForm1& form, const QString& definitions);

// The whole command line: the quoted executable path, then every switch with its own leading
// blank.
QString ComposeCommandLine(const QString& executable, const QStringList& switches);

// Executable, command line and switches, read from the window at the moment of the call.
TGameCommand ComposeGameCommand(const TForm1& form, const QString& executable,
                                const QString& definitions);

}  // namespace zk
