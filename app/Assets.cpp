#include "app/Assets.h"

#include <string_view>

namespace {

// Each accessor has a cache of its own; nothing else reads or writes it.
struct PictureCache {
  constexpr explicit PictureCache(std::string_view file) : fileName(file) {}
  std::string_view fileName;
  std::shared_ptr<fw::Picture> pic;
};

struct SoundCache {
  constexpr explicit SoundCache(std::string_view file) : fileName(file) {}
  std::string_view fileName;
  std::shared_ptr<fw::Sound> permaSound;
  bool loaded = false;
};

// The asset's file in the resources folder, opened; nothing when there is
// no resources folder, NilObjectException when the folder has no such file.
template <class Asset>
std::shared_ptr<Asset> Load(std::string_view fileName,
                            std::shared_ptr<Asset> (fw::FolderItem::*open)() const) {
  const std::shared_ptr<fw::FolderItem> resources = GetApplicationBundleResources();
  if (!resources) return nullptr;
  return (fw::NotNil(resources->Child(fileName)).*open)();
}

// Tries again on every call until a picture has been read, then keeps it.
std::shared_ptr<fw::Picture> CachedPicture(PictureCache& cache) {
  if (!cache.pic) cache.pic = Load(cache.fileName, &fw::FolderItem::OpenAsPicture);
  return cache.pic;
}

// Tries once, on the first call, whatever comes of it: the flag is set
// before the attempt, so even an exception leaves the sound tried.
std::shared_ptr<fw::Sound> CachedSound(SoundCache& cache) {
  if (!cache.loaded) {
    cache.loaded = true;
    cache.permaSound = Load(cache.fileName, &fw::FolderItem::OpenAsSound);
  }
  return cache.permaSound;
}

PictureCache whiteCache{"white.png"};
PictureCache redCache{"red.png"};
PictureCache blueCache{"blue.png"};
PictureCache greenCache{"green.png"};
PictureCache yellowCache{"yellow.png"};
PictureCache twoCache{"two.png"};
PictureCache threeCache{"three.png"};
PictureCache fourCache{"four.png"};
PictureCache fiveCache{"five.png"};
PictureCache sixCache{"six.png"};
PictureCache sevenCache{"seven.png"};
PictureCache eightCache{"eight.png"};
PictureCache nineCache{"nine.png"};
SoundCache bassoCache{"Basso.aiff"};
SoundCache purrCache{"Purr.aiff"};
SoundCache pingCache{"Ping.aiff"};

}  // namespace

std::shared_ptr<fw::FolderItem> GetApplicationBundleResources() {
  const std::shared_ptr<fw::FolderItem> executable = fw::ExecutableFile();
  const std::shared_ptr<fw::FolderItem> folder = fw::NotNil(executable).Parent();
  const std::shared_ptr<fw::FolderItem> parent = fw::NotNil(folder).Parent();
  return fw::NotNil(parent).Child("Resources");
}

std::shared_ptr<fw::Picture> white() { return CachedPicture(whiteCache); }
std::shared_ptr<fw::Picture> red() { return CachedPicture(redCache); }
std::shared_ptr<fw::Picture> blue() { return CachedPicture(blueCache); }
std::shared_ptr<fw::Picture> green() { return CachedPicture(greenCache); }
std::shared_ptr<fw::Picture> yellow() { return CachedPicture(yellowCache); }
std::shared_ptr<fw::Picture> two() { return CachedPicture(twoCache); }
std::shared_ptr<fw::Picture> three() { return CachedPicture(threeCache); }
std::shared_ptr<fw::Picture> four() { return CachedPicture(fourCache); }
std::shared_ptr<fw::Picture> five() { return CachedPicture(fiveCache); }
std::shared_ptr<fw::Picture> six() { return CachedPicture(sixCache); }
std::shared_ptr<fw::Picture> seven() { return CachedPicture(sevenCache); }
std::shared_ptr<fw::Picture> eight() { return CachedPicture(eightCache); }
std::shared_ptr<fw::Picture> nine() { return CachedPicture(nineCache); }

std::shared_ptr<fw::Sound> Basso() { return CachedSound(bassoCache); }
std::shared_ptr<fw::Sound> Purr() { return CachedSound(purrCache); }
std::shared_ptr<fw::Sound> Ping() { return CachedSound(pingCache); }

// The release leaves the sound tried: it is not read again.
void ReleaseBasso() { bassoCache.permaSound.reset(); }
void ReleasePurr() { purrCache.permaSound.reset(); }
void ReleasePing() { pingCache.permaSound.reset(); }
