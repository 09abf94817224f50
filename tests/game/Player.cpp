#include "tests/game/Player.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>

#include "app/Assets.h"
#include "framework/Testing.h"
#include "game/Colours.h"

namespace play {

void Player::SetUp() {
  fw::SeedRandom(20261206);
  fw::testing::SetSoundOutput([this](const fw::Sound& sound) { played.push_back(&sound); });
  fw::testing::SetUnhandledExceptionReporter(
      [this](std::string_view className, std::string_view) { unhandled.emplace_back(className); });
  GameWindow::SetUp();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window().Widget()));
}

void Player::TearDown() {
  EXPECT_TRUE(unhandled.empty()) << "unhandled " << unhandled.front();
  GameWindow::TearDown();
  fw::testing::SetSoundOutput({});
  fw::testing::SetUnhandledExceptionReporter({});
}

void Player::Wheel(fw::ImageWell& well, int deltaX, int deltaY) {
  QWidget* widget = well.Widget();
  QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  // Qt counts a turn up and a tilt left as positive angles.
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(-deltaX * 120, -deltaY * 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

void Player::Click(fw::RectControl& control) {
  QTest::mouseClick(control.Widget(), Qt::LeftButton);
}

void Player::Leave(fw::RectControl& control) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(control.Widget(), &leave);
}

void Player::Answer(std::int32_t square, const std::string& colour) {
  for (const colours::Colour& each : colours::kColours) {
    if (each.letter != colour) continue;
    int index = static_cast<int>(&each - colours::kColours.data());
    // Down blue, up red, right green, left yellow.
    const int deltas[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    Wheel(square, deltas[index][0], deltas[index][1]);
  }
  Click(square);
}

void Player::Answer(const std::vector<Flash>& flashes) {
  for (const Flash& flash : flashes) Answer(flash.square, flash.colour);
}

std::vector<Flash> Player::WatchRound() {
  std::vector<Flash> seen;
  for (int ticks = 0; ticks < 100 && !YourTurn(); ++ticks) {
    FlashTick();
    if (auto flash = Lit()) seen.push_back(*flash);
  }
  EXPECT_TRUE(YourTurn()) << "the round never ended";
  return seen;
}

std::vector<std::string> Player::Heard() {
  std::vector<std::string> names;
  for (const fw::Sound* sound : played) {
    names.emplace_back(sound == Basso().get()  ? "Basso"
                       : sound == Purr().get() ? "Purr"
                       : sound == Ping().get() ? "Ping"
                                               : "unknown");
  }
  return names;
}

std::string Player::Shows(std::int32_t square) {
  std::shared_ptr<fw::Picture> image = Square(square).Image();
  if (!image) return "none";
  if (image == white()) return "white";
  for (const colours::Colour& colour : colours::kColours) {
    if (image == colour.picture()) return std::string(colour.letter);
  }
  const std::pair<std::shared_ptr<fw::Picture> (*)(), const char*> digits[] = {
      {two, "two"}, {three, "three"}, {four, "four"},   {five, "five"},
      {six, "six"}, {seven, "seven"}, {eight, "eight"}, {nine, "nine"}};
  for (const auto& [digit, name] : digits) {
    if (image == digit()) return name;
  }
  return "unknown";
}

std::optional<Flash> Player::Lit() {
  std::optional<Flash> lit;
  for (std::int32_t square = 0; square <= 8; ++square) {
    std::string shows = Shows(square);
    if (shows == "white") continue;
    if (lit || shows.size() != 1) return std::nullopt;
    lit = Flash{square, shows};
  }
  return lit;
}

bool Player::AllShow(const std::shared_ptr<fw::Picture>& picture) {
  for (std::int32_t square = 0; square <= 8; ++square) {
    if (Square(square).Image() != picture) return false;
  }
  return true;
}

}  // namespace play
