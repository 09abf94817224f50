// Starts a program and prints the milliseconds from its start to the first
// frame of its window: the moment the window is mapped and the top left of
// its 762x602 content area shows the background colour #CCCCCC.
//
//   first_frame <program> [arguments...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <sys/select.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kContentHeight = 602;
constexpr unsigned long kBackground = 0xCCCCCC;

bool Painted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0 ||
      attributes.map_state != IsViewable || attributes.height < kContentHeight) {
    return false;
  }
  XImage* image = XGetImage(display, window, 10, attributes.height - kContentHeight + 10, 1, 1,
                            AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel == kBackground;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_frame <program> [arguments...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "first_frame: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  Clock::time_point start = Clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
    std::perror("first_frame: posix_spawn");
    return 2;
  }

  std::vector<Window> mapped;
  double elapsed = -1;
  while (Clock::now() - start < std::chrono::seconds(20) && elapsed < 0) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify) mapped.push_back(event.xmap.window);
    }
    for (Window window : mapped) {
      if (Painted(display, window)) {
        elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        break;
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(250));
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  if (elapsed < 0) {
    std::fprintf(stderr, "first_frame: no frame within 20 s\n");
    return 1;
  }
  std::printf("%.1f\n", elapsed);
  return 0;
}
