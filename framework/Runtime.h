#pragma once

// The runtime: start, event loop, the unhandled-exception path and exit, and
// the application object.

#include <exception>
#include <functional>
#include <memory>

#include "Object.h"

namespace fw {

class MenuBar;

// Starts the runtime. Only the program's name is taken from the command
// line; the program reads no arguments. When no display can be opened, this
// prints one line on stderr and ends the process with status 1.
void RuntimeInit(int argc, char** argv);

// Runs the program's start-up routine once, as part of the framework's
// initialisation. An exception that escapes it passes to the caller.
void RunFrameworkInitialization(const std::function<void()>& startup);

// Runs the event loop until the application quits or an exception escapes a
// handler. Returns at once if the run is already ending.
void RuntimeRun();

// Releases the framework's globals: its windows, with their controls.
void RuntimeReleaseGlobals();

// Shuts the runtime down and returns the exit status: 0 after a quit,
// 1 after an unhandled exception.
[[nodiscard]] int RuntimeExit();

// Every call from the user interface into program code runs through the
// exception helper: it runs the call and gives back the runtime exception
// that escaped it, or nothing. Other exceptions pass through it.
using ExceptionHelper = std::function<std::exception_ptr(const std::function<void()>& call)>;
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// Reports an exception that no handler caught (its class and message, on
// stderr and, when there is a display, in a message box), then ends the
// event loop; the run ends with status 1.
void RuntimeUnhandledException(std::exception_ptr exception);

// The framework's quit action, behind File > Quit: ends the event loop.
bool QuitMenuAction();

class Application : public Object {
 public:
  Application();
  ~Application() override;

  [[nodiscard]] std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);

 private:
  std::shared_ptr<fw::MenuBar> menuBar_;
};

// From here on the framework holds the application object, until the
// runtime exits.
void RuntimeRegisterAppObject(std::shared_ptr<Application> application);
[[nodiscard]] std::shared_ptr<Application> App();

}  // namespace fw
