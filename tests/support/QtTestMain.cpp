// The test programs' main(): Qt offscreen, QUORVELLE_PROGRAM naming the built
// program (resources beside its folder), a private runtime folder, the framework.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "framework/Runtime.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QUORVELLE_PROGRAM", QUORVELLE_PROGRAM, 0);
  setenv("XDG_RUNTIME_DIR", QUORVELLE_TEST_RUNTIME_DIR, 0);
  mkdir(QUORVELLE_TEST_RUNTIME_DIR, 0700);
  ::testing::InitGoogleTest(&argc, argv);
  fw::RuntimeInit(argc, argv);
  const int status = RUN_ALL_TESTS();
  (void)fw::RuntimeExit();
  return status;
}
