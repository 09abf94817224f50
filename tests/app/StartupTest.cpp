// Start-up, the menu bar shown, and shutdown, each in a child of its own.

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

#include "tests/support/TestSupport.h"

// Whether the application held the menu bar when the first window showed.
struct FirstShow : QObject {
  bool seen = false, appCameFirst = false;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen && event->type() == QEvent::Show && watched->isWidgetType()) {
      seen = true;
      appCameFirst =
          dynamic_cast<App*>(fw::App().get()) && fw::App()->MenuBar() == MenuBar1::Instance();
    }
    return false;
  }
};

TEST(Startup, TheApplicationAndItsMenuBarComeFirstThenTheWindowBuiltOnce) {
  InChild([] {
    FirstShow probe;
    qApp->installEventFilter(&probe);
    Startup();
    EXPECT_TRUE(probe.seen && probe.appCameFirst);
    Window1& window = Window1::Instance();
    EXPECT_EQ(window.MenuBar(), fw::App()->MenuBar());
    window.monit = "changed";  // Open would set it again
    const std::size_t controls = window.Controls().size();
    EXPECT_EQ(&Window1::Instance(), &window);
    EXPECT_EQ(window.Controls().size(), controls);
    EXPECT_EQ(window.monit, "changed");
    QWidget* shown = window.Widget();  // it can be minimised, but not closed, maximised, resized
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), "Quorvelle");
    EXPECT_EQ(shown->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                      Qt::WindowMaximizeButtonHint),
              Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(shown->close());
    EXPECT_EQ(shown->minimumSize(), shown->maximumSize());
    EXPECT_EQ(window.Content()->size(), QSize(762, 602));
    EXPECT_EQ(window.Content()->grab().toImage().pixelColor(761, 601), QColor(0xCC, 0xCC, 0xCC));
  });
}

TEST(MenuBar, TheWindowShowsFileThenEditWithTheirItemsShortcutsAndSeparators) {
  InChild([] {
    Startup();
    QStringList shown;  // a menu's title, then its items: text, shortcut, "on" when enabled
    for (const QAction* menu : Window1::Instance().Widget()->findChild<QMenuBar*>()->actions()) {
      shown << menu->text();
      for (const QAction* item : menu->menu()->actions()) {
        shown << (item->isSeparator() ? "-"
                                      : item->text() + " " + item->shortcut().toString() +
                                            (item->isEnabled() ? " on" : ""));
      }
    }
    EXPECT_EQ(shown,
              QStringList({"&File", "&Quit Ctrl+Q on", "&Edit", "&Undo Ctrl+Z", "-", "Cu&t Ctrl+X",
                           "&Copy Ctrl+C", "&Paste Ctrl+V", "&Delete ", "-", "Select &All Ctrl+A"}))
        << shown.join(" | ").toStdString();
  });
}

TEST(Startup, TheExceptionHelperHandsBackOnlyRuntimeExceptions) {
  EXPECT_EQ(CallFunctionWithExceptionHandling([] {}), nullptr);
  EXPECT_NE(CallFunctionWithExceptionHandling([] { throw fw::NilObjectException(); }), nullptr);
  EXPECT_THROW(CallFunctionWithExceptionHandling([] { throw std::exception(); }), std::exception);
}

// main()'s whole run, ended by the timer's event; a handler run after it fails it.
[[noreturn]] static void RunEndedBy(std::function<void(fw::Timer&)> event) {
  fw::Timer trigger;
  trigger.Action = std::move(event);
  trigger.SetPeriod(10);
  trigger.SetMode(fw::Timer::kSingle);
  alarm(60);
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  Main();
  trigger.Action = [](fw::Timer&) { throw std::logic_error("a handler ran after the end"); };
  fw::testing::Tick(trigger);
  Finalize();
  std::exit(fw::RuntimeExit());
}

TEST(Shutdown, QuitEndsWithStatusZeroAnEscapedExceptionWithOneReportAndStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RunEndedBy([](fw::Timer&) { NotNil(Window1::Instance().FileQuit()).Choose(); }),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(RunEndedBy([](fw::Timer&) { throw fw::NilObjectException(); }),
              ::testing::ExitedWithCode(1), "^quorvelle: unhandled NilObjectException[^\n]*\n$");
}

TEST(Shutdown, NoHandlerRunsWhileAnUnhandledExceptionIsReported) {
  InChild([] {
    fw::Timer timer;
    bool ran = false;
    timer.Action = [&](fw::Timer&) { ran = true; };
    fw::testing::SetUnhandledExceptionReporter([&](auto, auto) { fw::testing::Tick(timer); });
    fw::RuntimeUnhandledException(std::make_exception_ptr(fw::NilObjectException()));
    EXPECT_FALSE(ran);
  });
}

// Released with the window: are the sounds gone, and the menu bar still there?
static std::vector<std::weak_ptr<fw::Sound>> sounds;
static bool soundsGone = false, menuBarThere = false;
struct Probe : fw::Object {
  ~Probe() override {
    soundsGone = std::ranges::all_of(sounds, [](auto& sound) { return sound.expired(); });
    menuBarThere = MenuBar1::HasInstance();
  }
};

TEST(Shutdown, FinalizeReleasesTheSoundsThenTheWindowsThenTheMenuBarAndKeepsThePictures) {
  InChild([] {
    fw::testing::SetExecutablePath(std::getenv("QUORVELLE_PROGRAM"));
    Startup();
    Window1::Instance().AddControl("Probe", std::make_unique<Probe>());
    sounds = {Basso(), Purr(), Ping()};
    const std::weak_ptr<fw::Picture> picture = white();
    ASSERT_TRUE(Basso() && Purr() && Ping() && white());
    Finalize();
    EXPECT_TRUE(soundsGone && menuBarThere);
    EXPECT_FALSE(MenuBar1::HasInstance());
    EXPECT_EQ(white(), picture.lock());
  });
}
