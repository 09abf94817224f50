#pragma once

// What the unit tests share: the program, temporary files, child processes.

#include <gtest/gtest.h>

#include <QImage>

#include <sndfile.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/App.h"
#include "app/Assets.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "framework/Testing.h"
#include "game/Window1.h"

namespace fs = std::filesystem;

// A new, empty folder, removed with everything in it at the end.
struct TempFolder {
  std::string name = (fs::temp_directory_path() / "quorvelle-test-XXXXXX").string();
  const fs::path path = mkdtemp(name.data()) ? name : throw std::runtime_error("mkdtemp");
  ~TempFolder() { fs::remove_all(path); }
  fs::path operator/(const std::string& file) const { return path / file; }
};

inline void WriteBytes(const fs::path& to, const std::string& bytes) { std::ofstream(to) << bytes; }
inline std::string ReadBytes(const fs::path& path) {
  return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

// A white PNG, 64 pixels high.
inline void WritePicture(const fs::path& path, int width) {
  QImage image(width, 64, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.save(QString::fromStdString(path.string()), "PNG");
}

// A sound (16-bit AIFF unless told): sample i is (i % 100) / 400 of full scale.
inline void WriteSound(const fs::path& path, int frames, int channels = 1, int rate = 44100,
                       int format = SF_FORMAT_AIFF | SF_FORMAT_PCM_16) {
  std::vector<double> samples(static_cast<std::size_t>(frames * channels));
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<double>(i % 100) / 400;
  SF_INFO info{0, rate, channels, format, 0, 0};
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  sf_writef_double(file, samples.data(), frames);
  sf_close(file);
}

// Runs the scenario in a child that starts afresh (the program again, up to
// here in this test), for a minute at most; the globals it changes go with it.
inline void InChild(const std::function<void()>& scenario) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        alarm(60);
        scenario();
        const auto& run = *::testing::UnitTest::GetInstance()->current_test_info()->result();
        for (int i = 0; i < run.total_part_count(); ++i) std::cerr << run.GetTestPartResult(i);
        std::_Exit(run.Failed() ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}
