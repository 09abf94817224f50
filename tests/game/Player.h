#pragma once

// Plays the real game window, built as start-up builds it: real Qt events on
// the real widgets, timer ticks on demand, squares judged by their pixels
// against the picture files, sounds by the sound files' samples.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "framework/Framework.h"
#include "framework/Testing.h"
#include "game/Window1.h"

using Strings = std::vector<std::string>;

// The player's colours by letter: the picture file, whose name is also the
// word, and the wheel movement that chooses it (deltaY > 0 down, deltaX > 0 right).
inline const std::map<char, std::tuple<std::string, int, int>> kColours{
    {'b', {"blue", 0, 1}}, {'r', {"red", 0, -1}}, {'g', {"green", 1, 0}}, {'y', {"yellow", -1, 0}}};

// Where the texts that tell the game's state stand on the content area, as designed.
inline const QRect kStart{69, 378, 91, 20}, kScore{123, 422, 57, 20}, kFinalScore{80, 67, 172, 20},
    kYourTurn{58, 99, 194, 45}, kMe{141, 474, 151, 20}, kYou{152, 506, 151, 20};

class Player : public ::testing::Test {
 protected:
  inline static const auto kSeed = static_cast<std::uint32_t>(  // QUORVELLE_GAME_SEED repeats it
      std::getenv("QUORVELLE_GAME_SEED") ? std::stoul(std::getenv("QUORVELLE_GAME_SEED"))
                                         : 20261206);
  static std::string Resource(const std::string& file) {
    const std::filesystem::path program(std::getenv("QUORVELLE_PROGRAM"));
    return (program.parent_path().parent_path() / "Resources" / file).string();
  }

