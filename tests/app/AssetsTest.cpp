// The picture and sound accessors against resources folders the tests
// make: which file each reads, when it reads it again, and what a missing
// or broken file does. Every test runs in a process of its own, so each
// starts with every cache empty.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Assets.h"
#include "app/Startup.h"
#include "framework/Framework.h"
#include "framework/Testing.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using testfiles::WriteBytes;
using testfiles::WritePicture;
using testfiles::WriteSound;

const std::vector<std::pair<std::function<std::shared_ptr<fw::Picture>()>, std::string>> kPictures =
    {{white, "white.png"},   {red, "red.png"}, {blue, "blue.png"},   {green, "green.png"},
     {yellow, "yellow.png"}, {two, "two.png"}, {three, "three.png"}, {four, "four.png"},
     {five, "five.png"},     {six, "six.png"}, {seven, "seven.png"}, {eight, "eight.png"},
     {nine, "nine.png"}};
const std::vector<std::pair<std::function<std::shared_ptr<fw::Sound>()>, std::string>> kSounds = {
    {Basso, "Basso.aiff"}, {Purr, "Purr.aiff"}, {Ping, "Ping.aiff"}};

// The program as if installed at <folder>/bin/quorvelle: its resources are
// <folder>/Resources, made only when a test asks.
class Assets : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::SetExecutablePath((folder.Path() / "bin" / "quorvelle").string());
  }
  [[nodiscard]] fs::path Resources() const { return folder.Path() / "Resources"; }
  void Picture(const std::string& name, int width = 64) {
    WritePicture(Resources() / name, width, 64);
  }
  void Sound(const std::string& name, int frames = 441) { WriteSound(Resources() / name, frames); }

  testfiles::TempFolder folder;
};

TEST_F(Assets, EachAccessorReadsItsOwnFileIntoItsOwnObject) {
  for (std::size_t i = 0; i < kPictures.size(); ++i) {
    Picture(kPictures[i].second, static_cast<int>(10 + i));
  }
  for (std::size_t i = 0; i < kSounds.size(); ++i) {
    Sound(kSounds[i].second, static_cast<int>(100 + i));
  }
  for (std::size_t i = 0; i < kPictures.size(); ++i) {
    std::shared_ptr<fw::Picture> picture = kPictures[i].first();
    ASSERT_TRUE(picture) << kPictures[i].second;
    EXPECT_EQ(picture->Width(), static_cast<int>(10 + i)) << kPictures[i].second;
    EXPECT_EQ(kPictures[i].first(), picture) << kPictures[i].second;
  }
  for (std::size_t i = 0; i < kSounds.size(); ++i) {
    std::shared_ptr<fw::Sound> sound = kSounds[i].first();
    ASSERT_TRUE(sound) << kSounds[i].second;
    EXPECT_EQ(sound->Samples().size(), 100 + i) << kSounds[i].second;
    EXPECT_EQ(kSounds[i].first(), sound) << kSounds[i].second;
  }
}

TEST_F(Assets, APictureOnceReadIsKeptWhateverBecomesOfItsFile) {
  Picture("white.png");
  std::shared_ptr<fw::Picture> first = white();
  ASSERT_TRUE(first);
  Picture("white.png", 32);
  EXPECT_EQ(white(), first);
  fs::remove(Resources() / "white.png");
  EXPECT_EQ(white(), first);
  fs::remove_all(Resources());
  EXPECT_EQ(white(), first);
  EXPECT_EQ(first->Width(), 64);
}

TEST_F(Assets, APictureIsTriedAgainOnEveryCallUntilItIsRead) {
  // No resources folder: nothing, quietly.
  EXPECT_FALSE(red());
  EXPECT_FALSE(red());
  // A resources folder without the file: the lookup of the file raises.
  fs::create_directory(Resources());
  EXPECT_THROW((void)red(), fw::NilObjectException);
  EXPECT_THROW((void)red(), fw::NilObjectException);
  // A file that is not a picture: nothing.
  WriteBytes(Resources() / "red.png", "not a picture");
  EXPECT_FALSE(red());
  fs::remove(Resources() / "red.png");
  fs::create_directory(Resources() / "red.png");
  EXPECT_FALSE(red());
  fs::remove(Resources() / "red.png");
  // At last the picture: read by the next call, and kept.
  Picture("red.png");
  std::shared_ptr<fw::Picture> picture = red();
  ASSERT_TRUE(picture);
  EXPECT_EQ(red(), picture);
}

