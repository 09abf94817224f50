#include "Sound.h"

#include <sndfile.h>

#include "Testing.h"
#include "internal/SoundFile.h"

// TODO(assets): decoding with libsndfile and playback through QAudioSink.

namespace fw {

struct Sound::Output {};

Sound::Sound(std::vector<std::int16_t> samples, std::int32_t channels, std::int32_t sampleRate)
    : samples_(std::move(samples)), channels_(channels), sampleRate_(sampleRate) {}

Sound::~Sound() = default;

void Sound::Play() {}
void Sound::Stop() {}

double Sound::Seconds() const {
  if (channels_ <= 0 || sampleRate_ <= 0) return 0.0;
  return static_cast<double>(samples_.size()) / channels_ / sampleRate_;
}

namespace internal {

std::shared_ptr<Sound> ReadSoundFile(const std::string& /*path*/) { return nullptr; }

}  // namespace internal

namespace testing {

void SetSoundOutput(std::function<void(const Sound& sound)> /*output*/) {}

}  // namespace testing

}  // namespace fw
