#include "platform/process.h"

#include <QProcess>

namespace zk {

namespace {

bool IsBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The program name follows its own rule: quotes group and vanish, backslashes are always
// literal. A quoted path ending in a backslash ("C:\Games\") therefore stays one piece.
int TakeProgramName(const QString& line, int i, QStringList& args) {
  QString arg;
  bool quoted = false;
  for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
    if (line[i] == QLatin1Char('"'))
      quoted = !quoted;
    else
      arg += line[i];
  }
  args << arg;
  return i;
}

// Any later argument: 2n backslashes before a quote give n backslashes and the quote groups,
// 2n + 1 give n backslashes and a literal quote; "" inside quotes is a literal quote.
int TakeArgument(const QString& line, int i, QStringList& args) {
  QString arg;
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    if (line[i] == QLatin1Char('\\')) {
      int slashes = 0;
      while (i < line.size() && line[i] == QLatin1Char('\\')) ++slashes, ++i;
      if (i < line.size() && line[i] == QLatin1Char('"')) {
        arg += QString(slashes / 2, QLatin1Char('\\'));
        if (slashes % 2 == 0) continue;  // the quote groups, handled below
        arg += QLatin1Char('"');
        ++i;
      } else {
        arg += QString(slashes, QLatin1Char('\\'));
      }
    } else if (line[i] == QLatin1Char('"')) {
      if (quoted && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
        arg += QLatin1Char('"');
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
    } else {
      arg += line[i++];
    }
  }
  args << arg;
  return i;
}

}  // namespace

QStringList SplitWindowsCommandLine(const QString& commandLine) {
  QStringList args;
  int i = 0;
  while (i < commandLine.size()) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    i = args.isEmpty() ? TakeProgramName(commandLine, i, args) : TakeArgument(commandLine, i, args);
  }
  return args;
}

TProcessOutcome TQtProcessRunner::RunAndWait(const QString& applicationName,
                                             const QString& commandLine,
                                             const QString& currentDirectory,
                                             const std::function<void()>& poll) {
  QStringList args = SplitWindowsCommandLine(commandLine);
  // QProcess passes the program itself as argv[0].
  if (!args.isEmpty()) args.removeFirst();

  QProcess p;
  p.setProgram(applicationName);
  p.setArguments(args);
  p.setWorkingDirectory(currentDirectory);
  // The game talks to the player, not to us: its output goes where ours goes.
  p.setProcessChannelMode(QProcess::ForwardedChannels);
  p.setStandardInputFile(QProcess::nullDevice());
  p.start();
  if (!p.waitForStarted(-1)) return {false, p.errorString()};

  // Judged by the state alone: an event pass inside poll may already have reaped the child,
  // and after a failed wait error() only tells of the 100 ms time-outs.
  while (p.state() != QProcess::NotRunning) {
    p.waitForFinished(100);
    if (poll) poll();
  }
  return {true, {}};
}

}  // namespace zk