TEST_F(Assets, ASoundIsTriedOnlyOnItsFirstCall) {
  fs::create_directory(Resources());
  // Not a sound: nothing now and for the rest of the run.
  WriteBytes(Resources() / "Ping.aiff", "not a sound");
  EXPECT_FALSE(Ping());
  Sound("Ping.aiff");
  EXPECT_FALSE(Ping());
  // No file: the first call raises, every later call gives nothing.
  EXPECT_THROW((void)Basso(), fw::NilObjectException);
  Sound("Basso.aiff");
  EXPECT_NO_THROW(EXPECT_FALSE(Basso()));
  EXPECT_NO_THROW(EXPECT_FALSE(Basso()));
  // Read on the first call, kept, and not read again.
  Sound("Purr.aiff");
  std::shared_ptr<fw::Sound> purr = Purr();
  ASSERT_TRUE(purr);
  fs::remove_all(Resources());
  EXPECT_EQ(Purr(), purr);
}

TEST_F(Assets, WithoutResourcesFolderEveryAccessorGivesNothingAndRaisesNothing) {
  for (const auto& [picture, name] : kPictures) EXPECT_NO_THROW(EXPECT_FALSE(picture())) << name;
  for (const auto& [sound, name] : kSounds) EXPECT_NO_THROW(EXPECT_FALSE(sound())) << name;
  // The folder comes: the pictures are read now, the sounds never.
  for (const auto& [picture, name] : kPictures) Picture(name);
  for (const auto& [sound, name] : kSounds) Sound(name);
  for (const auto& [picture, name] : kPictures) EXPECT_TRUE(picture()) << name;
  for (const auto& [sound, name] : kSounds) EXPECT_FALSE(sound()) << name;
}

TEST_F(Assets, AProgramWithoutFoldersAboveItRaisesOnEveryPictureAndFirstSoundCall) {
  fw::testing::SetExecutablePath("/quorvelle");  // its folder "/" has no parent
  EXPECT_THROW((void)GetApplicationBundleResources(), fw::NilObjectException);
  EXPECT_THROW((void)blue(), fw::NilObjectException);
  EXPECT_THROW((void)blue(), fw::NilObjectException);
  EXPECT_THROW((void)Ping(), fw::NilObjectException);
  EXPECT_NO_THROW(EXPECT_FALSE(Ping()));
}

TEST_F(Assets, OneAccessorsFailureLeavesTheOthersAlone) {
  Picture("white.png");
  WriteBytes(Resources() / "green.png", "not a picture");
  Sound("Purr.aiff");
  WriteBytes(Resources() / "Ping.aiff", "not a sound");
  EXPECT_THROW((void)red(), fw::NilObjectException);
  EXPECT_FALSE(green());
  EXPECT_THROW((void)Basso(), fw::NilObjectException);
  EXPECT_FALSE(Ping());
  EXPECT_TRUE(white());
  EXPECT_TRUE(Purr());
  // The failed pictures are read once their files are good; the failed
  // sounds are not.
  Picture("red.png");
  Picture("green.png");
  Sound("Basso.aiff");
  Sound("Ping.aiff");
  EXPECT_TRUE(red());
  EXPECT_TRUE(green());
  EXPECT_FALSE(Basso());
  EXPECT_FALSE(Ping());
}

TEST_F(Assets, ReleasingASoundDropsItForGood) {
  for (const auto& [sound, name] : kSounds) Sound(name);
  // Released before it was asked for: nothing to drop, nothing changes.
  ReleaseBasso();
  std::weak_ptr<fw::Sound> basso = Basso();
  std::weak_ptr<fw::Sound> purr = Purr();
  std::weak_ptr<fw::Sound> ping = Ping();
  ASSERT_FALSE(basso.expired());
  ReleaseBasso();
  EXPECT_TRUE(basso.expired());
  EXPECT_FALSE(purr.expired());
  EXPECT_FALSE(ping.expired());
  // Released, it is not read again.
  EXPECT_FALSE(Basso());
  ReleasePurr();
  ReleasePing();
  EXPECT_TRUE(purr.expired());
  EXPECT_TRUE(ping.expired());
}

TEST_F(Assets, ShutdownReleasesTheSoundsAndKeepsThePictures) {
  Picture("white.png");
  for (const auto& [sound, name] : kSounds) Sound(name);
  std::weak_ptr<fw::Picture> picture = white();
  std::vector<std::weak_ptr<fw::Sound>> sounds;
  for (const auto& [sound, name] : kSounds) sounds.emplace_back(sound());
  Finalize();
  for (const auto& sound : sounds) EXPECT_TRUE(sound.expired());
  EXPECT_FALSE(picture.expired());
  EXPECT_EQ(white(), picture.lock());
}

}  // namespace
