#include "app/Assets.h"

// (Filled in by the assets work.)

std::shared_ptr<fw::FolderItem> GetApplicationBundleResources() { return nullptr; }
std::shared_ptr<fw::Picture> white() { return nullptr; }
std::shared_ptr<fw::Picture> red() { return nullptr; }
std::shared_ptr<fw::Picture> blue() { return nullptr; }
std::shared_ptr<fw::Picture> green() { return nullptr; }
std::shared_ptr<fw::Picture> yellow() { return nullptr; }
std::shared_ptr<fw::Picture> two() { return nullptr; }
std::shared_ptr<fw::Picture> three() { return nullptr; }
std::shared_ptr<fw::Picture> four() { return nullptr; }
std::shared_ptr<fw::Picture> five() { return nullptr; }
std::shared_ptr<fw::Picture> six() { return nullptr; }
std::shared_ptr<fw::Picture> seven() { return nullptr; }
std::shared_ptr<fw::Picture> eight() { return nullptr; }
std::shared_ptr<fw::Picture> nine() { return nullptr; }
std::shared_ptr<fw::Sound> Basso() { return nullptr; }
std::shared_ptr<fw::Sound> Purr() { return nullptr; }
std::shared_ptr<fw::Sound> Ping() { return nullptr; }
void ReleaseBasso() {}
void ReleasePurr() {}
void ReleasePing() {}
