// Sounds read from files and handed to the audio output.

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/FolderItem.h"
#include "framework/Sound.h"
#include "framework/Testing.h"
#include "tests/support/TestFiles.h"

namespace {

using testfiles::ReadBytes;
using testfiles::WriteBytes;
using testfiles::WriteSound;

std::shared_ptr<fw::Sound> Open(const std::filesystem::path& path) {
  return fw::FolderItem(path.string()).OpenAsSound();
}

TEST(Sound, DecodesInto16BitSamples) {
  testfiles::TempFolder folder;
  WriteSound(folder.Path() / "mono.aiff", 8820);
  WriteSound(folder.Path() / "stereo.aiff", 1000, 2, 22050, SF_FORMAT_AIFF | SF_FORMAT_FLOAT);
  WriteSound(folder.Path() / "deep.wav", 300, 1, 48000, SF_FORMAT_WAV | SF_FORMAT_PCM_24);

  std::shared_ptr<fw::Sound> mono = Open(folder.Path() / "mono.aiff");
  ASSERT_TRUE(mono);
  EXPECT_EQ(mono->Channels(), 1);
  EXPECT_EQ(mono->SampleRate(), 44100);
  ASSERT_EQ(mono->Samples().size(), 8820U);
  EXPECT_DOUBLE_EQ(mono->Seconds(), 0.2);
  // The sawtooth the file holds: sample i is (i % 100) / 400 of full scale.
  EXPECT_EQ(mono->Samples()[0], 0);
  EXPECT_NEAR(mono->Samples()[99], 99 * 32767 / 400, 2);

  std::shared_ptr<fw::Sound> stereo = Open(folder.Path() / "stereo.aiff");
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->Channels(), 2);
  EXPECT_EQ(stereo->SampleRate(), 22050);
  ASSERT_EQ(stereo->Samples().size(), 2000U);
  // Floating-point samples scaled to 16 bits, not to -1, 0, 1.
  EXPECT_NEAR(stereo->Samples()[99], 99 * 32767 / 400, 2);

  std::shared_ptr<fw::Sound> deep = Open(folder.Path() / "deep.wav");
  ASSERT_TRUE(deep);
  EXPECT_EQ(deep->SampleRate(), 48000);
  EXPECT_NEAR(deep->Samples()[50], 50 * 32767 / 400, 2);
}

TEST(Sound, WhatIsNotASoundGivesNothing) {
  testfiles::TempFolder folder;
  WriteSound(folder.Path() / "whole.aiff", 4410);
  std::vector<std::filesystem::path> paths =
      testfiles::WriteBrokenFiles(folder.Path() / "whole.aiff", 40);
  // A file cut short still holds the start of its sound, and gives that.
  const std::filesystem::path half = paths.front();
  paths.erase(paths.begin());
  std::shared_ptr<fw::Sound> start = Open(half);
  ASSERT_TRUE(start);
  EXPECT_LE(start->Samples().size(), 2205U);
  EXPECT_EQ(start->Samples()[100], Open(folder.Path() / "whole.aiff")->Samples()[100]);

  WriteSound(folder.Path() / "silent.aiff", 0);
  paths.push_back(folder.Path() / "silent.aiff");
  for (const auto& path : paths) EXPECT_FALSE(Open(path)) << path;
}

// A header is not believed: a channel count or rate no output plays, or a
// length the file does not hold.
TEST(Sound, AbsurdHeadersGiveNothingOrWhatTheFileHolds) {
  testfiles::TempFolder folder;
  WriteSound(folder.Path() / "whole.aiff", 4410);
  const std::string aiff = ReadBytes(folder.Path() / "whole.aiff");
  const std::size_t comm = aiff.find("COMM");
  const std::size_t ssnd = aiff.find("SSND");
  ASSERT_NE(comm, std::string::npos);
  ASSERT_NE(ssnd, std::string::npos);
  auto patched = [&](std::size_t offset, std::string bytes) {
    std::string copy = aiff;
    copy.replace(offset, bytes.size(), bytes);
    return copy;
  };
  // COMM: size, channels (2 bytes), frames (4), bits (2), rate (80-bit
  // float: 44100 has the exponent 0x400E).
  WriteBytes(folder.Path() / "channels.aiff", patched(comm + 8, std::string("\x00\xc8", 2)));
  WriteBytes(folder.Path() / "slow.aiff", patched(comm + 16, std::string("\x40\x04", 2)));
  WriteBytes(folder.Path() / "fast.aiff", patched(comm + 16, std::string("\x40\x18", 2)));
  WriteBytes(folder.Path() / "frames.aiff", patched(comm + 10, "\x7f\xff\xff\xf0"));
  WriteBytes(folder.Path() / "data.aiff", patched(ssnd + 4, "\x7f\xff\xff\xf0"));

  EXPECT_FALSE(Open(folder.Path() / "channels.aiff"));
  EXPECT_FALSE(Open(folder.Path() / "slow.aiff"));
  EXPECT_FALSE(Open(folder.Path() / "fast.aiff"));
  for (const char* name : {"frames.aiff", "data.aiff"}) {
    std::shared_ptr<fw::Sound> sound = Open(folder.Path() / name);
    if (sound) {
      EXPECT_LE(sound->Samples().size(), 4410U) << name;
    }
  }
}

TEST(Sound, PlayHandsTheSoundToTheOutputEveryTime) {
  testfiles::TempFolder folder;
  WriteSound(folder.Path() / "a.aiff", 100);
  WriteSound(folder.Path() / "b.aiff", 200);
  std::vector<const fw::Sound*> played;
  fw::testing::SetSoundOutput([&played](const fw::Sound& sound) { played.push_back(&sound); });
  std::shared_ptr<fw::Sound> a = Open(folder.Path() / "a.aiff");
  std::shared_ptr<fw::Sound> b = Open(folder.Path() / "b.aiff");
  a->Play();
  b->Play();
  a->Play();
  fw::testing::SetSoundOutput(nullptr);
  EXPECT_EQ(played, (std::vector<const fw::Sound*>{a.get(), b.get(), a.get()}));
}

// No sound server: every play is silent, one line says so for the whole
// run, and the sounds go without a word.
TEST(Sound, WithoutAnOutputPlayWarnsOnceAndGoesOn) {
  testfiles::TempFolder folder;
  setenv("PULSE_SERVER", ("unix:" + (folder.Path() / "no-server").string()).c_str(), 1);
  WriteSound(folder.Path() / "a.aiff", 4410);
  std::shared_ptr<fw::Sound> a = Open(folder.Path() / "a.aiff");
  std::shared_ptr<fw::Sound> b = Open(folder.Path() / "a.aiff");

  ::testing::internal::CaptureStderr();
  a->Play();
  a->Play();
  b->Play();
  a.reset();
  b.reset();
  const std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(printed, "quorvelle: sounds are not played: no audio output device\n");
}

}  // namespace
