// Fuzzes the mass property setter with records applied to real controls:
// the first byte picks the class, the rest is the record. A record may be
// refused with InvalidRecordException; anything else (a crash, a read past
// the end, undefined behaviour) is a finding.
//
//   record_fuzz --write-seeds FOLDER DICTIONARY
//
// writes the game's own 44 records (the window's and its 43 controls'),
// each behind the byte of its class, into FOLDER as the seed corpus, and the
// property names they hold into DICTIONARY, then ends.

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Framework.h"
#include "game/Window1.h"

namespace {

// The classes a record can be applied to, by the value of the first byte
// (modulo their number).
constexpr std::array<std::string_view, 8> kClasses{
    "Window", "Label", "PushButton", "TabPanel", "GroupBox", "RadioButton", "ImageWell", "Timer"};

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

std::unique_ptr<fw::Object> Target(std::uint8_t kind) {
  switch (kind % kClasses.size()) {
    case 0:
      return std::make_unique<fw::Window>();
    case 1:
      return std::make_unique<fw::Label>();
    case 2:
      return std::make_unique<fw::PushButton>();
    case 3:
      return std::make_unique<fw::TabPanel>();
    case 4:
      return std::make_unique<fw::GroupBox>();
    case 5:
      return std::make_unique<fw::RadioButton>();
    case 6:
      return std::make_unique<fw::ImageWell>();
    default:
      return std::make_unique<fw::Timer>();
  }
}

// The class byte of a control's record: its "Name" without the digits
// ("ImageWell1" is an ImageWell, "Timer2" a Timer).
std::uint8_t ClassOfControl(std::string_view name) {
  const std::size_t digits = name.find_last_not_of("0123456789");
  const std::string_view base = name.substr(0, digits + 1);
  for (std::size_t kind = 0; kind < kClasses.size(); ++kind) {
    if (kClasses[kind] == base) return static_cast<std::uint8_t>(kind);
  }
  throw fw::RuntimeException("no class for the control " + std::string(name));
}

struct Seed {
  std::string file;
  std::uint8_t kind;
  std::string record;
};

std::vector<Seed> GameRecords() {
  std::vector<Seed> seeds{{"00-Window1", 0, Window1::DesignRecord()}};
  for (const std::string& record : Window1::ControlRecords()) {
    std::string file = std::to_string(seeds.size());
    if (file.size() < 2) file.insert(0, "0");
    // A control's record begins with its name: "Name", a blank, the
    // four-byte length and the text. A timer's holds only "Mode" and
    // "Period".
    constexpr std::string_view kName = "Name ";
    if (!record.starts_with(kName)) {
      seeds.push_back({file + "-Timer", ClassOfControl("Timer"), record});
      continue;
    }
    std::size_t length = 0;
    for (std::size_t at = kName.size(); at < kName.size() + 4; ++at) {
      length = (length << 8U) | static_cast<unsigned char>(record.at(at));
    }
    const std::string name = record.substr(kName.size() + 4, length);
    seeds.push_back({file + "-" + name, ClassOfControl(name), record});
  }
  return seeds;
}

// Checks that each record reads whole as its class and is applied without
// complaint, then writes the seeds and the dictionary.
int WriteSeeds(const std::filesystem::path& folder, const std::filesystem::path& dictionary) {
  std::filesystem::create_directories(folder);
  std::set<std::string> names;
  const std::vector<Seed> seeds = GameRecords();
  for (const Seed& seed : seeds) {
    const std::unique_ptr<fw::Object> target = Target(seed.kind);
    for (const fw::RecordEntry& entry : fw::DecodeRecord(seed.record, target->Properties())) {
      names.insert(
          seed.record.substr(entry.offset, seed.record.find(' ', entry.offset) - entry.offset));
      names.insert(std::string(entry.property->name));
    }
    fw::SetProperties(*target, seed.record);
    std::ofstream out(folder / seed.file, std::ios::binary);
    out.put(static_cast<char>(seed.kind));
    out << seed.record;
    if (!out) throw fw::RuntimeException("cannot write " + (folder / seed.file).string());
  }
  std::ofstream dict(dictionary);
  for (const std::string& name : names) dict << '"' << name << " \"\n";
  if (!dict) throw fw::RuntimeException("cannot write " + dictionary.string());
  std::printf("%zu seeds in %s, %zu names in %s\n", seeds.size(), folder.c_str(), names.size(),
              dictionary.c_str());
  return 0;
}

}  // namespace

// Qt keeps its font caches until its own globals go at exit, after any
// point where the target could take Qt down: the leak check is made after
// each input (libFuzzer's), not at exit.
extern "C" const char* __asan_default_options() { return "leak_check_at_exit=0"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  qInstallMessageHandler(Quiet);
  fw::RuntimeInit(*argc, *argv);
  if (*argc >= 2 && std::strcmp((*argv)[1], "--write-seeds") == 0) {
    if (*argc != 4) {
      std::fprintf(stderr, "usage: %s --write-seeds FOLDER DICTIONARY\n", (*argv)[0]);
      std::exit(2);
    }
    int status = 1;
    try {
      status = WriteSeeds((*argv)[2], (*argv)[3]);
    } catch (const std::exception& failure) {
      std::fprintf(stderr, "record_fuzz: %s\n", failure.what());
    }
    (void)fw::RuntimeExit();
    std::exit(status);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::unique_ptr<fw::Object> target = Target(data[0]);
  std::string_view record(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    fw::SetProperties(*target, record);
  } catch (const fw::InvalidRecordException&) {
  }
  return 0;
}
