#pragma once
// Starting the game and waiting for it.

#include <QString>
#include <QStringList>
#include <functional>

namespace zk {

struct TProcessOutcome {
  bool Started = false;  // false: the program could not be started
  QString Error;         // why it could not be started
};

class IProcessRunner {
 public:
  virtual ~IProcessRunner() = default;
  // Starts applicationName with a Windows-style command line (its first token names the program)
  // in currentDirectory, the environment inherited, and waits for the end, calling poll every
  // 100 ms meanwhile.
  virtual TProcessOutcome RunAndWait(const QString& applicationName, const QString& commandLine,
                                     const QString& currentDirectory,
                                     const std::function<void()>& poll) = 0;
};

// Splits a command line by the Windows rules for program arguments: blanks and tabs separate,
// double quotes group, backslashes are literal unless they precede a double quote.
QStringList SplitWindowsCommandLine(const QString& commandLine);

// The real runner over QProcess.
class TQtProcessRunner : public IProcessRunner {
 public:
  TProcessOutcome RunAndWait(const QString& applicationName, const QString& commandLine,
                             const QString& currentDirectory,
                             const std::function<void()>& poll) override;
};

}  // namespace zk
