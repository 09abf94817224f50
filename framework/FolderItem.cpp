#include "FolderItem.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <filesystem>
#include <system_error>

#include "Picture.h"
#include "Sound.h"
#include "Testing.h"
#include "internal/SoundFile.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

std::string& ExecutablePathOverride() {
  static std::string path;
  return path;
}

}  // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {}

std::string FolderItem::Name() const { return fs::path(path_).filename().string(); }

bool FolderItem::Exists() const {
  std::error_code error;
  return fs::exists(path_, error);
}

bool FolderItem::Directory() const {
  std::error_code error;
  return fs::is_directory(path_, error);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
  fs::path path(path_);
  if (!path.has_relative_path()) return nullptr;  // the root
  fs::path parent = path.parent_path();
  if (parent.empty()) return nullptr;
  return std::make_shared<FolderItem>(parent.string());
}

std::shared_ptr<FolderItem> FolderItem::Child(std::string_view name) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) {
    return nullptr;
  }
  auto child = std::make_shared<FolderItem>((fs::path(path_) / name).string());
  return child->Exists() ? child : nullptr;
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
  // Only a regular file: a device or a pipe could be read without end.
  std::error_code error;
  if (!fs::is_regular_file(path_, error)) return nullptr;
  QImageReader reader(QString::fromStdString(path_));
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(image);
}

std::shared_ptr<Sound> FolderItem::OpenAsSound() const { return internal::ReadSoundFile(path_); }

std::shared_ptr<FolderItem> ExecutableFile() {
  if (!ExecutablePathOverride().empty()) {
    return std::make_shared<FolderItem>(ExecutablePathOverride());
  }
  std::error_code error;
  fs::path path = fs::read_symlink("/proc/self/exe", error);
  if (error) return nullptr;
  return std::make_shared<FolderItem>(path.string());
}

namespace testing {

void SetExecutablePath(std::string path) { ExecutablePathOverride() = std::move(path); }

}  // namespace testing

}  // namespace fw
