// Fuzzes the mass property setter with records applied to real controls:
// the first byte picks the class, the rest is the record. A record may be
// refused with InvalidRecordException; anything else (a crash, a read past
// the end, undefined behaviour) is a finding.

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/Framework.h"

namespace {

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

std::unique_ptr<fw::Object> Target(std::uint8_t kind) {
  switch (kind % 8) {
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

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  qInstallMessageHandler(Quiet);
  fw::RuntimeInit(*argc, *argv);
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
