#include "tests/game/Player.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/MenuBar1.h"
#include "app/Startup.h"

namespace {

std::string Resource(const std::string& file) {
  std::filesystem::path program(std::getenv("QUORVELLE_PROGRAM"));
  return (program.parent_path().parent_path() / "Resources" / file).string();
}

// The pictures and the sounds' samples as the files hold them, read once.
const std::map<std::string, QImage>& Pictures() {
  static const std::map<std::string, QImage> pictures = [] {
    std::map<std::string, QImage> read;
    for (const char* name : {"white", "red", "blue", "green", "yellow", "two", "three", "four",
                             "five", "six", "seven", "eight", "nine"}) {
      read[name] = QImage(QString::fromStdString(Resource(name + std::string(".png"))))
                       .convertToFormat(QImage::Format_RGB32);
    }
    return read;
  }();
  return pictures;
}

std::string NameOf(const fw::Sound& played) {
  static const std::map<std::string, std::vector<std::int16_t>> sounds = [] {
    std::map<std::string, std::vector<std::int16_t>> read;
    for (const char* name : {"Basso", "Purr", "Ping"}) {
      read[name] =
          fw::NotNil(fw::FolderItem(Resource(name + std::string(".aiff"))).OpenAsSound()).Samples();
    }
    return read;
  }();
  for (const auto& [name, samples] : sounds) {
    if (samples == played.Samples()) return name;
  }
  return "unknown";
}

}  // namespace

const Colour& ColourOf(char letter) {
  return *std::ranges::find(kColours, letter, &Colour::letter);
}

std::uint32_t Player::Seed() {
  const char* seed = std::getenv("QUORVELLE_GAME_SEED");
  return seed != nullptr ? static_cast<std::uint32_t>(std::stoul(seed)) : 20261206U;
}

void Player::SetUp() {
  std::printf("seed %u (set QUORVELLE_GAME_SEED to repeat it)\n", Seed());
  fw::SeedRandom(Seed());
  fw::testing::SetExecutablePath(std::getenv("QUORVELLE_PROGRAM"));
  fw::testing::SetSoundOutput([this](const fw::Sound& sound) { heard.push_back(NameOf(sound)); });
  fw::testing::SetUnhandledExceptionReporter(
      [this](std::string_view className, std::string_view) { unhandled.emplace_back(className); });
  fw::testing::SetUrlHandler([this](const std::string& url) { opened.push_back(url); });
  fw::testing::SetMessageBoxHandler([this](const std::string& text) { boxes.push_back(text); });
  NewAppInstance();
  MakeDefaultView();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w().Widget()));
}

// The window and the menu bar go, but not the sounds: they are tried once
// per process.
void Player::TearDown() {
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

void Player::Wheel(fw::RectControl& well, int deltaX, int deltaY, Qt::KeyboardModifiers modifiers) {
  QWidget* widget = well.Widget();
  QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  // Qt counts a turn up and a tilt left as positive angles.
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(-deltaX * 120, -deltaY * 120),
                    Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

void Player::Click(fw::RectControl* control) {
  QTest::mouseClick(fw::NotNil(control).Widget(), Qt::LeftButton);
}

void Player::Leave(fw::RectControl& control) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(control.Widget(), &leave);
}

void Player::Press(Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(QApplication::focusWidget(), &press);
}

void Player::Answer(const std::string& steps) {
  for (std::size_t at = 0; at + 1 < steps.size(); at += 2) {
    Wheel(Square(steps[at] - '0'), ColourOf(steps[at + 1]).deltaX, ColourOf(steps[at + 1]).deltaY);
    Click(steps[at] - '0');
  }
}

std::string Player::WatchRound() {
  std::string seen;
  for (int ticks = 0; ticks < 100 && !YourTurn(); ++ticks) {
    FlashTick();
    if (std::string board = Board(); board.size() == 2) seen += board;
  }
  EXPECT_TRUE(YourTurn()) << "the round never ended";
  return seen;
}

std::string Player::Shows(fw::RectControl& well) {
  QImage shown = well.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  shown = shown.copy((shown.width() - 64) / 2, (shown.height() - 64) / 2, 64, 64);
  for (const auto& [name, picture] : Pictures()) {
    if (picture == shown) return name;
  }
  return "none";
}

std::string Player::Board() {
  Strings shows;
  for (int square = 0; square <= 8; ++square) shows.push_back(Shows(Square(square)));
  if (std::ranges::count(shows, shows[0]) == 9) return shows[0];
  auto lit = std::ranges::find_if(shows, [](auto& s) { return s != "white"; });
  auto colour = std::ranges::find_if(kColours, [&](auto& c) { return *lit == c.file; });
  if (std::ranges::count(shows, "white") != 8 || colour == std::end(kColours)) return "mixed";
  return std::to_string(lit - shows.begin()) + colour->letter;
}

std::string Player::Screen() {
  int enabled = 0;
  for (int square = 0; square <= 8; ++square) enabled += Square(square).Enabled();
  std::string screen = Board() + (enabled == 9   ? " enabled"
                                  : enabled == 0 ? " disabled"
                                                 : " mixed");
  screen += "; score " + Score() + (YourTurn() ? "; " + Text(w().Label4()) : "");
  screen += Seen(w().Label3()) ? "; " + Text(w().Label3()) : "";
  screen += Seen(w().PushButton1()) ? "; " + w().PushButton1()->Caption() : "";
  screen += "; me " + Text(w().Label18()) + "; you " + Text(w().Label19()) + "; timers ";
  return screen + std::to_string(w().Timer1()->Mode()) + std::to_string(w().Timer2()->Mode());
}
