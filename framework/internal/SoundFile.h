#pragma once

#include <memory>
#include <string>

namespace fw {
class Sound;
}

namespace fw::internal {

// Decodes a sound file (AIFF, or any format libsndfile reads) into 16-bit
// samples; nothing when the file cannot be read as a sound.
std::shared_ptr<Sound> ReadSoundFile(const std::string& path);

}  // namespace fw::internal
