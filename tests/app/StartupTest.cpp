// Start-up and shutdown of the program, run in-process as main() runs them.

#include <gtest/gtest.h>

#include <QWidget>

#include <cstdlib>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "framework/Framework.h"
#include "framework/Testing.h"
#include "game/Window1.h"

namespace {

TEST(Startup, BuildsTheApplicationWithItsMenuBarBeforeTheWindow) {
  ASSERT_EQ(fw::App(), nullptr);
  ASSERT_FALSE(MenuBar1::HasInstance());

  NewAppInstance();
  ASSERT_NE(dynamic_cast<App*>(fw::App().get()), nullptr);
  EXPECT_EQ(fw::App()->MenuBar(), MenuBar1::Instance());
  EXPECT_EQ(fw::GetImplicitWindow("Window1.Window1"), nullptr);

  MakeDefaultView();
  Window1& window = Window1::Instance();
  EXPECT_EQ(fw::GetImplicitWindow("Window1.Window1"), &window);
  // One menu bar, built once, shared by the application and the window.
  EXPECT_EQ(window.MenuBar(), fw::App()->MenuBar());
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.Title(), "Quorvelle");

  // It can be minimised, but neither closed, maximised nor resized.
  QWidget* shown = window.Widget();
  Qt::WindowFlags flags = shown->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(shown->minimumSize(), shown->maximumSize());
  EXPECT_EQ(window.Content()->size(), QSize(762, 602));
  EXPECT_FALSE(shown->close());
  EXPECT_TRUE(shown->isVisible());
}

TEST(Startup, ASecondRequestForTheWindowBuildsNothing) {
  Startup();
  Window1& first = Window1::Instance();
  std::size_t controls = first.Controls().size();
  first.monit = "changed";
  Window1& second = Window1::Instance();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(second.Controls().size(), controls);
  EXPECT_EQ(second.monit, "changed");  // Open did not run again
}

TEST(Startup, ExceptionHelperHandsBackOnlyRuntimeExceptions) {
  EXPECT_EQ(CallFunctionWithExceptionHandling([] {}), nullptr);
  std::exception_ptr escaped =
      CallFunctionWithExceptionHandling([] { throw fw::NilObjectException(); });
  ASSERT_NE(escaped, nullptr);
  EXPECT_THROW(std::rethrow_exception(escaped), fw::NilObjectException);
  EXPECT_THROW(CallFunctionWithExceptionHandling([] { throw std::runtime_error("other"); }),
               std::runtime_error);
}

// The whole run of main(), ended by the event given.
[[noreturn]] void RunEndedBy(const std::function<void(fw::Timer&)>& event) {
  fw::Timer trigger;
  trigger.Action = event;
  trigger.SetPeriod(10);
  trigger.SetMode(fw::Timer::kSingle);
  Main();
  Finalize();
  bool released = !MenuBar1::HasInstance() && fw::GetImplicitWindow("Window1.Window1") == nullptr;
  int status = fw::RuntimeExit();
  std::exit(released ? status : 99);
}

TEST(Shutdown, QuitEndsTheRunWithStatusZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RunEndedBy([](fw::Timer&) { NotNil(Window1::Instance().FileQuit()).Choose(); }),
              ::testing::ExitedWithCode(0), "");
}

TEST(Shutdown, AnEscapedExceptionIsReportedAndEndsTheRunWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RunEndedBy([](fw::Timer&) { throw fw::NilObjectException(); }),
              ::testing::ExitedWithCode(1), "quorvelle: unhandled NilObjectException");
}

TEST(Shutdown, HandlersRunNoMoreOnceTheRunIsEnding) {
  fw::testing::SetUnhandledExceptionReporter([](std::string_view, std::string_view) {});
  int ran = 0;
  fw::Timer timer;
  timer.Action = [&](fw::Timer&) {
    ++ran;
    throw fw::NilObjectException();
  };
  fw::testing::Tick(timer);
  fw::testing::Tick(timer);
  EXPECT_EQ(ran, 1);
  fw::testing::ResetRun();
}

}  // namespace
