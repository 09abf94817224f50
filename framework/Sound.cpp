#include "Sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QMediaDevices>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "Testing.h"
#include "internal/QtMessages.h"

namespace fw {

namespace {

std::function<void(const Sound& sound)>& OutputHook() {
  static std::function<void(const Sound& sound)> hook;
  return hook;
}

// Without an audio output the game goes on silently; the player is told
// once per run.
void WarnNoOutput(const char* reason) {
  static bool warned = false;
  if (warned) return;
  warned = true;
  std::fprintf(stderr, "quorvelle: sounds are not played: %s\n", reason);
  std::fflush(stderr);
}

// How long past the output's buffer a finished sound's sink is kept.
constexpr int kReleaseMarginMs = 250;

// Qt's audio back end tells of a sound server it cannot reach in warnings
// of its own: dropped when there is no output, since the one warning above
// says it, and passed on otherwise.
QAudioDevice DefaultOutput() {
  internal::QtMessageHold hold;
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) hold.Drop();
  return device;
}

}  // namespace

// One playing of the sound at a time: the sink, and the buffer it reads the
// samples from, live until the sound has been played out or is played again.
struct Sound::Output {
  explicit Output(const Sound& sound)
      : data(QByteArray::fromRawData(
            reinterpret_cast<const char*>(sound.samples_.data()),
            static_cast<qsizetype>(sound.samples_.size() * sizeof(std::int16_t)))) {
    format.setSampleRate(sound.sampleRate_);
    format.setChannelCount(sound.channels_);
    format.setSampleFormat(QAudioFormat::Int16);
    buffer.setData(data);
    releaseTimer.setSingleShot(true);
    QObject::connect(&releaseTimer, &QTimer::timeout, &guard, [this] { Release(); });
  }
  ~Output() { Release(); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void Start() {
    Release();
    const QAudioDevice device = DefaultOutput();
    if (device.isNull()) {
      WarnNoOutput("no audio output device");
      return;
    }
    sink = std::make_unique<QAudioSink>(device, format);
    QObject::connect(sink.get(), &QAudioSink::stateChanged, &guard,
                     [this](QAudio::State state) { StateChanged(state); });
    buffer.open(QIODevice::ReadOnly);
    sink->start(&buffer);
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
      WarnNoOutput("the audio output cannot be opened");
      Release();
    }
  }

  void StateChanged(QAudio::State state) {
    if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
      WarnNoOutput("the audio output failed");
      // Not from inside the sink's own signal: from the event loop.
      releaseTimer.start(0);
    } else if (state == QAudio::IdleState) {
      // Every sample has been handed over, but the output still holds up to
      // its buffer's worth of them: released once that has been heard.
      const qint64 held = format.durationForBytes(static_cast<qint32>(sink->bufferSize()));
      releaseTimer.start(static_cast<int>(held / 1000) + kReleaseMarginMs);
    }
  }

  void Release() {
    releaseTimer.stop();
    if (sink) {
      QObject::disconnect(sink.get(), nullptr, &guard, nullptr);
      sink->stop();
      sink.reset();
    }
    buffer.close();
  }

  QAudioFormat format;
  QByteArray data;  // the sound's samples, not copied
  QBuffer buffer;
  QObject guard;  // the context of the sink's and the timer's signals
  QTimer releaseTimer;
  std::unique_ptr<QAudioSink> sink;
};

Sound::Sound(std::vector<std::int16_t> samples, std::int32_t channels, std::int32_t sampleRate)
    : samples_(std::move(samples)), channels_(channels), sampleRate_(sampleRate) {}

Sound::~Sound() = default;

void Sound::Play() {
  if (OutputHook()) {
    OutputHook()(*this);
    return;
  }
  if (!output_) output_ = std::make_unique<Output>(*this);
  output_->Start();
}

void Sound::Stop() {
  if (output_) output_->Release();
}

double Sound::Seconds() const {
  if (channels_ <= 0 || sampleRate_ <= 0) return 0.0;
  return static_cast<double>(samples_.size()) / channels_ / sampleRate_;
}

namespace testing {

void SetSoundOutput(std::function<void(const Sound& sound)> output) {
  OutputHook() = std::move(output);
}

}  // namespace testing

}  // namespace fw
