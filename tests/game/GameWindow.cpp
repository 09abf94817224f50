#include "tests/game/GameWindow.h"

#include <QApplication>

#include <cstdlib>

#include "app/Startup.h"
#include "framework/Testing.h"

void GameWindow::SetUp() {
  // The assets load from the Resources/ folder beside the built program's.
  const char* program = std::getenv("QUORVELLE_PROGRAM");
  fw::testing::SetExecutablePath(program != nullptr ? program : "");
  fw::testing::ResetRun();
  NewAppInstance();
  MakeDefaultView();
  window_ = &Window1::Instance();
  ProcessEvents();
}

void GameWindow::TearDown() {
  Finalize();
  ProcessEvents();
  fw::testing::SetExecutablePath("");
}

void GameWindow::ProcessEvents() { QApplication::processEvents(); }
