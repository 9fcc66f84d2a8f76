// Start-up to the first shown window: the launcher in a game folder against an empty Qt window
// of the same size, runs interleaved. Each run is timed from just before the program is started
// to the X server's map of its first top-level window, seen from outside through the root
// window's substructure events, so neither program needs to cooperate.
//
//   zk_startup_bench LAUNCHER EMPTY_WINDOW [RUNS]     (needs DISPLAY, e.g. under xvfb-run)

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// From the start of `program` to the map of its first top-level window; no window when the
// program ends or none maps within 30 s.
double TimeToFirstMap(Display* display, const std::string& program) {
  XSync(display, True);  // forget the previous run's events
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  double ms = -1;
  if (pid < 0) return ms;
  const int fd = ConnectionNumber(display);
  while (ms < 0 && Clock::now() - start < std::chrono::seconds(30)) {
    if (!XPending(display)) {
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(fd, &ready);
      timeval tick{0, 100000};
      select(fd + 1, &ready, nullptr, nullptr, &tick);
      if (waitpid(pid, nullptr, WNOHANG) == pid) return ms;
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect)
      ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return ms;
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
  std::vector<double> launcherMs, emptyMs;
  for (int i = 0; i < runs; ++i) {
    const double l = TimeToFirstMap(display, launcher);
    const double e = TimeToFirstMap(display, empty);
    if (l < 0 || e < 0) {
      std::fprintf(stderr, "zk_startup_bench: run %d showed no window\n", i + 1);
      return 1;
    }
    launcherMs.push_back(l);
    emptyMs.push_back(e);
  }
  XCloseDisplay(display);
  const double l = Median(launcherMs), e = Median(emptyMs);
  std::printf("start-up to the first shown window, medians of %d interleaved runs\n", runs);
  std::printf("  launcher      %6.1f ms\n", l);
  std::printf("  empty window  %6.1f ms\n", e);
  std::printf("  ratio         %6.2fx\n", l / e);
  return 0;
}
