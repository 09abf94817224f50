// Quorvelle: a colour memory game.

#include "app/Startup.h"
#include "framework/Runtime.h"

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  Initialize();
  Main();
  Finalize();
  return fw::RuntimeExit();
}
