#pragma once

// The game's pictures and sounds, read by file name from the resources
// folder: the folder "Resources" beside the folder that holds the program.
//
// A picture is read on the first call that finds it and kept for the run;
// until then every call tries again. A sound is tried on its first call
// only, whatever comes of it, and kept until its release at shutdown.

#include <memory>

#include "framework/Framework.h"

// The resources folder, looked up afresh on every call; nothing when the
// program's folder has no "Resources" beside it. Raises NilObjectException
// when the program's own file or its folders cannot be found.
std::shared_ptr<fw::FolderItem> GetApplicationBundleResources();

// Square faces and level digits.
std::shared_ptr<fw::Picture> white();
std::shared_ptr<fw::Picture> red();
std::shared_ptr<fw::Picture> blue();
std::shared_ptr<fw::Picture> green();
std::shared_ptr<fw::Picture> yellow();
std::shared_ptr<fw::Picture> two();
std::shared_ptr<fw::Picture> three();
std::shared_ptr<fw::Picture> four();
std::shared_ptr<fw::Picture> five();
std::shared_ptr<fw::Picture> six();
std::shared_ptr<fw::Picture> seven();
std::shared_ptr<fw::Picture> eight();
std::shared_ptr<fw::Picture> nine();

// The buzz, the bell and the beep.
std::shared_ptr<fw::Sound> Basso();
std::shared_ptr<fw::Sound> Purr();
std::shared_ptr<fw::Sound> Ping();

// Shutdown releases the sounds, in this order; the pictures stay.
void ReleaseBasso();
void ReleasePurr();
void ReleasePing();
