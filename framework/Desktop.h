#pragma once

#include <string_view>

namespace fw {

// Hands an address (a web page, a mailto: address) to the desktop's
// handler for it. Returns whether the desktop took it.
bool ShowURL(std::string_view url);

// Shows a modal message and returns when it has been dismissed.
void MsgBox(std::string_view message);

}  // namespace fw
