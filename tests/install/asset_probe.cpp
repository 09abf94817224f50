// Reads the sixteen assets as the game does, from the resources folder
// that the framework finds from this program's own path, and tells what it
// found: the test copies it beside an installed program and runs it
// through a link. Exit status 0 when all sixteen were read.

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <utility>

#include "app/Assets.h"
#include "framework/Framework.h"

namespace {

template <class Asset>
bool Probe(const char* name, const std::function<std::shared_ptr<Asset>()>& accessor) {
  try {
    if (accessor()) {
      std::printf("%s: read\n", name);
      return true;
    }
    std::printf("%s: nothing\n", name);
  } catch (const fw::RuntimeException& exception) {
    std::printf("%s: %s\n", name, std::string(exception.ClassName()).c_str());
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  fw::RuntimeInit(argc, argv);
  std::shared_ptr<fw::FolderItem> executable = fw::ExecutableFile();
  std::printf("executable: %s\n", executable ? executable->NativePath().c_str() : "nothing");

  using PictureAccessor = std::function<std::shared_ptr<fw::Picture>()>;
  using SoundAccessor = std::function<std::shared_ptr<fw::Sound>()>;
  const std::pair<const char*, PictureAccessor> pictures[] = {
      {"white", white}, {"red", red},     {"blue", blue}, {"green", green}, {"yellow", yellow},
      {"two", two},     {"three", three}, {"four", four}, {"five", five},   {"six", six},
      {"seven", seven}, {"eight", eight}, {"nine", nine}};
  const std::pair<const char*, SoundAccessor> sounds[] = {
      {"Basso", Basso}, {"Purr", Purr}, {"Ping", Ping}};
  bool all = true;
  for (const auto& [name, accessor] : pictures) all = Probe(name, accessor) && all;
  for (const auto& [name, accessor] : sounds) all = Probe(name, accessor) && all;

  ReleaseBasso();
  ReleasePurr();
  ReleasePing();
  (void)fw::RuntimeExit();
  return all ? 0 : 1;
}
