// Pictures and sounds from files, and sounds handed to the audio output.

#include <sys/stat.h>

#include "tests/support/TestSupport.h"

static auto OpenPicture(const fs::path& file) { return fw::FolderItem(file).OpenAsPicture(); }
static auto OpenSound(const fs::path& file) { return fw::FolderItem(file).OpenAsSound(); }

TEST(Files, WhatIsNotAPictureOrASoundGivesNothingNeverAHangNorMoreThanItHolds) {
  InChild([] {
    alarm(5);  // a pipe would block a reader for ever
    TempFolder folder;
    WritePicture(folder / "whole.png", 5);
    WriteSound(folder / "whole.aiff", 4410);
    for (const std::string kind : {".png", ".aiff"}) {
      const std::string whole = ReadBytes(folder / ("whole" + kind));
      WriteBytes(folder / ("half" + kind), whole.substr(0, whole.size() / 2));
      WriteBytes(folder / ("header" + kind), whole.substr(0, 40));
      WriteBytes(folder / ("empty" + kind), "");
      WriteBytes(folder / ("garbage" + kind), std::string(4096, 'Z'));
      fs::create_directory(folder / ("folder" + kind));
      ASSERT_EQ(mkfifo((folder / ("pipe" + kind)).c_str(), 0600), 0);
    }
    for (const std::string file : {"header", "empty", "garbage", "folder", "pipe", "missing"}) {
      EXPECT_FALSE(OpenPicture(folder / (file + ".png"))) << file;
      EXPECT_FALSE(OpenSound(folder / (file + ".aiff"))) << file;
    }
    EXPECT_FALSE(OpenPicture(folder / "half.png"));
    const auto whole = OpenSound(folder / "whole.aiff"), half = OpenSound(folder / "half.aiff");
    ASSERT_TRUE(whole && half);  // cut in half, a sound gives the start of the whole one
    const std::vector<std::int16_t>& start = half->Samples();
    EXPECT_TRUE(start.size() > 2000 && start.size() <= 2205) << start.size();
    EXPECT_TRUE(std::equal(start.begin(), start.end(), whole->Samples().begin()));
    // Headers are not believed: channels or rates no output plays give nothing, and a
    // length the file cannot hold reserves no more than its size allows. AIFF COMM: size,
    // channels (2 bytes), frames, bits (2), rate; SSND: size. FLAC: frames from byte 22.
    WriteSound(folder / "whole.flac", 4410, 1, 44100, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    const std::string aiff = ReadBytes(folder / "whole.aiff"),
                      flac = ReadBytes(folder / "whole.flac");
    const std::size_t comm = aiff.find("COMM"), ssnd = aiff.find("SSND");
    auto patched = [&](const std::string& file, std::size_t at, const std::string& bytes) {
      WriteBytes(folder / "patched", std::string(file).replace(at, bytes.size(), bytes));
      return OpenSound(folder / "patched");
    };
    EXPECT_FALSE(patched(aiff, comm + 8, std::string("\0\310", 2)));  // 200 channels
    EXPECT_FALSE(patched(aiff, comm + 16, "\x40\x04"));               // some 43 a second
    EXPECT_FALSE(patched(aiff, comm + 16, "\x40\x18"));               // some 45 million
    for (const auto& [file, at] : {std::pair{aiff, ssnd + 4}, {flac, std::size_t{22}}}) {
      const auto sound = patched(file, at, "\x7F\xFF\xFF\xF0");  // some 2^31
      ASSERT_TRUE(sound);
      EXPECT_LE(sound->Samples().size(), 4410U);
      EXPECT_LE(sound->Samples().capacity(), 16 * file.size());  // 16 samples a byte at most
    }
  });
}

TEST(Sound, DecodesInto16BitSamplesAtFullScale) {
  TempFolder folder;
  const std::tuple<const char*, int, int, int> kinds[] = {
      {"pcm16.aiff", 1, 44100, SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
      {"float.aiff", 2, 22050, SF_FORMAT_AIFF | SF_FORMAT_FLOAT},
      {"pcm24.wav", 1, 48000, SF_FORMAT_WAV | SF_FORMAT_PCM_24}};
  for (const auto& [name, channels, rate, format] : kinds) {
    WriteSound(folder / name, 1000, channels, rate, format);
    const auto sound = OpenSound(folder / name);
    ASSERT_TRUE(sound) << name;
    EXPECT_EQ(std::pair(sound->Channels(), sound->SampleRate()), std::pair(channels, rate)) << name;
    EXPECT_DOUBLE_EQ(sound->Seconds(), 1000.0 / rate) << name;
    ASSERT_EQ(sound->Samples().size(), 1000U * static_cast<unsigned>(channels)) << name;
    EXPECT_NEAR(sound->Samples()[99], 99 * 32767 / 400, 2) << name;
  }
}

TEST(Sound, PlayHandsTheSoundToTheOutputEveryTime) {
  fw::Sound a({1, 2}, 1, 44100), b({3}, 1, 44100);
  std::vector<const fw::Sound*> played;
  fw::testing::SetSoundOutput([&played](const fw::Sound& sound) { played.push_back(&sound); });
  for (fw::Sound* sound : {&a, &b, &a}) sound->Play();
  fw::testing::SetSoundOutput(nullptr);
  EXPECT_EQ(played, (std::vector<const fw::Sound*>{&a, &b, &a}));
}
