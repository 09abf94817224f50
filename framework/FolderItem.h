#pragma once

// Files and folders by path.

#include <memory>
#include <string>
#include <string_view>

namespace fw {

class Picture;
class Sound;

class FolderItem {
 public:
  explicit FolderItem(std::string path);

  [[nodiscard]] const std::string& NativePath() const { return path_; }
  [[nodiscard]] std::string Name() const;
  [[nodiscard]] bool Exists() const;
  [[nodiscard]] bool Directory() const;

  // The folder that holds this item; nothing at the root.
  [[nodiscard]] std::shared_ptr<FolderItem> Parent() const;
  // The entry of that name in this folder; nothing when there is none, or
  // when the name is not the name of an entry ("", ".", "..", or one with a
  // "/").
  [[nodiscard]] std::shared_ptr<FolderItem> Child(std::string_view name) const;

  // The file read as a picture (PNG) or a sound (AIFF); nothing when it
  // cannot be read as one.
  [[nodiscard]] std::shared_ptr<Picture> OpenAsPicture() const;
  [[nodiscard]] std::shared_ptr<Sound> OpenAsSound() const;

 private:
  std::string path_;
};

// The running program's executable file, its real path; nothing when it
// cannot be found.
[[nodiscard]] std::shared_ptr<FolderItem> ExecutableFile();

}  // namespace fw
