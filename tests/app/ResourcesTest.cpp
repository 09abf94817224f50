// The sixteen files the build puts beside the program: each one read by its
// accessor, and each what the game needs it to be.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Assets.h"
#include "framework/Framework.h"
#include "framework/Testing.h"

namespace {

class Resources : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* program = std::getenv("QUORVELLE_PROGRAM");
    ASSERT_NE(program, nullptr) << "QUORVELLE_PROGRAM names the built program";
    fw::testing::SetExecutablePath(program);
  }
};

QColor Centre(const fw::Picture& picture) { return picture.Image().pixelColor(32, 32); }

TEST_F(Resources, TheFacesAreFarApartInColour) {
  struct Face {
    std::shared_ptr<fw::Picture> picture;
    const char* name;
    int red, green, blue;  // 1: strong, 0: weak
  };
  const Face faces[] = {{white(), "white", 1, 1, 1},
                        {red(), "red", 1, 0, 0},
                        {green(), "green", 0, 1, 0},
                        {blue(), "blue", 0, 0, 1},
                        {yellow(), "yellow", 1, 1, 0}};
  auto strong = [](int value, int wanted) { return wanted != 0 ? value >= 160 : value <= 80; };
  for (const Face& face : faces) {
    ASSERT_TRUE(face.picture) << face.name;
    EXPECT_EQ(face.picture->Width(), 64) << face.name;
    EXPECT_EQ(face.picture->Height(), 64) << face.name;
    // The whole face but a thin border is one solid colour.
    const QColor centre = Centre(*face.picture);
    for (int x = 4; x < 60; x += 5) {
      for (int y = 4; y < 60; y += 5) {
        ASSERT_EQ(face.picture->Image().pixelColor(x, y), centre) << face.name;
      }
    }
    EXPECT_TRUE(strong(centre.red(), face.red)) << face.name;
    EXPECT_TRUE(strong(centre.green(), face.green)) << face.name;
    EXPECT_TRUE(strong(centre.blue(), face.blue)) << face.name;
  }
}

TEST_F(Resources, EachDigitIsDrawnLargeOnAFaceOfItsOwn) {
  const std::vector<std::shared_ptr<fw::Picture>> digits = {two(), three(), four(),  five(),
                                                            six(), seven(), eight(), nine()};
  std::vector<QImage> seen = {white()->Image()};
  for (std::size_t i = 0; i < digits.size(); ++i) {
    ASSERT_TRUE(digits[i]) << i + 2;
    const QImage& image = digits[i]->Image();
    EXPECT_EQ(image.size(), QSize(64, 64)) << i + 2;
    // Large: dark pixels take up a good part of the face.
    int dark = 0;
    for (int x = 0; x < 64; ++x) {
      for (int y = 0; y < 64; ++y) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    EXPECT_GT(dark, 64 * 64 / 10) << i + 2;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), image), 0) << i + 2;
    seen.push_back(image);
  }
}

TEST_F(Resources, TheSoundsAreTheBuzzTheRingAndTheBeep) {
  struct Expected {
    std::shared_ptr<fw::Sound> sound;
    const char* name;
    double seconds;
  };
  for (const Expected& expected : {Expected{Basso(), "Basso", 0.4}, Expected{Purr(), "Purr", 0.8},
                                   Expected{Ping(), "Ping", 0.2}}) {
    ASSERT_TRUE(expected.sound) << expected.name;
    EXPECT_EQ(expected.sound->Channels(), 1) << expected.name;
    EXPECT_EQ(expected.sound->SampleRate(), 44100) << expected.name;
    EXPECT_NEAR(expected.sound->Seconds(), expected.seconds, 0.02) << expected.name;
    // Loud enough to hear, not clipped.
    int peak = 0;
    for (std::int16_t sample : expected.sound->Samples()) peak = std::max(peak, std::abs(sample));
    EXPECT_GT(peak, 16000) << expected.name;
    EXPECT_LT(peak, 32000) << expected.name;
  }
}

}  // namespace
