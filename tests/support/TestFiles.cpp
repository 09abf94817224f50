#include "TestFiles.h"

#include <QImage>
#include <QString>

#include <sndfile.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace testfiles {

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "quorvelle-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

void WritePicture(const fs::path& path, int width, int height, QColor colour) {
  fs::create_directories(path.parent_path());
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  if (!image.save(QString::fromStdString(path.string()), "PNG")) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

void WriteSound(const fs::path& path, int frames, int channels, int sampleRate, int format) {
  fs::create_directories(path.parent_path());
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = channels;
  info.format = format != 0 ? format : SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) throw std::runtime_error("cannot write " + path.string());
  std::vector<double> samples(static_cast<std::size_t>(frames) *
                              static_cast<std::size_t>(channels));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<double>(i % 100) / 400.0;
  }
  sf_writef_double(file, samples.data(), frames);
  sf_close(file);
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<fs::path> WriteBrokenFiles(const fs::path& good, std::size_t headerSize) {
  const std::string bytes = ReadBytes(good);
  const std::string extension = good.extension().string();
  auto named = [&](const char* stem) { return good.parent_path() / (stem + extension); };
  WriteBytes(named("half"), bytes.substr(0, bytes.size() / 2));
  WriteBytes(named("header"), bytes.substr(0, headerSize));
  WriteBytes(named("empty"), "");
  WriteBytes(named("garbage"), std::string(4096, '\x5a'));
  fs::create_directory(named("folder"));
  if (mkfifo(named("pipe").c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
  return {named("half"),   named("header"), named("empty"),  named("garbage"),
          named("folder"), named("pipe"),   named("missing")};
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace testfiles
