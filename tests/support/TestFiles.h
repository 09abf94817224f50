#pragma once

// Files that tests make: a temporary folder, pictures and sounds of known
// content, and files that are neither.

#include <QColor>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testfiles {

namespace fs = std::filesystem;

// A new, empty folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  [[nodiscard]] const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// A PNG of one colour; its folder is made when missing.
void WritePicture(const fs::path& path, int width, int height, QColor colour = Qt::white);

// A 16-bit AIFF (or another libsndfile format) holding a quiet sawtooth.
void WriteSound(const fs::path& path, int frames, int channels = 1, int sampleRate = 44100,
                int format = 0);

void WriteBytes(const fs::path& path, std::string_view bytes);

// Beside a good picture or sound file, what is not one of the same kind:
// the file cut in half, the file cut after its first headerSize bytes, an
// empty file, garbage, a folder and a pipe (which would block a reader
// for ever), all with the good file's extension. Returns their paths, the
// half file's first, and that of a file that does not exist.
[[nodiscard]] std::vector<fs::path> WriteBrokenFiles(const fs::path& good, std::size_t headerSize);
[[nodiscard]] std::string ReadBytes(const fs::path& path);

}  // namespace testfiles
