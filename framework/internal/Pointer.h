#pragma once

class QWidget;

namespace fw::internal {

// Whether the pointer stands over the widget while it shows. Qt also sends a
// widget a leave event when a modal window opens over a still pointer; once
// the pointer moves, Qt enters the widget again and sends the real leave.
[[nodiscard]] bool PointerOver(const QWidget& widget);

}  // namespace fw::internal
