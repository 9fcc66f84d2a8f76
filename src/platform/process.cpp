#include "platform/process.h"

#include <QProcess>

namespace zk {

TProcessOutcome TQtProcessRunner::RunAndWait(const TGameCommand& command,
                                             const QString& currentDirectory,
                                             const std::function<void()>& poll) {
  const TStartPlan plan = PlanGameStart(command, FindWine());
  if (!plan.CanStart) return {false, plan.Reason};

  QProcess p;
  p.setProgram(plan.Program);
  p.setArguments(plan.Arguments);
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
