// The game's start on POSIX systems; Windows has its own in platform/win32.
#ifndef _WIN32

#include "platform/process.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zk {

namespace {

// Writes errno to the pipe and ends the child without running any of the parent's clean-up.
[[noreturn]] void FailInChild(int reportFd) {
  const int error = errno;
  const ssize_t ignored = ::write(reportFd, &error, sizeof error);
  (void)ignored;
  ::_exit(127);
}

std::string StartError(const std::string& what, int error) {
  return what + ": " + std::strerror(error);
}

}  // namespace

TProcessOutcome TSystemProcessRunner::RunAndWait(const TGameCommand& command,
                                                 const std::string& currentDirectory,
                                                 const std::function<void()>& poll) {
  const TStartPlan plan = PlanGameStart(command, FindWine());
  if (!plan.CanStart) return {false, plan.Reason};

  // Everything the child needs is made before the fork: after it only async-signal-safe calls.
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(plan.Program.c_str()));
  for (const std::string& a : plan.Arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  // The child reports a failed chdir or exec through this pipe; a successful exec closes it.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return {false, StartError("pipe", errno)};
  const pid_t pid = ::fork();
  if (pid < 0) {
    const int error = errno;
    ::close(report[0]);
    ::close(report[1]);
    return {false, StartError("fork", error)};
  }
  if (pid == 0) {
    ::close(report[0]);
    // The game talks to the player, not to us: output goes where ours goes, input from nothing.
    const int null = ::open("/dev/null", O_RDONLY);
    if (null >= 0) ::dup2(null, STDIN_FILENO);
    if (!currentDirectory.empty() && ::chdir(currentDirectory.c_str()) != 0) FailInChild(report[1]);
    ::execv(plan.Program.c_str(), argv.data());
    FailInChild(report[1]);
  }
  ::close(report[1]);
  int childError = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &childError, sizeof childError);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof childError)) {
    ::waitpid(pid, nullptr, 0);
    return {false, StartError(plan.Program, childError)};
  }

  // Polled, so the window stays responsive while the game runs.
  for (;;) {
    const pid_t done = ::waitpid(pid, nullptr, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (poll) poll();
  }
  return {true, {}};
}

}  // namespace zk

#endif  // _WIN32
