#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace fw {

// A sound, decoded once when it is read. Play hands it to the desktop's
// audio output and returns at once; playing a sound that still plays starts
// it again. Without an audio output nothing is heard, and one warning is
// printed for the whole run.
class Sound {
 public:
  Sound(std::vector<std::int16_t> samples, std::int32_t channels, std::int32_t sampleRate);
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  void Play();
  void Stop();

  [[nodiscard]] const std::vector<std::int16_t>& Samples() const { return samples_; }
  [[nodiscard]] std::int32_t Channels() const { return channels_; }
  [[nodiscard]] std::int32_t SampleRate() const { return sampleRate_; }
  [[nodiscard]] double Seconds() const;

 private:
  struct Output;
  std::vector<std::int16_t> samples_;  // interleaved, 16-bit
  std::int32_t channels_;
  std::int32_t sampleRate_;
  std::unique_ptr<Output> output_;
};

}  // namespace fw