  void SetUp() override {
    std::printf("seed %u (set QUORVELLE_GAME_SEED to repeat it)\n", kSeed);
    fw::SeedRandom(kSeed);
    fw::testing::SetExecutablePath(std::getenv("QUORVELLE_PROGRAM"));
    fw::testing::SetSoundOutput([this](const fw::Sound& sound) { heard.push_back(Name(sound)); });
    fw::testing::SetUnhandledExceptionReporter(
        [this](std::string_view name, std::string_view) { unhandled.emplace_back(name); });
    fw::testing::SetUrlHandler([this](const std::string& url) { opened.push_back(url); });
    fw::testing::SetMessageBoxHandler([this](const std::string& text) { boxes.push_back(text); });
    NewAppInstance();
    MakeDefaultView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w().Widget()));
  }
  // The window and the menu bar go, not the sounds: each is tried once per process.
  void TearDown() override {
    EXPECT_EQ(unhandled, Strings{});
    fw::RuntimeReleaseGlobals();
    MenuBar1::ReleaseInstance();
    QApplication::processEvents();
    fw::testing::SetSoundOutput({});
    fw::testing::SetUnhandledExceptionReporter({});
    fw::testing::SetUrlHandler({});
    fw::testing::SetMessageBoxHandler({});
    fw::testing::SetExecutablePath("");
    fw::testing::ResetRun();
  }

  Window1& w() { return Window1::Instance(); }
  fw::ImageWell& Square(int square) { return fw::NotNil(w().ImageWell1(square)); }
  static const std::string& Text(fw::Label* label) { return fw::NotNil(label).Text(); }
  static bool Seen(fw::RectControl* control) { return control->Widget()->isVisible(); }

  // Things found as a player finds them: by where they stand on the content area.
  QRect OnContent(const QWidget* widget) {
    return {widget->mapTo(w().Content(), QPoint(0, 0)), widget->size()};
  }
  QWidget* At(const QRect& box) {  // the widget that covers exactly the box, or null
    for (QWidget* widget : w().Content()->findChildren<QWidget*>()) {
      if (OnContent(widget) == box) return widget;
    }
    return nullptr;
  }
  bool Visible(const QRect& box) {
    const QWidget* at = At(box);
    return at && at->isVisible();
  }
  // The text standing there: a label's, a button's, a frame's caption, the tabs'.
  std::string Reads(const QRect& box) {
    const QWidget* at = At(box);
    if (!at) return "nothing at " + std::to_string(box.x()) + "," + std::to_string(box.y());
    QString text;  // none on a picture
    if (const auto* label = qobject_cast<const QLabel*>(at)) text = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(at)) text = button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(at)) text = frame->title();
    if (const auto* tabs = qobject_cast<const QTabWidget*>(at)) {
      text = tabs->tabText(0) + " " + tabs->tabText(1);
    }
    return text.toStdString();
  }

  static void Send(QWidget* widget, QEvent&& event) { QApplication::sendEvent(widget, &event); }
  // Qt counts up and left as positive; a unit is a third of a notch, as touchpads send.
  static void Wheel(fw::RectControl& well, int deltaX, int deltaY,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QPointF at(well.Widget()->width() / 2.0, well.Widget()->height() / 2.0);
    Send(well.Widget(),
         QWheelEvent(at, well.Widget()->mapToGlobal(at), {}, {-deltaX * 40, -deltaY * 40},
                     Qt::NoButton, modifiers, Qt::NoScrollPhase, false));
  }
  static void Click(fw::RectControl* well) { QTest::mouseClick(well->Widget(), Qt::LeftButton); }
  void Click(int square) { Click(&Square(square)); }
  static void Leave(fw::RectControl& control) { Send(control.Widget(), QEvent(QEvent::Leave)); }
  static void Press(Qt::Key key) {  // to the widget that has the focus
    Send(QApplication::focusWidget(), QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
  }
  void Answer(const std::string& steps) {  // "0b4r": over each square the wheel, then a click
    for (std::size_t at = 0; at + 1 < steps.size(); at += 2) {
      Wheel(Square(steps[at] - '0'), std::get<1>(kColours.at(steps[at + 1])),
            std::get<2>(kColours.at(steps[at + 1])));
      Click(steps[at] - '0');
    }
  }
  void FlashTick() { fw::testing::Tick(fw::NotNil(w().Timer1())); }
  void ClearTick() { fw::testing::Tick(fw::NotNil(w().Timer2())); }
  void Start() { Click(w().PushButton1()); }
  void End() { Click(w().PushButton2()); }
  // Ticks until "Your Turn" shows, or so many flashes; the flashes seen.
  std::string WatchRound(std::size_t flashes = 100) {
    std::string seen;
    for (int ticks = 0; ticks < 100 && !YourTurn() && seen.size() < 2 * flashes; ++ticks) {
      FlashTick();
      if (std::string board = Board(); board.size() == 2) seen += board;
    }
    EXPECT_TRUE(YourTurn() || seen.size() == 2 * flashes) << "the round never ended";
    return seen;
  }

  // The picture file whose pixels the well shows in its middle, or "none".
  static std::string Shows(fw::RectControl& well) {
    static std::map<std::string, QImage> files;
    QImage shown = well.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown = shown.copy((shown.width() - 64) / 2, (shown.height() - 64) / 2, 64, 64);
    for (const std::string name : {"white", "red", "blue", "green", "yellow", "two", "three",
                                   "four", "five", "six", "seven", "eight", "nine"}) {
      if (!files.contains(name)) {
        files[name] = QImage(QString::fromStdString(Resource(name + ".png")))
                          .convertToFormat(QImage::Format_RGB32);
      }
      if (files[name] == shown) return name;
    }
    return "none";
  }
  // The picture all squares show; else the one lit on white, as "4r"; else "mixed".
  std::string Board() {
    Strings shows;
    for (int square = 0; square <= 8; ++square) shows.push_back(Shows(Square(square)));
    if (std::ranges::count(shows, shows[0]) == 9) return shows[0];
    const auto lit = std::ranges::find_if(shows, [](auto& s) { return s != "white"; });
    const auto colour =
        std::ranges::find_if(kColours, [&](auto& c) { return *lit == get<0>(c.second); });
    if (std::ranges::count(shows, "white") != 8 || colour == kColours.end()) return "mixed";
    return std::to_string(lit - shows.begin()) + colour->first;
  }
  // The board and whether it takes input, the score, what shows of "Your
  // Turn", the final score and START, the Me/You lines, the timers' modes:
  // the texts read where they stand.
  std::string Screen() {
    int on = 0;
    for (int square = 0; square <= 8; ++square) on += Square(square).Enabled();
    std::string screen = Board() + (on == 9 ? " enabled" : on == 0 ? " disabled" : " mixed");
    screen += "; score " + Score() + (YourTurn() ? "; " + Reads(kYourTurn) : "");
    screen += Visible(kFinalScore) ? "; " + Reads(kFinalScore) : "";
    screen += Visible(kStart) ? "; " + Reads(kStart) : "";
    screen += "; me " + Reads(kMe) + "; you " + Reads(kYou) + "; timers ";
    return screen + std::to_string(w().Timer1()->Mode()) + std::to_string(w().Timer2()->Mode());
  }
  bool YourTurn() { return Visible(kYourTurn); }
  std::string Score() { return Reads(kScore); }
  // The sound file whose samples were played.
  static std::string Name(const fw::Sound& played) {
    static std::map<std::string, std::vector<std::int16_t>> files;
    for (const std::string name : {"Basso", "Purr", "Ping"}) {
      if (!files.contains(name)) {
        files[name] = fw::NotNil(fw::FolderItem(Resource(name + ".aiff")).OpenAsSound()).Samples();
      }
      if (files[name] == played.Samples()) return name;
    }
    return "unknown";
  }

  Strings heard, unhandled, opened, boxes;  // sounds by file; class names; URLs; messages
};
