// Start-up to the first shown window: the launcher in a game folder against an empty Qt window
// of the same size, runs interleaved. Each run is timed from just before the program is started
// to the X server's map of its first top-level window, seen from outside through the root
// window's substructure events, so neither program needs to cooperate.
//
//   zk_startup_bench LAUNCHER EMPTY_WINDOW [RUNS [OTHER_WINDOW...]]   (needs DISPLAY)

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
    std::fprintf(stderr,
                 "usage: zk_startup_bench LAUNCHER EMPTY_WINDOW [RUNS [OTHER_WINDOW...]]\n");
    return 2;
  }
  // Measured in this order, each run interleaved; the empty window (second) is the yardstick.
  std::vector<std::string> programs = {argv[1], argv[2]};
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
  for (int i = 4; i < argc; ++i) programs.emplace_back(argv[i]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "zk_startup_bench: no X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  // One unmeasured run of each fills the file cache.
  for (const std::string& program : programs) TimeToFirstMap(display, program);
  std::vector<std::vector<double>> ms(programs.size());
  for (int i = 0; i < runs; ++i) {
    for (size_t p = 0; p < programs.size(); ++p) {
      const double t = TimeToFirstMap(display, programs[p]);
      if (t < 0) {
        std::fprintf(stderr, "zk_startup_bench: %s showed no window in run %d\n",
                     programs[p].c_str(), i + 1);
        return 1;
      }
      ms[p].push_back(t);
    }
  }
  XCloseDisplay(display);
  const double empty = Median(ms[1]);
  std::printf("start-up to the first shown window, medians of %d interleaved runs\n", runs);
  for (size_t p = 0; p < programs.size(); ++p) {
    const std::string name = programs[p].substr(programs[p].find_last_of('/') + 1);
    const double m = Median(ms[p]);
    std::printf("  %-20s %6.1f ms  %5.2fx the empty window\n", name.c_str(), m, m / empty);
  }
  return 0;
}
