// Starts a program on the X display and reports when its first top-level
// window is first drawn into (not merely mapped), and its resident memory
// a while later. Prints "first_window_ms=N rss_kb=N".
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

// Waits for the next X event until the deadline; false when it passed.
bool nextEvent(Display* display, XEvent* event, Clock::time_point deadline) {
  while (!XPending(display)) {
    const double left = std::chrono::duration<double, std::milli>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int fd = ConnectionNumber(display);
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(fd, &fds);
    timeval tv{static_cast<time_t>(left / 1000), static_cast<suseconds_t>(static_cast<long>(left) % 1000 * 1000)};
    select(fd + 1, &fds, nullptr, nullptr, &tv);
  }
  XNextEvent(display, event);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SECONDS_UNTIL_MEMORY PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const double memoryAfterMs = std::atof(argv[1]) * 1000.0;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  int damageEvent = 0, damageError = 0;
  if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    std::perror("exec");
    _exit(127);
  }

  // Damage is watched from a window's creation on, so that no drawing
  // between its mapping and the watch is missed.
  std::set<Window> mapped;
  double firstWindowMs = -1;
  const Clock::time_point deadline = start + std::chrono::milliseconds(static_cast<long>(memoryAfterMs));
  XEvent event;
  while (firstWindowMs < 0 && nextEvent(display, &event, deadline)) {
    if (event.type == CreateNotify && event.xcreatewindow.parent == root && !event.xcreatewindow.override_redirect) {
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
      XFlush(display);
    } else if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
      mapped.insert(event.xmap.window);
    } else if (event.type == damageEvent + XDamageNotify) {
      const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
      if (mapped.count(damage->drawable)) firstWindowMs = msSince(start);
    }
  }
  while (msSince(start) < memoryAfterMs) usleep(10000);
  const long rss = residentKb(pid);
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  XCloseDisplay(display);
  if (firstWindowMs < 0) {
    std::fprintf(stderr, "no window was drawn within %.0f ms\n", memoryAfterMs);
    return 1;
  }
  std::printf("first_window_ms=%.1f rss_kb=%ld\n", firstWindowMs, rss);
  return 0;
}
