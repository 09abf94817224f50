// Makes the game's sixteen pictures and sounds: the thirteen 64x64 PNG
// faces and digits, drawn with QPainter, and the three AIFF sounds,
// synthesised here and written with libsndfile (16-bit mono, 44.1 kHz).
//
//   generate_resources OUTPUT_FOLDER
//
// The files are committed under resources/; after a change here, rewrite
// them with
//
//   cmake --build --preset release --target quorvelle_regenerate_resources
//
// (resources/generate/CMakeLists.txt also tells how to build it on its own)
//
// and commit the result. The normal build never runs this program.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QtGlobal>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 64;
constexpr int kBevel = 2;

QColor Mix(const QColor& colour, const QColor& with, double amount) {
  auto channel = [amount](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * amount));
  };
  return {channel(colour.red(), with.red()), channel(colour.green(), with.green()),
          channel(colour.blue(), with.blue())};
}

// A square face: one solid colour with a thin bevel, light at the top and
// left, dark at the bottom and right.
QImage Face(const QColor& colour) {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(colour);
  QPainter painter(&image);
  const QColor light = Mix(colour, Qt::white, 0.45);
  const QColor dark = Mix(colour, Qt::black, 0.3);
  painter.fillRect(0, 0, kSide, kBevel, light);
  painter.fillRect(0, 0, kBevel, kSide, light);
  painter.fillRect(0, kSide - kBevel, kSide, kBevel, dark);
  painter.fillRect(kSide - kBevel, 0, kBevel, kSide, dark);
  return image;
}

// A level digit, large and dark on the white face.
QImage Digit(int digit) {
  QImage image = Face(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(54);
  painter.setFont(font);
  painter.setPen(QColor(24, 24, 24));
  painter.drawText(QRect(0, 0, kSide, kSide), Qt::AlignCenter, QString::number(digit));
  return image;
}

bool SavePicture(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "generate_resources: cannot write %s\n", qPrintable(path));
  return false;
}

constexpr int kRate = 44100;
constexpr double kPeak = 0.7;

// A sound of the given length, one sample function of the time in
// seconds, scaled to a common peak, faded in and out over a few
// milliseconds so that it starts and ends without a click.
std::vector<double> Synthesise(double seconds, const std::function<double(double)>& wave) {
  const auto count = static_cast<std::size_t>(std::lround(seconds * kRate));
  std::vector<double> samples(count);
  double peak = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    samples[i] = wave(static_cast<double>(i) / kRate);
    peak = std::max(peak, std::abs(samples[i]));
  }
  const auto fade = static_cast<std::size_t>(0.004 * kRate);
  for (std::size_t i = 0; i < count; ++i) {
    const double edge = static_cast<double>(std::min(i, count - 1 - i)) / fade;
    samples[i] *= kPeak / peak * std::min(1.0, edge);
  }
  return samples;
}

double Sine(double frequency, double t) { return std::sin(2.0 * std::numbers::pi * frequency * t); }

// The buzz: two low, slightly detuned sawtooth tones (built from their
// harmonics up to 5 kHz), beating against each other, with a short decay
// at the end.
double Buzz(double t) {
  double value = 0.0;
  for (double base : {98.0, 103.0}) {
    for (int harmonic = 1; harmonic * base < 5000.0; ++harmonic) {
      value += Sine(base * harmonic, t) / harmonic;
    }
  }
  return value * std::min(1.0, (0.4 - t) / 0.08);
}

// The ring: a bell's inharmonic partials, each dying away at its own rate.
double Ring(double t) {
  struct Partial {
    double ratio, level, decay;
  };
  constexpr Partial kPartials[] = {
      {1.0, 1.0, 0.30}, {2.0, 0.6, 0.22}, {2.76, 0.45, 0.16}, {4.07, 0.3, 0.11}, {5.4, 0.2, 0.08}};
  double value = 0.0;
  for (const Partial& partial : kPartials) {
    value += partial.level * std::exp(-t / partial.decay) * Sine(660.0 * partial.ratio, t);
  }
  return value;
}

// The beep: a clear tone.
double Beep(double t) { return Sine(1320.0, t); }

bool SaveSound(const std::vector<double>& samples, const std::string& path) {
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 1;
  info.format = SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) {
    std::fprintf(stderr, "generate_resources: cannot write %s: %s\n", path.c_str(),
                 sf_strerror(nullptr));
    return false;
  }
  // No peak chunk: it holds the time of writing, and the files would
  // change at every run.
  sf_command(file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
  const auto count = static_cast<sf_count_t>(samples.size());
  const bool written = sf_write_double(file, samples.data(), count) == count;
  sf_close(file);
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: generate_resources OUTPUT_FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  const QGuiApplication application(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists()) {
    std::fprintf(stderr, "generate_resources: no folder %s\n", argv[1]);
    return 1;
  }
  auto path = [&folder](const char* name) { return folder.filePath(QString::fromLatin1(name)); };

  bool ok = SavePicture(Face(QColor(255, 255, 255)), path("white.png"));
  ok = SavePicture(Face(QColor(224, 0, 0)), path("red.png")) && ok;
  ok = SavePicture(Face(QColor(0, 64, 232)), path("blue.png")) && ok;
  ok = SavePicture(Face(QColor(0, 176, 0)), path("green.png")) && ok;
  ok = SavePicture(Face(QColor(255, 224, 0)), path("yellow.png")) && ok;
  const char* digits[] = {"two", "three", "four", "five", "six", "seven", "eight", "nine"};
  for (int digit = 2; digit <= 9; ++digit) {
    const std::string name = std::string(digits[digit - 2]) + ".png";
    ok = SavePicture(Digit(digit), path(name.c_str())) && ok;
  }
  ok = SaveSound(Synthesise(0.4, Buzz), path("Basso.aiff").toStdString()) && ok;
  ok = SaveSound(Synthesise(0.8, Ring), path("Purr.aiff").toStdString()) && ok;
  ok = SaveSound(Synthesise(0.2, Beep), path("Ping.aiff").toStdString()) && ok;
  return ok ? 0 : 1;
}
