#include "framework/internal/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "framework/Sound.h"

namespace fw::internal {

namespace {

// What a playable sound may declare. A header outside these bounds is not
// a sound, whatever libsndfile makes of it.
constexpr int kMaxChannels = 8;
constexpr int kMinSampleRate = 1000;
constexpr int kMaxSampleRate = 384000;

// A header's frame count is not trusted: the samples decoded from a file
// are bounded by its size. No format libsndfile reads packs more than a few
// samples into a byte.
constexpr std::uintmax_t kMaxSamplesPerByte = 16;

constexpr sf_count_t kChunkFrames = 4096;

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

std::shared_ptr<Sound> ReadSoundFile(const std::string& path) {
  // Only a regular file: a device or a pipe could be read without end.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return nullptr;
  const std::uintmax_t fileSize = std::filesystem::file_size(path, error);
  if (error || fileSize == 0) return nullptr;

  SF_INFO info{};
  std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open(path.c_str(), SFM_READ, &info));
  if (!file) return nullptr;
  if (info.frames <= 0 || info.channels < 1 || info.channels > kMaxChannels ||
      info.samplerate < kMinSampleRate || info.samplerate > kMaxSampleRate) {
    return nullptr;
  }

  const auto channels = static_cast<std::size_t>(info.channels);
  const std::uintmax_t maxSamples = fileSize * kMaxSamplesPerByte;
  std::vector<std::int16_t> samples;
  samples.reserve(static_cast<std::size_t>(
      std::min(static_cast<std::uintmax_t>(info.frames) * channels, maxSamples)));
  // Read as floating point, full scale 1.0, whatever the file holds:
  // floating-point files come to full 16-bit scale, clipped, and 16-bit
  // files come back exactly as written.
  std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames) * channels);
  for (;;) {
    const sf_count_t frames = sf_readf_float(file.get(), chunk.data(), kChunkFrames);
    if (frames <= 0) break;
    const auto count = static_cast<std::size_t>(frames) * channels;
    if (samples.size() + count > maxSamples) return nullptr;
    for (std::size_t i = 0; i < count; ++i) {
      const long sample = std::lround(static_cast<double>(chunk[i]) * 32768.0);
      samples.push_back(static_cast<std::int16_t>(std::clamp(sample, -32768L, 32767L)));
    }
  }
  if (samples.empty()) return nullptr;
  return std::make_shared<Sound>(std::move(samples), info.channels, info.samplerate);
}

}  // namespace fw::internal
