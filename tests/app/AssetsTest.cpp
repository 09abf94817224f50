// The picture and sound accessors; their caches last the run: one child each.

#include "tests/support/TestSupport.h"

const std::pair<std::shared_ptr<fw::Picture> (*)(), const char*> kPictures[] = {
    {white, "white.png"},   {red, "red.png"}, {blue, "blue.png"},   {green, "green.png"},
    {yellow, "yellow.png"}, {two, "two.png"}, {three, "three.png"}, {four, "four.png"},
    {five, "five.png"},     {six, "six.png"}, {seven, "seven.png"}, {eight, "eight.png"},
    {nine, "nine.png"}};
const std::pair<std::shared_ptr<fw::Sound> (*)(), const char*> kSounds[] = {
    {Basso, "Basso.aiff"}, {Purr, "Purr.aiff"}, {Ping, "Ping.aiff"}};

struct Install : TempFolder {  // the program as if installed at <folder>/bin/quorvelle
  Install() { fw::testing::SetExecutablePath(*this / "bin/quorvelle"); }
  const fs::path resources = *this / "Resources";
};

TEST(Assets, APictureIsTriedOnEveryCallUntilReadThenKeptASoundOnItsFirstCallOnly) {
  InChild([] {
    fw::testing::SetExecutablePath("/quorvelle");  // no folders above: raised, every call
    EXPECT_THROW((void)blue(), fw::NilObjectException);
    EXPECT_THROW((void)blue(), fw::NilObjectException);
    Install install;  // no resources folder: nothing, and nothing raised
    for (const auto& [picture, name] : kPictures) EXPECT_NO_THROW(EXPECT_FALSE(picture())) << name;
    EXPECT_NO_THROW(EXPECT_FALSE(Basso() || Purr()));
    fs::create_directory(install.resources);  // no file: raised, every picture call
    EXPECT_THROW((void)red(), fw::NilObjectException);
    EXPECT_THROW((void)red(), fw::NilObjectException);
    EXPECT_THROW((void)Ping(), fw::NilObjectException);  // and the first sound call only
    EXPECT_NO_THROW(EXPECT_FALSE(Ping()));
    WriteBytes(install.resources / "red.png", "not a picture");
    EXPECT_FALSE(red());
    // Each picture reads its own file, and keeps it; the sounds were tried.
    int width = 10;
    for (const auto& [picture, name] : kPictures) WritePicture(install.resources / name, ++width);
    for (const auto& [sound, name] : kSounds) WriteSound(install.resources / name, 441);
    std::vector<std::shared_ptr<fw::Picture>> read;
    for (const auto& [picture, name] : kPictures) read.push_back(picture());
    fs::remove_all(install.resources);
    for (int i = 0; i < 13; ++i) {
      EXPECT_EQ(kPictures[i].first(), read[i]) << kPictures[i].second;
      EXPECT_EQ(read[i] ? QSize(read[i]->Width(), read[i]->Height()) : QSize(), QSize(11 + i, 64));
    }
    for (const auto& [sound, name] : kSounds) EXPECT_FALSE(sound()) << name;
  });
}

TEST(Assets, EachSoundReadsItsOwnFileOnceAndIsReleasedForGood) {
  InChild([] {
    Install install;
    fs::create_directory(install.resources);
    std::vector<std::weak_ptr<fw::Sound>> read;
    for (int i = 0; i < 3; ++i) {
      WriteSound(install.resources / kSounds[i].second, 100 + i);
      read.emplace_back(kSounds[i].first());
      ASSERT_EQ(read[i].lock()->Samples().size(), 100U + i) << kSounds[i].second;
    }
    for (const auto& [sound, name] : kSounds) fs::remove(install.resources / name);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(kSounds[i].first(), read[i].lock()) << kSounds[i].second;
    ReleaseBasso();
    ReleasePing();
    EXPECT_TRUE(read[0].expired() && !read[1].expired() && read[2].expired());
    ReleasePurr();
    EXPECT_TRUE(read[1].expired());
    WriteSound(install.resources / "Purr.aiff", 441);
    EXPECT_FALSE(Purr());
  });
}
