#pragma once
// The game's executable and its command line, both taken from the window as it is now.

#include <QString>

namespace zk {

class TForm1;

// GameDir + "eDuke32.exe" when it exists, else GameDir + "Duke3D.exe" when that exists, else
// the empty text.
QString ChooseExecutable(const TForm1& form);

// The whole command line: the quoted executable path, then every switch with its own leading
// blank. definitions is " /hzebkin.def" or empty, as the model definitions were written.
QString ComposeCommandLine(const TForm1& form, const QString& executable,
                           const QString& definitions);

}  // namespace zk
