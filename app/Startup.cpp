#include "app/Startup.h"

#include <memory>

#include "app/App.h"
#include "app/Assets.h"
#include "app/MenuBar1.h"
#include "framework/Framework.h"
#include "game/Window1.h"

namespace {

void UnhandledException(std::exception_ptr exception) {
  fw::RuntimeUnhandledException(std::move(exception));
}

}  // namespace

void Initialize() {
  // The program's classes are C++ classes: nothing to register. The
  // framework's window list starts empty.
}

std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& call) {
  try {
    call();
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void Main() {
  try {
    fw::RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
    fw::RunFrameworkInitialization(Startup);
    fw::RuntimeRun();
  } catch (const fw::RuntimeException&) {
    // Start-up failed: the event loop never runs, and shutdown follows.
    UnhandledException(std::current_exception());
  }
}

void Startup() {
  // The framework's controls are linked into the program, so there are no
  // external classes or plug-in entry points to look up; the program
  // declares no document file types and no application menu handlers.
  NewAppInstance();
  MakeDefaultView();
}

void NewAppInstance() {
  auto application = std::make_shared<App>();
  fw::NotNil(application).SetMenuBar(MenuBar1::Instance());
  fw::RuntimeRegisterAppObject(application);
}

void MakeDefaultView() { Window1::Instance(); }

void Finalize() {
  ReleaseBasso();
  ReleasePurr();
  ReleasePing();
  fw::RuntimeReleaseGlobals();
  MenuBar1::ReleaseInstance();
}
