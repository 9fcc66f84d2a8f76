// Start-up to the first shown window: the launcher in a game folder against an empty Qt window
// of the same size, runs interleaved. Each run is timed from just before the program is started
// to the X server's map of its first top-level window, seen from outside through the root
// window's substructure events, so neither program needs to cooperate. Beside that wall time,
// the CPU time the program's threads had used by then: it varies far less on a busy machine.
//
//   zk_startup_bench LAUNCHER EMPTY_WINDOW [RUNS]     (needs DISPLAY, e.g. under xvfb-run)

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct TRun {
  double wallMs = -1;  // -1: no window
  double cpuMs = 0;
};

// CPU time of all threads of a process so far, from the scheduler's nanosecond counters.
double CpuMs(pid_t pid) {
  double ns = 0;
  std::error_code error;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream in(task.path() / "schedstat");
    double onCpu = 0;
    if (in >> onCpu) ns += onCpu;
  }
  return ns / 1e6;
}

// From the start of `program` to the map of its first top-level window; no window when the
// program ends or none maps within 30 s.
TRun TimeToFirstMap(Display* display, const std::string& program) {
  XSync(display, True);  // forget the previous run's events
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  TRun run;
  if (pid < 0) return run;
  const int fd = ConnectionNumber(display);
  while (run.wallMs < 0 && Clock::now() - start < std::chrono::seconds(30)) {
    if (!XPending(display)) {
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(fd, &ready);
      timeval tick{0, 100000};
      select(fd + 1, &ready, nullptr, nullptr, &tick);
      if (waitpid(pid, nullptr, WNOHANG) == pid) return run;
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect) {
      run.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      run.cpuMs = CpuMs(pid);
    }
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zk_startup_bench LAUNCHER EMPTY_WINDOW [RUNS]\n");
    return 2;
  }
  const std::string launcher = argv[1], empty = argv[2];
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "zk_startup_bench: no X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  // One unmeasured run of each fills the file cache.
  TimeToFirstMap(display, launcher);
  TimeToFirstMap(display, empty);
  std::vector<double> launcherWall, emptyWall, launcherCpu, emptyCpu;
  for (int i = 0; i < runs; ++i) {
    const TRun l = TimeToFirstMap(display, launcher);
    const TRun e = TimeToFirstMap(display, empty);
    if (l.wallMs < 0 || e.wallMs < 0) {
      std::fprintf(stderr, "zk_startup_bench: run %d showed no window\n", i + 1);
      return 1;
    }
    launcherWall.push_back(l.wallMs);
    emptyWall.push_back(e.wallMs);
    launcherCpu.push_back(l.cpuMs);
    emptyCpu.push_back(e.cpuMs);
  }
  XCloseDisplay(display);
  std::printf("start-up to the first shown window, medians of %d interleaved runs\n", runs);
  std::printf("                wall time   CPU time\n");
  std::printf("  launcher      %6.1f ms  %6.1f ms\n", Median(launcherWall), Median(launcherCpu));
  std::printf("  empty window  %6.1f ms  %6.1f ms\n", Median(emptyWall), Median(emptyCpu));
  std::printf("  ratio         %6.2fx    %6.2fx\n", Median(launcherWall) / Median(emptyWall),
              Median(launcherCpu) / Median(emptyCpu));
  return 0;
}
