#pragma once

// Hooks for tests: they replace what reaches outside the process (the
// desktop, the audio output, the unhandled-exception report) and make the
// event loop's work happen on demand. The program itself uses none of them.

#include <functional>
#include <string>
#include <string_view>

namespace fw {

class Sound;
class Timer;

namespace testing {

// Fires the timer as its period running out in the event loop would.
void Tick(Timer& timer);
// Whether the timer's period is counting down in the event loop.
[[nodiscard]] bool Counting(const Timer& timer);

using UnhandledExceptionReporter =
    std::function<void(std::string_view className, std::string_view message)>;
// Takes the place of the stderr line and the message box; an empty
// reporter restores them.
void SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter);
// Starts a new run after an unhandled exception or a quit: handlers are
// called again and the exit status is 0.
void ResetRun();

// Take the place of the desktop's URL handler and of the message box.
void SetUrlHandler(std::function<void(const std::string& url)> handler);
void SetMessageBoxHandler(std::function<void(const std::string& message)> handler);

// Takes the place of the audio output: Play hands the sound to it.
void SetSoundOutput(std::function<void(const Sound& sound)> output);

// The executable file as the framework reports it; empty restores the
// real one.
void SetExecutablePath(std::string path);

}  // namespace testing
}  // namespace fw
