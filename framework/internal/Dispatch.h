#pragma once

#include <functional>

namespace fw::internal {

// Runs program code on behalf of the user interface. Nothing thrown by the
// call crosses back into Qt: a runtime exception that escapes is reported as
// unhandled and ends the run, and so is any other exception. Once the run is
// ending, calls are dropped.
void Dispatch(const std::function<void()>& call) noexcept;

// True while the run goes on: no quit and no unhandled exception yet.
bool Running();

}  // namespace fw::internal
