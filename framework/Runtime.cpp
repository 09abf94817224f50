#include "Runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cxxabi.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Exceptions.h"
#include "Menu.h"
#include "Testing.h"
#include "internal/Dispatch.h"
#include "internal/QtMessages.h"

namespace fw {

namespace {

constexpr const char* kProgram = "quorvelle";

struct RuntimeState {
  std::unique_ptr<QApplication> qtApplication;
  std::shared_ptr<Application> application;
  ExceptionHelper exceptionHelper;
  testing::UnhandledExceptionReporter reporter;
  int exitStatus = 0;
  bool ending = false;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

// Qt reports a display it cannot open with a warning, then a fatal message
// that would abort the process: that becomes one line on stderr and exit
// status 1.
[[noreturn]] void CannotOpenTheWindow(const QString& fatal,
                                      const std::vector<internal::QtMessageHold::Message>& held) {
  QString reason = fatal.section('\n', 0, 0);
  for (const auto& message : held) {
    if (message.category == "qt.qpa.xcb") {
      reason = message.text;
      break;
    }
  }
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    reason = "no display: DISPLAY is not set";
  }
  std::fprintf(stderr, "%s: cannot open the window: %s\n", kProgram, qPrintable(reason));
  std::fflush(stderr);
  std::_Exit(1);
}

std::string Demangled(const char* name) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> readable(
      abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
  return status == 0 && readable ? readable.get() : name;
}

bool HasDisplay() {
  QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

void Report(std::string_view className, std::string_view message) {
  if (State().reporter) {
    State().reporter(className, message);
    return;
  }
  std::string line = "unhandled " + std::string(className);
  if (!message.empty()) line += ": " + std::string(message);
  std::fprintf(stderr, "%s: %s\n", kProgram, line.c_str());
  if (qApp != nullptr && HasDisplay()) {
    QMessageBox::critical(nullptr, "Quorvelle",
                          QString::fromStdString("The program has to stop: " + line + "."));
  }
}

std::exception_ptr RunCatchingRuntimeExceptions(const std::function<void()>& call) {
  try {
    call();
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

}  // namespace

void RuntimeInit(int argc, char** argv) {
  // Qt keeps a reference to its arguments for the whole run.
  static char fallbackName[] = "quorvelle";
  static int qtArgc = 1;
  static char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};

  {
    const internal::QtMessageHold hold(CannotOpenTheWindow);
    State().qtApplication = std::make_unique<QApplication>(qtArgc, qtArgv);
  }

  QApplication::setApplicationName("Quorvelle");
  // The one window has no close box; message boxes closing must not end
  // the run.
  QApplication::setQuitOnLastWindowClosed(false);
}

void RunFrameworkInitialization(const std::function<void()>& startup) { startup(); }

void RuntimeRun() {
  if (!internal::Running() || !State().qtApplication) return;
  QApplication::exec();
}

int RuntimeExit() {
  RuntimeReleaseGlobals();
  State().application.reset();
  State().qtApplication.reset();
  return State().exitStatus;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  State().exceptionHelper = std::move(helper);
}

void RuntimeUnhandledException(std::exception_ptr exception) {
  RuntimeState& state = State();
  state.ending = true;
  state.exitStatus = 1;
  try {
    std::rethrow_exception(std::move(exception));
  } catch (const RuntimeException& runtime) {
    Report(runtime.ClassName(), runtime.Message());
  } catch (const std::exception& other) {
    Report(Demangled(typeid(other).name()), other.what());
  } catch (...) {
    Report("exception of an unknown type", "");
  }
  if (qApp != nullptr) QCoreApplication::exit(1);
}

bool QuitMenuAction() {
  State().ending = true;
  if (qApp != nullptr) QCoreApplication::exit(0);
  return true;
}

Application::Application() = default;
Application::~Application() = default;

void Application::SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) {
  menuBar_ = std::move(menuBar);
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> application) {
  State().application = std::move(application);
}

std::shared_ptr<Application> App() { return State().application; }

namespace internal {

bool Running() { return !State().ending; }

void Dispatch(const std::function<void()>& call) noexcept {
  if (!Running()) return;
  try {
    const ExceptionHelper& helper = State().exceptionHelper;
    std::exception_ptr escaped = helper ? helper(call) : RunCatchingRuntimeExceptions(call);
    if (escaped) RuntimeUnhandledException(escaped);
  } catch (...) {
    RuntimeUnhandledException(std::current_exception());
  }
}

}  // namespace internal

namespace testing {

void SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter) {
  State().reporter = std::move(reporter);
}

void ResetRun() {
  State().ending = false;
  State().exitStatus = 0;
}

}  // namespace testing

}  // namespace fw
