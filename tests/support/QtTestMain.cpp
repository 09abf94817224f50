// The main() of the test programs: real Qt widgets on the offscreen
// platform, with the framework's runtime started as the program starts it.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "framework/Runtime.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  ::testing::InitGoogleTest(&argc, argv);
  fw::RuntimeInit(argc, argv);
  int status = RUN_ALL_TESTS();
  fw::RuntimeReleaseGlobals();
  (void)fw::RuntimeExit();
  return status;
}
