// The main() of the test programs: real Qt widgets on the offscreen
// platform, with the framework's runtime started as the program starts it.
// QUORVELLE_PROGRAM names the built program, beside whose folder the
// resources are.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include "framework/Runtime.h"

namespace {

void SetDefault(const char* name, const QByteArray& value) {
  if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}

}  // namespace

int main(int argc, char** argv) {
  SetDefault("QT_QPA_PLATFORM", "offscreen");
  SetDefault("QUORVELLE_PROGRAM", QUORVELLE_PROGRAM);
  SetDefault("QUORVELLE_SOURCE_DIR", QUORVELLE_SOURCE_DIR);
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    QDir().mkpath(QUORVELLE_TEST_RUNTIME_DIR);
    QFile::setPermissions(QUORVELLE_TEST_RUNTIME_DIR,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QUORVELLE_TEST_RUNTIME_DIR);
  }
  ::testing::InitGoogleTest(&argc, argv);
  fw::RuntimeInit(argc, argv);
  int status = RUN_ALL_TESTS();
  fw::RuntimeReleaseGlobals();
  (void)fw::RuntimeExit();
  return status;
}
