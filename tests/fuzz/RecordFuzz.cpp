// Fuzzes the mass property setter on real controls: the first byte picks the class,
// the rest is the record; anything but a refusal or success is a finding.
// "record_fuzz --write-seeds FOLDER" writes the game's 44 records behind their classes.

#include <QtGlobal>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "framework/Framework.h"
#include "game/Window1.h"

template <class T>
constexpr auto Make = +[]() -> std::unique_ptr<fw::Object> { return std::make_unique<T>(); };
// Fewer properties first: an image well's record reads as a label's too.
static constexpr std::array kClasses = {
    Make<fw::Window>,     Make<fw::ImageWell>, Make<fw::GroupBox>,    Make<fw::Label>,
    Make<fw::PushButton>, Make<fw::TabPanel>,  Make<fw::RadioButton>, Make<fw::Timer>};

static void WriteSeeds(const std::filesystem::path& folder) {
  std::vector<std::string> records = Window1::ControlRecords();
  records.insert(records.begin(), Window1::DesignRecord());
  std::filesystem::create_directories(folder);
  for (std::size_t n = 0; n < records.size(); ++n) {
    // Behind the first class that takes it; at() throws after the last.
    for (std::size_t kind = 0;; ++kind) {
      try {
        fw::SetProperties(*kClasses.at(kind)(), records[n]);
        std::ofstream(folder / std::to_string(n)) << static_cast<char>(kind) << records[n];
        break;
      } catch (const fw::InvalidRecordException&) {
      }
    }
  }
}

// Qt frees its font caches with its globals: the leak check is per input.
extern "C" const char* __asan_default_options() { return "leak_check_at_exit=0"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  fw::RuntimeInit(*argc, *argv);
  if (*argc == 3 && std::strcmp((*argv)[1], "--write-seeds") == 0) {
    WriteSeeds((*argv)[2]);
    std::exit(fw::RuntimeExit());
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  try {
    fw::SetProperties(*kClasses[data[0] % kClasses.size()](),
                      std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  } catch (const fw::InvalidRecordException&) {
  }
  return 0;
}
